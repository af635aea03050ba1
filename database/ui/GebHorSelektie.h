#pragma once
// The selection page of the natal table and of the event table (one frame class, in natal mode on
// the natal table page and in event mode on the events page): the grid of the selected records in
// the chosen order, the search on name or keyword with find-next, the side tabs with the keywords,
// the comment and the property values of the records (edited in place, each change written in one
// transaction), creating and deleting records, and the choice of a record as the active natal
// chart, the partner chart or the active event. The main window hears the choices through the
// three notifications.

#include <QDate>
#include <QFrame>
#include <QString>
#include <cstdint>
#include <functional>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTableView;

namespace orvan {

class TOrvanHoroskoop;
class TQ4DataModule;
class TPelqTabel;
class THorTabelModel;

// The length of the active period set when a natal chart is chosen, in days from today.
inline constexpr int AktievePeriodeDagen = 365;

// The horoscope data dialog: chart, mode (0 natal data, 1 event data), new; true on OK.
using TGegevensDialoog = std::function<bool(TOrvanHoroskoop& horoskoop, int modus, bool nieuw, QWidget* ouder)>;

class TFQ5GebHorSelektie : public QFrame {
  Q_OBJECT

 public:
  enum TModus { ModusNatal = 0, ModusGebeurtenis = 1 };
  // The order items in their order: indexes "InputNr", "SName", "Tijd", "Verjaardag".
  enum TOrde { OrdeInvoerNr, OrdeNaam, OrdeDatumTijd, OrdeVerjaardag, AantalOrdes };
  // The search items: on Name, on KeyWords.
  enum TZoekOp { ZoekOpNaam, ZoekOpSteekwoord };
  // The events shown (event mode): those of the selected horoscopes, those of the active one.
  enum TGebeurtenisFilter { GefilterdeHoroskopen = 0, AktieveHor = 1 };
  // The side tabs.
  enum TZijTab { TabSteekWoorden, TabInfo, TabEigenschappen, AantalZijTabs };

  explicit TFQ5GebHorSelektie(TQ4DataModule& dm, QWidget* parent = nullptr);
  ~TFQ5GebHorSelektie() override;

  // Shows the page in natal mode (0) or event mode (1); in partner mode the partner button is the
  // default button. On first use the grids are bound to the mode's table, its first record made
  // current and the order set to name (natal) or date and time (events). Then the page is
  // refreshed.
  void Toon(int modus, bool partnerModus);
  // Captions, the order re-applied, the search text cleared, the buttons enabled by the records
  // and the active charts, the grid on the active chart's record.
  void Ververs();
  // Shows a side tab (the navigation page's keywords, properties and info buttons).
  void ToonZijTab(int tab);

  void IndexSelektorClick(int item);
  void ZoekKnopClick();
  void ZoekEditChange();
  // Event mode: which events are shown; a click by the user also refreshes the page.
  void GebeurtenisFilterRGrpClick(int item);
  // The current record becomes the active natal chart, or (event mode) the active event with its
  // natal chart (also a double click in the grid).
  void SelAktHorBtnClick();
  // The current natal record becomes the partner chart; the relationship table gets both ordered
  // pairs of the active natal chart and the partner when they are missing.
  void SelAktParBtnClick();
  // A new chart of the page's kind typed in the data dialog and made active.
  void NieuwBtnClick();
  // Deletes the current record after a question; a natal horoscope with its events and
  // relationships.
  void VerwijderBtnClick();
  // Writes a changed comment box into its record.
  void PostInfo();

  // Notifications to the main window.
  std::function<void()> AktHorGekozen;
  std::function<void()> PartnerGekozen;
  std::function<void()> MomentGekozen;
  // The data dialog used by "new" (the horoscope data dialog unless replaced).
  TGegevensDialoog GegevensDialoog;
  // Today, for the birthday order and the active period (the system date unless replaced).
  std::function<QDate()> Vandaag = [] { return QDate::currentDate(); };

  int Modus() const { return modus_; }
  bool PartnerModus() const { return partnerModus_; }
  // The table of the mode: the natal or the event table.
  TPelqTabel& Tabel() const;

  QTableView* Grid() const { return grid_; }
  THorTabelModel* Model() const { return model_; }
  QLineEdit* ZoekEdit() const { return zoekEdit_; }
  QPushButton* ZoekKnop() const { return zoekKnop_; }
  QPushButton* SelAktHorBtn() const { return selAktHorBtn_; }
  QPushButton* SelAktParBtn() const { return selAktParBtn_; }
  QPushButton* NieuwBtn() const { return nieuwBtn_; }
  QPushButton* VerwijderBtn() const { return verwijderBtn_; }
  QButtonGroup* IndexSelektor() const { return indexGroep_; }
  QButtonGroup* ZoekOp() const { return zoekOpGroep_; }
  QButtonGroup* GebeurtenisFilter() const { return filterGroep_; }
  QGroupBox* GebeurtenisFilterBox() const { return filterBox_; }
  QLabel* TitelLabel() const { return titelLabel_; }
  QLabel* GekoppeldeNaamLabel() const { return naamLabel_; }
  QTabWidget* ZijTabs() const { return zijTabs_; }
  QTableView* SteekwoordGrid() const { return steekwoordGrid_; }
  QTableView* EigenschapGrid() const { return eigGrid_; }
  QPlainTextEdit* InfoMemo() const { return infoMemo_; }

 protected:
  bool eventFilter(QObject* object, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Bind();
  void Zoek(bool vanafBegin);
  void ToonHuidige();
  void ToonInfo();
  void ToonGekoppeldeNaam();
  void ZetGridKolommen();
  void Ververs(bool focus);
  void VolgGrid(QTableView* grid);
  void ZetGebeurtenisFilter(int item);
  // Activating the charts after a choice; false when cancelled or not calculated.
  bool ActiveerNatal();
  bool ActiveerEvent();
  bool ActiveerPartner();
  void BewaarRelaties();

  TQ4DataModule& dm_;
  int modus_ = ModusNatal;
  bool partnerModus_ = false;
  THorTabelModel* model_ = nullptr;
  THorTabelModel* steekwoordModel_ = nullptr;
  THorTabelModel* eigModel_ = nullptr;
  QTableView* grid_;
  QLabel* titelLabel_;
  QLabel* naamLabel_;
  QButtonGroup* indexGroep_;
  QRadioButton* indexKnoppen_[AantalOrdes] = {};
  QButtonGroup* zoekOpGroep_;
  QRadioButton* zoekOpKnoppen_[2] = {};
  QButtonGroup* filterGroep_;
  QRadioButton* filterKnoppen_[2] = {};
  QLabel* zoekLabel_;
  QLineEdit* zoekEdit_;
  QPushButton* zoekKnop_;
  QPushButton* selAktHorBtn_;
  QPushButton* selAktParBtn_;
  QPushButton* nieuwBtn_;
  QPushButton* verwijderBtn_;
  QGroupBox* indexBox_;
  QGroupBox* zoekBox_;
  QGroupBox* filterBox_;
  QTabWidget* zijTabs_;
  QTableView* steekwoordGrid_;
  QTableView* eigGrid_;
  QPlainTextEdit* infoMemo_;
  std::int64_t infoRecord_ = -1;   // the record whose comment the box shows
  bool ingesteld_ = false;
  bool volgt_ = false;     // the grids follow the table (no move back)
  bool postInfo_ = false;  // a comment is being written
  int orde_ = -1;
};

}  // namespace orvan
