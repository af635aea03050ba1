#pragma once
// The constellation dialog: which object should stand how many degrees ahead of which other
// object. The first list holds the bodies and cusps (1..25), the second the bodies, cusps and sign
// beginnings (1..37); both start at the Sun every time the dialog opens. The angle is typed in
// degrees.minutes (-90.30 is 90 degrees 30 minutes behind) and must lie within -180..180. On OK the
// choice is kept in KonstellKeuze() (horoscope/Q4Konstell.h), the angle in decimal degrees.
//
// In natal mode both objects belong to one chart; otherwise the first is a transiting object and
// the second a natal one, so that the Sun with the Sun is a solar return.

#include <cstdint>
#include <string>

#include "shell/ui/BasisDialoog.h"

class QComboBox;
class QLabel;

namespace orvan {

class TValEdit;

inline constexpr std::int32_t HelpKonstellDlg = 3021;

// Reads an angle typed in degrees.minutes: degrees, then minutes below 60 when text is left, no
// hemisphere letter and no bound on the degrees; a leading minus makes it negative ("-0 30" is
// minus 30 minutes). The result is in d.mm notation (-90.30).
bool LeesHoekDm(const std::string& tekst, double& dm);

class TQ4KonstellDlg : public TBasisDialoogForm {
  Q_OBJECT

 public:
  explicit TQ4KonstellDlg(bool natalModus, QWidget* parent = nullptr);

  bool NatalModus() const { return natalModus_; }

  QComboBox* Object1Lijst() const { return object1Lijst_; }
  QComboBox* Object2Lijst() const { return object2Lijst_; }
  TValEdit* HoekEdit() const { return hoekEdit_; }
  QLabel* Object1Label() const { return object1Label_; }
  QLabel* Object2Label() const { return object2Label_; }
  QLabel* HoekLabel() const { return hoekLabel_; }

  // The object numbers the lists point at.
  int Object1() const;
  int Object2() const;

 protected:
  // All edits valid and the pair possible; then the choice is stored.
  bool MagSluiten() override;
  void Labels() override;
  void showEvent(QShowEvent* event) override;

 private:
  bool natalModus_;
  QLabel* object1Label_;
  QComboBox* object1Lijst_;
  QLabel* object2Label_;
  QComboBox* object2Lijst_;
  QLabel* hoekLabel_;
  TValEdit* hoekEdit_;
};

// Shows the constellation dialog modally; true on OK, with the choice in KonstellKeuze().
bool KiesKonstellatie(bool natalModus, QWidget* ouder = nullptr);

}  // namespace orvan
