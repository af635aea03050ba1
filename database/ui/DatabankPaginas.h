#pragma once
// Places the frames of the horoscope database on the table pages of the main window: the natal
// selection frame on the natal table page, shown (and refreshed) whenever that page is entered,
// its choice of the active natal chart or partner reported to the main window; the same frame in
// event mode on the events page; the navigation page's select, keywords, properties and info
// buttons opening those pages (the natal page in partner mode for the partner button); the
// administration frame on
// the database administration page; the relationship frame on the relationships page, its choice of
// both charts reported to the main window and its keywords and properties opened by the navigation
// page's relationship buttons. Call it after the data module's DatabankGeopend is set: the
// frames add their refresh to it.

namespace orvan {

class TQ4DataModule;
class TQ5HoofdForm;
class TFQ5GebHorSelektie;

// Returns the natal selection frame (owned by the page).
TFQ5GebHorSelektie* MaakDatabankPaginas(TQ5HoofdForm& hoofd, TQ4DataModule& dm);

}  // namespace orvan
