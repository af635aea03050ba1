#pragma once
// The relationships page: the grid of the selected relationships between two selected natal
// horoscopes (partner A, keywords, partner B), their properties in the side tab, adding and
// deleting relationships, and the choice of a relationship's two horoscopes as the active natal
// chart and the partner chart. The main window hosts it on its relationships page and hears the
// choice through BeideGekozen.

#include <QFrame>
#include <cstdint>
#include <functional>
#include <memory>

class QLabel;
class QPushButton;
class QTabWidget;
class QTableView;

namespace orvan {

class TQ4DataModule;
class TRelatieLijst;
class TRelatieLijstModel;

class TFQ5RelatieEigBewerking : public QFrame {
  Q_OBJECT

 public:
  explicit TFQ5RelatieEigBewerking(TQ4DataModule& dm, QWidget* parent = nullptr);
  ~TFQ5RelatieEigBewerking() override;

  // Reads the list again (the current relationship stays current while it is listed), sets the
  // captions, the columns of both grids, the count and the enabled states.
  void Ververs();

  // Adds a relationship chosen in the dialog "Add new relationship".
  void NieuweRelBtnClick();
  // Deletes the current relationship after the question "BentUZekerVerwHor".
  void VerwijderRelBtnClick();
  // Partner A becomes the active natal chart and partner B the partner chart, both calculated;
  // then BeideGekozen (also a double click in the grid).
  void SelekteerBeideHorBtnClick();

  // The relationship of the active natal chart (A) and the partner chart (B) becomes current
  // when it is listed.
  void ZoekAktieveRelatie();
  // The keywords column or the properties tab in view, with the focus.
  void ToonSteekwoorden();
  void ToonEigenschappen();

  // The current row of the grid, -1 when the list is empty.
  int HuidigeRij() const;
  void ZetHuidigeRij(int rij);

  // Notification: both charts of a relationship were chosen.
  std::function<void()> BeideGekozen;
  // Chooses partners A and B for a new relationship (InputNr values); false when cancelled. By
  // default the dialog "Add new relationship".
  std::function<bool(std::int64_t& a, std::int64_t& b)> KiesPartners;

  TRelatieLijst& Lijst() const { return *lijst_; }
  TRelatieLijstModel* Model() const { return model_; }
  QTableView* Grid() const { return grid_; }
  QTableView* EigGrid() const { return eigGrid_; }
  QTabWidget* Tabs() const { return tabs_; }
  QWidget* EigTab() const { return eigTab_; }
  QLabel* TitelLabel() const { return titelLabel_; }
  QLabel* GeenEigLabel() const { return geenEigLabel_; }
  QPushButton* NieuweRelBtn() const { return nieuwBtn_; }
  QPushButton* VerwijderRelBtn() const { return verwijderBtn_; }
  QPushButton* SelekteerBeideHorBtn() const { return selekteerBtn_; }

 private:
  void Herlaad(std::int64_t huidig);
  void ZetGridKolommen();
  void ZetKnoppen();
  void VolgRij(QTableView* van, int rij);

  TQ4DataModule& dm_;
  std::unique_ptr<TRelatieLijst> lijst_;
  TRelatieLijstModel* model_;
  QLabel* titelLabel_;
  QTableView* grid_;
  QTabWidget* tabs_;
  QWidget* eigTab_;
  QTableView* eigGrid_;
  QLabel* geenEigLabel_;
  QPushButton* nieuwBtn_;
  QPushButton* verwijderBtn_;
  QPushButton* selekteerBtn_;
  bool volgt_ = false;  // one grid follows the other
};

}  // namespace orvan
