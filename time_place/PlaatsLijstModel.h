#pragma once
// The place browser's logic: the list browser on "GeoCoord.fil", keyed by the folded place name.
// Typing "(" is accepted too (Springfield (US-IL)), the first letter of an empty prefix jumps by
// the letter index, Insert asks the owner for a new place (OnNieuwePlaats) and stores it when the
// owner says so, Ctrl+Delete toggles the deletion mark. The list is closed, and compacted after a
// change, when the browser goes.

#include <cstdint>
#include <functional>
#include <string>

#include "time_place/ListMeng.h"
#include "time_place/PltsLstMenger.h"
#include "time_place/PltsTijdRec.h"

namespace orvan {

// What the owner answers on Insert: 0 cancelled, 1 use the place for this horoscope only, 2 use it
// and store it in the list.
inline constexpr std::uint8_t InvoerGeannuleerd = 0;
inline constexpr std::uint8_t InvoerEenmalig = 1;
inline constexpr std::uint8_t InvoerBewaren = 2;

using TNieuwePlaatsEvent = std::function<void(PlaatsRec& plRec, std::uint8_t& invoerKode)>;
// Progress of storing a place: -1 at the start, then 0..100.
using TGeduldMonitorEvent = std::function<void(double percentGedaan)>;

// The display line: the name, the latitude right-aligned up to column 42 and the longitude in 8
// columns (d.mm, 2 decimals), a space and the zone.
std::string PlaatsRegel(const PlaatsRec& p);

class TPlaatsLijstModel : public TLijstViewerModel {
 public:
  // The list in `map` (with a trailing "/"); an empty map means the program folder.
  explicit TPlaatsLijstModel(std::string map = {});
  ~TPlaatsLijstModel() override;

  std::string Sleutel() const override;
  std::string Regel() const override;
  bool LeesHuidige() override;
  bool SchrijfHuidige() override;
  // Opens the list and shows its first entry; a failure is reported as a message.
  bool Open() override;
  std::uint8_t NieuwItem() override;
  bool IsGewist() const override { return huidige_ >= 0 && rec_.Gewist != 0; }
  bool WisselWissen() override;
  int Aantal() const override { return lijst_.Aantal(); }

  // The current entry (an empty record when the list is empty).
  const PlaatsRec& HuidigeRec() const { return rec_; }

  // Inserts a place in key order with progress (OnBewarenBezig and the progress window) and makes
  // it current. A failure is reported as a message and keeps the list as it was.
  bool VoegPlaatsToe(const PlaatsRec& p);

  // Closes the list (compacting it after a change); a failure is reported as a message.
  bool Sluit();

  const TPlaatsLijst& Lijst() const { return lijst_; }

  TNieuwePlaatsEvent OnNieuwePlaats;
  TGeduldMonitorEvent OnBewarenBezig;

 protected:
  bool IsToegestaan(char c) const override;
  void EersteLetter(char letter) override;
  std::string VouwVoorSelektie(const std::string& teken) const override;

 private:
  void MeldFout(const char* sleutel, const std::string& fout) const;

  TPlaatsLijst lijst_;
  PlaatsRec rec_;
};

}  // namespace orvan
