#pragma once
// The selection page of the natal table: the grid of the selected records in the chosen order,
// the search on name or keyword with find-next, and the choice of a record as the active natal
// chart. The main window hosts it on its natal table page and hears the choice through
// AktHorGekozen.

#include <QFrame>
#include <functional>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableView;

namespace orvan {

class TQ4DataModule;
class THorTabelModel;

// The message shown when a chosen chart cannot be calculated.
inline constexpr const char* FoutBerekenHoroskoop = "Error calculating horoscope!";
// The length of the active period set when a natal chart is chosen, in days from today.
inline constexpr int AktievePeriodeDagen = 365;

class TFQ5GebHorSelektie : public QFrame {
  Q_OBJECT

 public:
  // The order items in their order: indexes "InputNr", "SName", "Tijd", "Verjaardag".
  enum TOrde { OrdeInvoerNr, OrdeNaam, OrdeDatumTijd, OrdeVerjaardag, AantalOrdes };
  // The search items: on Name, on KeyWords.
  enum TZoekOp { ZoekOpNaam, ZoekOpSteekwoord };

  explicit TFQ5GebHorSelektie(TQ4DataModule& dm, QWidget* parent = nullptr);
  ~TFQ5GebHorSelektie() override;

  // Shows the page; only the natal mode (0) is built. On first use the grid is bound to the natal
  // table, the first record made current and the order set to name. Then the page is refreshed.
  void Toon(int modus, bool partnerModus);
  // Captions, the order re-applied, the search text cleared, the buttons enabled by the records,
  // the grid on the active natal chart's record.
  void Ververs();

  void IndexSelektorClick(int item);
  void ZoekKnopClick();
  void ZoekEditChange();
  // The current record becomes the active natal chart (also a double click in the grid).
  void SelAktHorBtnClick();

  // Notification: the active natal chart was chosen.
  std::function<void()> AktHorGekozen;

  QTableView* Grid() const { return grid_; }
  THorTabelModel* Model() const { return model_; }
  QLineEdit* ZoekEdit() const { return zoekEdit_; }
  QPushButton* ZoekKnop() const { return zoekKnop_; }
  QPushButton* SelAktHorBtn() const { return selAktHorBtn_; }
  QButtonGroup* IndexSelektor() const { return indexGroep_; }
  QButtonGroup* ZoekOp() const { return zoekOpGroep_; }
  QLabel* TitelLabel() const { return titelLabel_; }

 protected:
  bool eventFilter(QObject* object, QEvent* event) override;

 private:
  void Zoek(bool vanafBegin);
  void ToonHuidige();
  void ZetGridKolommen();
  void Ververs(bool focus);

  TQ4DataModule& dm_;
  THorTabelModel* model_;
  QTableView* grid_;
  QLabel* titelLabel_;
  QButtonGroup* indexGroep_;
  QRadioButton* indexKnoppen_[AantalOrdes] = {};
  QButtonGroup* zoekOpGroep_;
  QRadioButton* zoekOpKnoppen_[2] = {};
  QLabel* zoekLabel_;
  QLineEdit* zoekEdit_;
  QPushButton* zoekKnop_;
  QPushButton* selAktHorBtn_;
  QGroupBox* indexBox_;
  QGroupBox* zoekBox_;
  bool ingesteld_ = false;
  bool volgt_ = false;     // the grid follows the table (no move back)
  int orde_ = -1;
};

}  // namespace orvan
