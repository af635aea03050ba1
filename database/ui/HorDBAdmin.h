#pragma once
// The database administration page: the current and the reference database, the notes of the
// current database (info.txt, written when the box loses focus), choosing or creating a database,
// choosing the reference database, and the import and export group (its buttons stay disabled
// until the imports and exports are connected).

#include <QFrame>
#include <functional>
#include <string>

class QComboBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace orvan {

class TQ4DataModule;

// The current database is closed and another chosen (or created) in the folder chooser: the
// active charts are closed first (their questions; cancel stops), then the chooser starts on the
// current folder (the program folder + "*.hor" when there is none). False when anything was
// cancelled, the current folder was chosen again or the new one could not be opened.
bool SelekteerDatabank(TQ4DataModule& dm);
// The reference database chosen in the folder chooser; true when the choice changed.
bool SelekteerRefDatabank();

class TFQ5HorDBAdmin : public QFrame {
  Q_OBJECT

 public:
  explicit TFQ5HorDBAdmin(TQ4DataModule& dm, QWidget* parent = nullptr);

  // Captions and labels from the current settings; the notes loaded anew from info.txt.
  void Ververs();
  // Writes the notes box to info.txt.
  bool BewaarNotities();
  // The property dialog; when it is closed with OK, EigenschappenGewijzigd is called.
  void EigenschappenBtnClick();

  // Notification: the property fields may have changed (the main window refreshes its grids).
  std::function<void()> EigenschappenGewijzigd;

  QLabel* DatabankLabel() const { return databankLabel_; }
  QLabel* RefDatabankLabel() const { return refLabel_; }
  QPlainTextEdit* NotitieBox() const { return notities_; }
  QPushButton* SelekteerOfMaakBtn() const { return selekteerBtn_; }
  QPushButton* RefSelekteerBtn() const { return refBtn_; }
  QPushButton* ImportStartBtn() const { return importBtn_; }
  QPushButton* ExportStartBtn() const { return exportBtn_; }
  QPushButton* EigenschappenBtn() const { return eigBtn_; }
  QComboBox* ImportLijst() const { return importLijst_; }

 protected:
  bool eventFilter(QObject* object, QEvent* event) override;

 private:
  TQ4DataModule& dm_;
  QLabel* databankLabel_;
  QLabel* refLabel_;
  QLabel* notitieLabel_;
  QPlainTextEdit* notities_;
  QPushButton* eigBtn_;
  QPushButton* selekteerBtn_;
  QPushButton* refBtn_;
  QGroupBox* importGroep_;
  QComboBox* importLijst_;
  QPushButton* importBtn_;
  QGroupBox* exportGroep_;
  QComboBox* exportLijst_;
  QPushButton* exportBtn_;
};

}  // namespace orvan
