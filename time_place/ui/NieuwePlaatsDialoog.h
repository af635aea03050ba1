#pragma once
// The new-place dialog: name, latitude, longitude and time zone of a place, and whether to store
// it in the place list. The zone list holds "???" (no official time) and one item per zone table
// "*.uur" of the zone folder: the name in capitals padded to 8 characters, ": " and the first
// line of the table.

#include <QStringList>
#include <cstdint>
#include <string>

#include "shell/ui/BasisDialoog.h"
#include "time_place/PltsTijdRec.h"

class QCheckBox;
class QComboBox;
class QLabel;

namespace orvan {

class TGeoEdit;
class TValEdit;

// The zone items of the tables in `map` (with a trailing "/"), sorted by file name; files whose
// name cannot be a zone name are left out. "???" comes first.
QStringList ZoneItems(const std::string& map);

class TNieuwePlaatsDlg : public TBasisDialoogForm {
  Q_OBJECT

 public:
  explicit TNieuwePlaatsDlg(QWidget* parent = nullptr);

  // Fills the fields from a template place; a zone without a table in the list is added as an
  // item of its own, so that it is not lost.
  void ZetPlaats(const PlaatsRec& p);
  // The place of the fields: the trimmed name (35 characters), the coordinates read by the last
  // check and the zone of the chosen item (empty for "???").
  PlaatsRec Plaats() const;
  // 2 when "store" is ticked and enabled, else 1.
  std::uint8_t InvoerKode() const;

  TValEdit* NaamEdit() const { return naamEdit_; }
  TGeoEdit* BreedteEdit() const { return breedteEdit_; }
  TGeoEdit* LengteEdit() const { return lengteEdit_; }
  QComboBox* ZoneCombo() const { return zoneCombo_; }
  QCheckBox* BewaarBox() const { return bewaarBox_; }

 protected:
  bool MagSluiten() override;
  void Labels() override;

 private:
  void NaamGewijzigd();

  TValEdit* naamEdit_;
  TGeoEdit* breedteEdit_;
  TGeoEdit* lengteEdit_;
  QComboBox* zoneCombo_;
  QCheckBox* bewaarBox_;
  QLabel* naamLabel_;
  QLabel* zoneLabel_;
  QLabel* breedteLabel_;
  QLabel* lengteLabel_;
};

// InvoerKode 0 cancelled, 1 this horoscope only, 2 store in the list. plRec is the template in and
// the result out (unchanged when cancelled).
void NieuwePlaatsDialoog(QWidget* ouder, PlaatsRec& plRec, std::uint8_t& invoerKode);

}  // namespace orvan
