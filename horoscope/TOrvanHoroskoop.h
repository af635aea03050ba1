#pragma once
// The natal chart of a person. It owns its event (transit) chart and, once they exist, its
// progression and direction charts, the period data, and the hooks through which the horoscope
// database loads and saves it. The hooks are empty until the database installs them; a chart
// without them is never loaded or saved.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "horoscope/THorData.h"
#include "horoscope/TNietTransitToekomstHoroskoop.h"
#include "horoscope/TTransitHoroskoop.h"
#include "horoscope/TZelfstHoroskoop.h"

namespace orvan {

// Record number of a chart that is not stored.
inline constexpr std::int32_t GeenRecord = -1;

// Fixed English texts of the load, calculation and save failures.
inline constexpr const char* FoutLadenHoroskoop = "Error loading horoscope!";
inline constexpr const char* FoutBerekenHoroskoop = "Error calculating horoscope!";
inline constexpr const char* FoutBewarenHoroskoop = "Error saving horoscope";
inline constexpr const char* FoutBewarenEvent = "Error saving event data";

// The database hooks. Each returns success; a number is the table's record number (InputNr).
// Save natal data; in: the record to replace (< 0: a new record), out: the record saved.
using TBewaarGeboorteHaak = std::function<bool(const THorData& data, std::int32_t& nummer)>;
// Load the natal table's current record; out: its number.
using TLaadGeboorteHaak = std::function<bool(THorData& data, std::int32_t& nummer)>;
// Save event data for natal record `natalNr`; in/out: the event record as above.
using TBewaarMomentHaak =
    std::function<bool(const THorData& data, std::int32_t natalNr, std::int32_t& nummer)>;
// Load the event table's current record; out: its number and the natal record it belongs to.
using TLaadMomentHaak =
    std::function<bool(THorData& data, std::int32_t& nummer, std::int32_t& natalNr)>;
// The value of property `naam` of record `nummer`, with the flags not-found and has-value.
using TEigenschapHaak = std::function<double(std::int32_t nummer, const std::string& naam,
                                             bool& nietGevonden, bool& heeftWaarde)>;
// Make natal record `nummer` current; false when it is not found.
using TZoekGeboorteHaak = std::function<bool(std::int32_t nummer)>;

class TOrvanHoroskoop : public TZelfstHoroskoop {
 public:
  // A cleared natal chart with its transit chart, the pattern path in the program folder and
  // error messages on.
  TOrvanHoroskoop();
  ~TOrvanHoroskoop() override;

  // The base Wis, and: natal changed and not stored, the event cleared and not loaded, the
  // derived charts not calculated, no period.
  void Wis() override;
  // The GebEigenschap hook for the natal record; 0 with both flags false without it.
  double EigenschapWaarde(const std::string& naam, bool& nietGevonden, bool& heeftWaarde) override;

  // Loads the natal table's current record (after Wis); "Error loading horoscope!" on failure
  // when ToonFouten. False without the hook.
  bool LaadNatal();
  // Saves the natal data; "Error saving horoscope" on failure. False without the hook.
  bool BewaarNatal();
  // Saves the event data, after saving the natal data when they are not stored yet; "Error saving
  // event data" on failure. False while the natal data are not saved, and without the hook.
  bool BewaarEvent();
  // Loads the event table's current record into the transit chart. An event of another natal
  // record loads that natal record first and then the event again. On failure the transit chart
  // is cleared and "Error loading horoscope!" shown when ToonFouten.
  bool LaadEvent();

  // The natal chart when not calculated, then with an event the transit, progression and
  // direction charts; true when every step succeeded.
  bool BerekenAlles();
  // The natal chart and its derived charts are calculated.
  bool AllesBerekend() const;

  // Natal and event data that would be lost on closing: a name, and changed or never stored.
  bool NatalAanwezig() const;
  bool EventAanwezig() const;

  TTransitHoroskoop& Transit() { return *TransitHoroskoop; }
  const TTransitHoroskoop& Transit() const { return *TransitHoroskoop; }

  // --- Fields (the sensitive-point, transit, progression and direction lists come with the
  // period scans). ---

  THorData ReserveTransitData;   // the transit chart's own data while it is lent to a period scan
  THorData PeriodeData;          // start date of the active period, 0:00:00 UT, the natal place
  double PeriodeStart = 0;       // JD50 (UT)
  std::int32_t PeriodeLengte = 0;   // days
  std::int32_t NatalNr = GeenRecord;
  std::int32_t EventNr = GeenRecord;
  bool NatalGewijzigd = true;    // natal data changed since the last load or save
  bool EventGewijzigd = true;    // event data changed
  bool EventGeladen = false;     // an event is loaded
  bool PeriodeGezet = false;     // period data set
  bool ToonFouten = true;        // show load error messages
  std::unique_ptr<TTransitHoroskoop> TransitHoroskoop;
  std::unique_ptr<TNietTransitToekomstHoroskoop> SekProgHoroskoop;   // absent until progressions exist
  std::unique_ptr<TNietTransitToekomstHoroskoop> PrimDirHoroskoop;   // absent until directions exist
  std::string TKPPad;            // program folder + "*.tkp"
  std::function<void()> NatalBewaard;   // called after the natal data were saved
  std::function<void()> EventBewaard;   // called after the event data were saved
  TBewaarGeboorteHaak BewaarGeboorte;
  TLaadGeboorteHaak LaadGeboorte;
  TBewaarMomentHaak BewaarMoment;
  TLaadMomentHaak LaadMoment;
  TEigenschapHaak GebEigenschap;
  TEigenschapHaak MomentEigenschap;
  TZoekGeboorteHaak ZoekGeboorte;

 private:
  bool LaadEventVan(bool natalZoeken);
  void ToonLaadFout() const;
};

}  // namespace orvan
