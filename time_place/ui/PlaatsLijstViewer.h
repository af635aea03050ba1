#pragma once
// The place browser: the list browser on the place list "GeoCoord.fil", in Liberation Mono (the
// metric twin of Courier New) and wide enough for the display line of a place. Insert asks for a
// new place (by default with the new-place dialog); a place stored in the list becomes the
// current entry, a place for this horoscope only becomes the current place without being stored.
// The list is closed, and compacted after a deletion mark changed, when the browser goes.

#include <QString>
#include <optional>
#include <string>

#include "time_place/PlaatsLijstModel.h"
#include "time_place/PltsTijdRec.h"
#include "time_place/ui/LijstViewer.h"

namespace orvan {

class TPlaatsLijstViewer : public TLijstViewer {
  Q_OBJECT

 public:
  // Opens the place list of `map` (empty = the program folder) and shows its first entry.
  explicit TPlaatsLijstViewer(QWidget* parent = nullptr, std::string map = {});

  // The current place: the current entry of the list, or the place given to ToonPlaats (or
  // entered for this horoscope only) until the user moves in the list. An empty record when the
  // list is empty and no place was given.
  PlaatsRec HuidigePlaats() const;
  // True while the current place is not an entry of the list.
  bool ToontEigenPlaats() const { return eigenPlaats_.has_value(); }

  // Positions on a name by replaying its characters as typed keys.
  void ZoekOp(const QString& tekst);
  // Shows a given place: positions on its name (ZoekOp); when the list has no entry with exactly
  // that name, the given record itself is shown and is the current place. Among entries of that
  // name the one of the same zone is preferred.
  void ToonPlaats(const PlaatsRec& p);
  void Omhoog();  // as the Up key
  void Omlaag();  // as the Down key

  TPlaatsLijstModel& PlaatsModel() const { return *plaatsModel_; }

  // Asked on Insert with the current place as template; answers InvoerKode (0 cancelled, 1 this
  // horoscope only, 2 store in the list). Default: NieuwePlaatsDialoog.
  TNieuwePlaatsEvent OnNieuwePlaats;
  // Progress of inserting: -1 at the start, 0..100 meanwhile, 100 at the end.
  TGeduldMonitorEvent OnBewarenBezig;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 signals:
  void PlaatsGewijzigd();  // the current place changed (typing, keys, insertion, ToonPlaats)

 protected:
  void Toets(TLijstToets toets) override;
  void ToonRegel() override;

 private:
  void NieuwePlaats();
  void ToonEigenPlaats(const PlaatsRec& p);
  void MeldAlsGewijzigd();
  int BreedteVoor(int tekens) const;

  TPlaatsLijstModel* plaatsModel_;
  std::optional<PlaatsRec> eigenPlaats_;
  bool stil_ = false;             // no PlaatsGewijzigd while a step of several redraws runs
  bool houdEigenPlaats_ = false;  // the redraws of such a step keep the own place
  PlaatsRec nieuwePlaats_;        // the answer to the last Insert
  std::uint8_t nieuweKode_ = InvoerGeannuleerd;
  PlaatsRec gemeld_;  // the place last reported by PlaatsGewijzigd
  bool isGemeld_ = false;
};

}  // namespace orvan
