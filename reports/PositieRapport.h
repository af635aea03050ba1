#pragma once
// The positions report of a chart: positions of the bodies, the houses, the aspects, the
// two-dimensional angles, the planet houses, the distributions, the midpoints and the Arabic parts,
// in the current language. Tables are laid out with blanks for the fixed-pitch font.

namespace orvan {

class TRTFUitBestand;
class TZelfstHoroskoop;

// Writes the report of the calculated chart into the open report; the caller opened the report
// (MaakTijdelijk or Maak) and closes it.
void PositieRapport(const TZelfstHoroskoop& horoskoop, TRTFUitBestand& rapport);

}  // namespace orvan
