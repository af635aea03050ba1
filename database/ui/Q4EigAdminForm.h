#pragma once
// The property dialog of the database administration page: the property fields of the natal,
// event or relationship table of the current database, listed by name, with buttons to create a
// property (its name asked in an input box) and to delete the chosen one (after a question).
// The dialog has Help and OK; the page refreshes the main window's grids when it closes with OK.

#include <QString>
#include <functional>

#include "database/Q4EigAdmin.h"
#include "shell/ui/BasisDialoog.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QListWidget;
class QRadioButton;

namespace orvan {

class TQ4EigAdminForm : public TBasisDialoogForm {
  Q_OBJECT

 public:
  static constexpr std::int32_t HelpKontekst = 3700;

  explicit TQ4EigAdminForm(TQ4DataModule& dm, QWidget* parent = nullptr);

  // Chooses a table (the radio group's item): the list shows its property names, the first one
  // chosen; delete is enabled only when the list is not empty.
  void TabelKeuzeClick(int item);
  // Asks for a name ("DefEig", "EigNaam") and creates the property; on failure the store's
  // message and "Error creating property field". The list is refreshed.
  void EigBijmakenClick();
  // Asks whether the chosen property may be deleted and deletes it on yes. The list is refreshed.
  void EigVerwijderenClick();

  // The input box of a new property name: true with the name when confirmed. Replaceable (tests).
  std::function<bool(QWidget* ouder, QString& naam)> VraagNaam;

  TEigTabel Keuze() const { return keuze_; }
  QLabel* MapLabel() const { return mapLabel_; }
  QListWidget* EigenschapLijst() const { return lijst_; }
  QButtonGroup* TabelKeuze() const { return tabelGroep_; }
  QPushButton* BijmakenBtn() const { return bijmakenBtn_; }
  QPushButton* VerwijderenBtn() const { return verwijderenBtn_; }

 protected:
  void Labels() override;

 private:
  void VulLijst(const std::string& kies = {});

  TQ4DataModule& dm_;
  TEigTabel keuze_ = TEigTabel::Geboorte;
  QLabel* mapLabel_;
  QGroupBox* lijstBox_;
  QListWidget* lijst_;
  QGroupBox* tabelBox_;
  QButtonGroup* tabelGroep_;
  QRadioButton* tabelKnoppen_[3] = {};
  QGroupBox* eigBox_;
  QPushButton* bijmakenBtn_;
  QPushButton* verwijderenBtn_;
};

// Opens the property dialog modally; true when it was closed with OK.
bool ToonEigAdmin(TQ4DataModule& dm, QWidget* ouder = nullptr);

}  // namespace orvan
