// The selection page: its controls, showing and refreshing, the order, the search, the side tabs
// and the linked natal name of an event. The choices (select, partner, new, delete) are in
// GebHorSelektieKeuze.cpp.

#include "database/ui/GebHorSelektie.h"

#include <algorithm>

#include <QButtonGroup>
#include <QDate>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include "database/DbVerbinding.h"
#include "database/HorVelden.h"
#include "database/Q4DataModuleUnit.h"
#include "database/ui/HorTabelBewerkModel.h"
#include "database/ui/HorTabelModel.h"
#include "horoscope/AktieveHoroskopen.h"
#include "horoscope/ui/Q4HorDataDialoog.h"
#include "shell/Interaktie.h"
#include "shell/LangUtils.h"

namespace orvan {

namespace {

QString Tekst(const char* sleutel) { return QString::fromStdString(Vertaal(sleutel)); }

// The indexes of the order items.
constexpr const char* OrdeIndex[TFQ5GebHorSelektie::AantalOrdes] = {"InputNr", "SName", "Tijd",
                                                                     "Verjaardag"};
constexpr const char* OrdeSleutel[TFQ5GebHorSelektie::AantalOrdes] = {
    TaalSleutel("InvoerNr"), TaalSleutel("Naam"), TaalSleutel("DatumTijd"), TaalSleutel("Verjaardag")};
constexpr const char* ZijTabSleutel[TFQ5GebHorSelektie::AantalZijTabs] = {
    TaalSleutel("SteekWoorden"), TaalSleutel("Info"), TaalSleutel("Eigenschappen")};

// The titles of the visible columns of the main grid.
struct TKolom {
  int veld;
  const char* sleutel;
};
constexpr TKolom Kolommen[] = {
    {VeldInputNr, TaalSleutel("InvoerNr")}, {VeldName, TaalSleutel("Naam")},
    {VeldPlace, TaalSleutel("Plaats")},     {VeldDateY, TaalSleutel("Jaar")},
    {VeldDateM, TaalSleutel("Maand")},      {VeldDateD, TaalSleutel("Dag")},
    {VeldGregKal, TaalSleutel("GregKal")},  {VeldTimeH, TaalSleutel("Uur")},
    {VeldTimeM, TaalSleutel("Minuut")},     {VeldTimeS, TaalSleutel("Sekonde")},
    {VeldClockTime, TaalSleutel("Klok")}};

constexpr int PlaatsBreedte = 200;
constexpr int SmalleBreedte = 50;   // columns DateY .. ClockTime
constexpr int PaginaStap = 10;      // Page Up / Page Down in the search box

// The name of natal horoscope `orvanNr` in the database in `map`, by the query on the natal
// table (the number bound as a parameter). Empty when there is none.
std::string NatalNaam(const std::string& map, std::int64_t orvanNr) {
  if (map.empty()) return {};
  TDbVerbinding db;
  std::string fout;
  if (!db.Open(map + "natal.db", true, false, fout)) return {};
  TDbOpdracht vraag;
  if (!vraag.Bereid(db, "select A.name from natal as A where A.InputNr=?1", fout)) return {};
  vraag.Bind(1, TVeldWaarde(orvanNr));
  return vraag.Stap() == TDbOpdracht::TStap::Rij ? vraag.KolomTekst(0) : std::string();
}

QTableView* MaakGrid(const char* naam) {
  auto* grid = new QTableView;
  grid->setObjectName(naam);
  grid->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid->setSelectionMode(QAbstractItemView::SingleSelection);
  return grid;
}

}  // namespace

TFQ5GebHorSelektie::TFQ5GebHorSelektie(TQ4DataModule& dm, QWidget* parent)
    : QFrame(parent),
      GegevensDialoog([](TOrvanHoroskoop& h, int modus, bool nieuw, QWidget* ouder) {
        return WijzigGegevens(h, modus, nieuw, ouder);
      }),
      dm_(dm),
      grid_(MaakGrid("HorDBGrid")),
      titelLabel_(new QLabel),
      naamLabel_(new QLabel),
      indexGroep_(new QButtonGroup(this)),
      zoekOpGroep_(new QButtonGroup(this)),
      filterGroep_(new QButtonGroup(this)),
      zoekLabel_(new QLabel),
      zoekEdit_(new QLineEdit),
      zoekKnop_(new QPushButton),
      selAktHorBtn_(new QPushButton),
      selAktParBtn_(new QPushButton),
      nieuwBtn_(new QPushButton),
      verwijderBtn_(new QPushButton),
      indexBox_(new QGroupBox),
      zoekBox_(new QGroupBox),
      filterBox_(new QGroupBox),
      zijTabs_(new QTabWidget),
      steekwoordGrid_(MaakGrid("SteekWoordGrid")),
      eigGrid_(MaakGrid("EigenschapGrid")),
      infoMemo_(new QPlainTextEdit) {
  setObjectName("FQ5GebHorSelektie");
  zoekEdit_->setObjectName("ZoekEdit");
  zoekKnop_->setObjectName("ZoekKnop");
  selAktHorBtn_->setObjectName("SelAktHorBtn");
  selAktParBtn_->setObjectName("SelAktParBtn");
  nieuwBtn_->setObjectName("NieuwBtn");
  verwijderBtn_->setObjectName("VerwijderBtn");
  titelLabel_->setObjectName("TitelLabel");
  naamLabel_->setObjectName("GekoppeldeNaamLabel");
  filterBox_->setObjectName("GebeurtenisFilterRGrp");
  zijTabs_->setObjectName("ZijPageControl");
  infoMemo_->setObjectName("InfoMemo");

  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  steekwoordGrid_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                   QAbstractItemView::AnyKeyPressed);
  eigGrid_->setEditTriggers(steekwoordGrid_->editTriggers());
  steekwoordGrid_->horizontalHeader()->setStretchLastSection(true);

  auto* indexLayout = new QVBoxLayout(indexBox_);
  for (int i = 0; i < AantalOrdes; ++i) {
    indexKnoppen_[i] = new QRadioButton;
    indexGroep_->addButton(indexKnoppen_[i], i);
    indexLayout->addWidget(indexKnoppen_[i]);
  }
  auto* zoekLayout = new QVBoxLayout(zoekBox_);
  for (int i = 0; i < 2; ++i) {
    zoekOpKnoppen_[i] = new QRadioButton;
    zoekOpGroep_->addButton(zoekOpKnoppen_[i], i);
    zoekLayout->addWidget(zoekOpKnoppen_[i]);
  }
  zoekOpKnoppen_[ZoekOpNaam]->setChecked(true);
  zoekLayout->addWidget(zoekLabel_);
  zoekLayout->addWidget(zoekEdit_);
  zoekLayout->addWidget(zoekKnop_);
  auto* filterLayout = new QVBoxLayout(filterBox_);
  for (int i = 0; i < 2; ++i) {
    filterKnoppen_[i] = new QRadioButton;
    filterGroep_->addButton(filterKnoppen_[i], i);
    filterLayout->addWidget(filterKnoppen_[i]);
  }
  filterBox_->hide();
  naamLabel_->hide();

  auto* knoppen = new QVBoxLayout;
  for (QPushButton* k : {selAktHorBtn_, selAktParBtn_, nieuwBtn_, verwijderBtn_}) knoppen->addWidget(k);
  knoppen->addStretch();
  auto* bediening = new QHBoxLayout;
  bediening->addWidget(indexBox_);
  bediening->addWidget(zoekBox_);
  bediening->addWidget(filterBox_);
  bediening->addLayout(knoppen);
  bediening->addStretch();
  auto* links = new QVBoxLayout;
  links->addWidget(grid_, 1);
  links->addLayout(bediening);

  zijTabs_->addTab(steekwoordGrid_, QString());
  zijTabs_->addTab(infoMemo_, QString());
  zijTabs_->addTab(eigGrid_, QString());

  auto* midden = new QHBoxLayout;
  midden->addLayout(links, 2);
  midden->addWidget(zijTabs_, 1);
  auto* kop = new QHBoxLayout;
  kop->addWidget(titelLabel_);
  kop->addWidget(naamLabel_, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(kop);
  layout->addLayout(midden, 1);

  zoekEdit_->installEventFilter(this);
  infoMemo_->installEventFilter(this);
  connect(indexGroep_, &QButtonGroup::idClicked, this, [this](int id) { IndexSelektorClick(id); });
  connect(filterGroep_, &QButtonGroup::idClicked, this, [this](int id) { GebeurtenisFilterRGrpClick(id); });
  connect(zoekKnop_, &QPushButton::clicked, this, [this] { ZoekKnopClick(); });
  connect(zoekEdit_, &QLineEdit::textEdited, this, [this] { ZoekEditChange(); });
  connect(selAktHorBtn_, &QPushButton::clicked, this, [this] { SelAktHorBtnClick(); });
  connect(selAktParBtn_, &QPushButton::clicked, this, [this] { SelAktParBtnClick(); });
  connect(nieuwBtn_, &QPushButton::clicked, this, [this] { NieuwBtnClick(); });
  connect(verwijderBtn_, &QPushButton::clicked, this, [this] { VerwijderBtnClick(); });
  connect(grid_, &QTableView::doubleClicked, this, [this] { SelAktHorBtnClick(); });
}

TFQ5GebHorSelektie::~TFQ5GebHorSelektie() {
  // The grids let go of their models before the models leave their tables.
  for (QTableView* g : {grid_, steekwoordGrid_, eigGrid_}) g->setModel(nullptr);
}

TPelqTabel& TFQ5GebHorSelektie::Tabel() const {
  if (modus_ == ModusGebeurtenis) return dm_.MomentTabel;
  return dm_.GebTabel;
}

void TFQ5GebHorSelektie::Bind() {
  TPelqTabel& tabel = Tabel();
  model_ = new THorTabelModel(tabel, this);
  steekwoordModel_ = new THorTabelBewerkModel(tabel, [](int veld) { return veld == VeldKeyWords; }, this);
  eigModel_ = new THorTabelBewerkModel(
      tabel, [&tabel](int veld) { return veld > tabel.LaatsteVastVeld; }, this);
  grid_->setModel(model_);
  steekwoordGrid_->setModel(steekwoordModel_);
  eigGrid_->setModel(eigModel_);
  for (QTableView* g : {grid_, steekwoordGrid_, eigGrid_}) VolgGrid(g);
  connect(model_, &THorTabelModel::HuidigeVerplaatst, this, [this] { ToonHuidige(); });
  connect(model_, &QAbstractItemModel::modelReset, this, [this] {
    ZetGridKolommen();
    ToonHuidige();
  });
}

// A row chosen in a grid makes that record the table's current record.
void TFQ5GebHorSelektie::VolgGrid(QTableView* grid) {
  connect(grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& huidig) {
            if (!volgt_ && huidig.isValid()) Tabel().GaNaar(huidig.row());
          });
}

void TFQ5GebHorSelektie::Toon(int modus, bool partnerModus) {
  if (!ingesteld_) {
    ingesteld_ = true;
    modus_ = modus == ModusGebeurtenis ? ModusGebeurtenis : ModusNatal;
    Bind();
    const bool isMoment = modus_ == ModusGebeurtenis;
    if (Tabel().IsOpen()) Tabel().Eerste();
    orde_ = -1;
    indexKnoppen_[isMoment ? OrdeDatumTijd : OrdeNaam]->setChecked(true);
    selAktParBtn_->setVisible(!isMoment);
    filterBox_->setVisible(isMoment);
    naamLabel_->setVisible(isMoment);
  }
  partnerModus_ = partnerModus && modus_ == ModusNatal;
  selAktParBtn_->setDefault(partnerModus_);
  selAktHorBtn_->setDefault(!partnerModus_);
  Ververs(isVisible());
}

void TFQ5GebHorSelektie::Ververs() { Ververs(isVisible()); }

void TFQ5GebHorSelektie::Ververs(bool focus) {
  if (!ingesteld_) return;
  PostInfo();
  TPelqTabel& tabel = Tabel();
  const TOrvanHoroskoop& natal = AktieveHoroskopen().Natal();
  const bool isMoment = modus_ == ModusGebeurtenis;

  // Captions.
  nieuwBtn_->setText(Tekst("Nieuwe"));
  verwijderBtn_->setText(Tekst("Verwijder"));
  indexBox_->setTitle(Tekst("Index"));
  for (int i = 0; i < AantalOrdes; ++i) indexKnoppen_[i]->setText(Tekst(OrdeSleutel[i]));
  zoekBox_->setTitle(Tekst("ZoekOp"));
  zoekOpKnoppen_[ZoekOpNaam]->setText(Tekst("Naam"));
  zoekOpKnoppen_[ZoekOpSteekwoord]->setText(Tekst("SteekWoord"));
  zoekLabel_->setText(Tekst("ZoekNaar"));
  zoekKnop_->setText(Tekst("ZoekVolgende"));
  for (int i = 0; i < AantalZijTabs; ++i) zijTabs_->setTabText(i, Tekst(ZijTabSleutel[i]));
  for (const TKolom& k : Kolommen) model_->ZetTitel(k.veld, Tekst(k.sleutel));
  steekwoordModel_->ZetTitel(VeldKeyWords, Tekst("SteekWoorden"));

  // The order again (a database change may have reset it); the search text cleared.
  if (indexGroep_->checkedId() < 0) indexKnoppen_[isMoment ? OrdeDatumTijd : OrdeNaam]->setChecked(true);
  orde_ = -1;
  IndexSelektorClick(indexGroep_->checkedId());
  zoekEdit_->clear();
  if (focus) zoekEdit_->setFocus();

  if (tabel.IsOpen() && tabel.AlleenLezen())
    Meldingen().Melding(Vertaal("Opgelet"), "Error 7809", "");
  ZetGridKolommen();
  tabel.InvoegenGeblokkeerd = true;
  if (!isMoment) {
    selAktHorBtn_->setText(Tekst("SelekteerAlsAktHor"));
    selAktParBtn_->setText(Tekst("SelekteerAlsAktPartner"));
    nieuwBtn_->setEnabled(tabel.IsOpen());
  } else {
    filterBox_->setTitle(Tekst("ToonGebeurtenissenVan") + "...");
    filterKnoppen_[GefilterdeHoroskopen]->setText(Tekst("gefilterde_horoskopen"));
    filterKnoppen_[AktieveHor]->setText(Tekst("aktieve_hor"));
    if (filterGroep_->checkedId() < 0)
      filterKnoppen_[natal.Geladen ? AktieveHor : GefilterdeHoroskopen]->setChecked(true);
    ZetGebeurtenisFilter(filterGroep_->checkedId());
    selAktHorBtn_->setText(Tekst("SelekteerAlsAktGebeurt"));
    nieuwBtn_->setEnabled(tabel.IsOpen() && natal.Geladen);
  }
  // Long captions (French, German) keep their whole text.
  for (QPushButton* k : {selAktHorBtn_, selAktParBtn_, nieuwBtn_, verwijderBtn_}) {
    k->setMinimumWidth(0);
    k->setMinimumWidth(k->sizeHint().width());
  }
  const int aantal = tabel.IsOpen() ? tabel.AantalRecords() : 0;
  titelLabel_->setText(Tekst(isMoment ? "Gebeurtenissen" : "Geboortegegevens") + " (n=" +
                       QString::number(aantal) + ")");
  const bool metRecords = aantal > 0;
  selAktHorBtn_->setEnabled(metRecords);
  verwijderBtn_->setEnabled(metRecords && !tabel.AlleenLezen());
  selAktParBtn_->setEnabled(metRecords && natal.Geladen);

  // The grid on the active chart's record.
  const std::int32_t nr = isMoment ? (natal.EventGeladen ? natal.EventNr : GeenRecord) : natal.NatalNr;
  if (tabel.IsOpen() && nr >= 0) tabel.GaNaarBladwijzer(nr);
  ToonHuidige();
}

void TFQ5GebHorSelektie::ZetGridKolommen() {
  if (!ingesteld_) return;
  const TPelqTabel& tabel = Tabel();
  const int n = model_->columnCount();
  for (int veld = 0; veld < n; ++veld) {
    bool zichtbaar = false;
    for (const TKolom& k : Kolommen) zichtbaar = zichtbaar || k.veld == veld;
    grid_->setColumnHidden(veld, !zichtbaar);
    if (veld == VeldPlace) grid_->setColumnWidth(veld, PlaatsBreedte);
    // The narrow columns, but never narrower than their title.
    if (veld >= VeldDateY && veld <= VeldClockTime)
      grid_->setColumnWidth(veld, std::max(SmalleBreedte, grid_->horizontalHeader()->sectionSizeHint(veld)));
    steekwoordGrid_->setColumnHidden(veld, veld != VeldKeyWords);
    eigGrid_->setColumnHidden(veld, veld <= tabel.LaatsteVastVeld);
  }
}

void TFQ5GebHorSelektie::ToonHuidige() {
  if (!ingesteld_) return;
  const TPelqTabel& tabel = Tabel();
  const int rij = tabel.IsOpen() ? tabel.RecNr() : -1;
  volgt_ = true;
  for (QTableView* g : {grid_, steekwoordGrid_, eigGrid_}) {
    if (rij < 0 || rij >= g->model()->rowCount()) {
      g->selectionModel()->clear();
      continue;
    }
    const int kolom = g == grid_ ? VeldName : g == steekwoordGrid_ ? VeldKeyWords : tabel.LaatsteVastVeld + 1;
    const QModelIndex index = g->model()->index(rij, std::min(kolom, g->model()->columnCount() - 1));
    g->selectionModel()->setCurrentIndex(index,
                                         QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    g->scrollTo(index);
  }
  volgt_ = false;
  ToonInfo();
  ToonGekoppeldeNaam();
}

void TFQ5GebHorSelektie::ToonZijTab(int tab) {
  if (tab >= 0 && tab < AantalZijTabs) zijTabs_->setCurrentIndex(tab);
}

// ---------------------------------------------------------------------------------------------
// The comment box

void TFQ5GebHorSelektie::ToonInfo() {
  if (postInfo_) return;
  const TPelqTabel& tabel = Tabel();
  const TBladwijzer huidig = tabel.IsOpen() ? tabel.Bladwijzer() : GeenBladwijzer;
  if (infoMemo_->document()->isModified()) {
    if (huidig == infoRecord_) return;   // the user is typing in this record's comment
    PostInfo();
  }
  infoRecord_ = huidig;
  infoMemo_->setEnabled(huidig != GeenBladwijzer);
  infoMemo_->setReadOnly(tabel.AlleenLezen());
  const QString tekst =
      huidig != GeenBladwijzer ? QString::fromStdString(tabel.Waarde(VeldInfo).AlsTekst()) : QString();
  if (infoMemo_->toPlainText() != tekst) infoMemo_->setPlainText(tekst);
  infoMemo_->document()->setModified(false);
}

void TFQ5GebHorSelektie::PostInfo() {
  if (postInfo_ || !ingesteld_ || !infoMemo_->document()->isModified()) return;
  infoMemo_->document()->setModified(false);
  TPelqTabel& tabel = Tabel();
  if (!tabel.IsOpen() || infoRecord_ == GeenBladwijzer) return;
  postInfo_ = true;
  const TBladwijzer huidig = tabel.Bladwijzer();
  std::string fout;
  if (!tabel.GaNaarBladwijzer(infoRecord_)) {
    fout = Vertaal("InfoNietBewaard");   // the record left the view meanwhile
  } else if (!tabel.Wijzig() ||
             !tabel.ZetWaarde(VeldInfo, TVeldWaarde(infoMemo_->toPlainText().toStdString())) ||
             !tabel.Post()) {
    fout = tabel.LaatsteFout();
    tabel.Annuleer();
  }
  if (huidig != infoRecord_ && huidig != GeenBladwijzer) tabel.GaNaarBladwijzer(huidig);
  postInfo_ = false;
  if (!fout.empty()) Meldingen().Melding(Vertaal("Opgelet"), fout, "");
}

// ---------------------------------------------------------------------------------------------
// Events: which are shown, and the name of the natal horoscope of the current one

void TFQ5GebHorSelektie::ZetGebeurtenisFilter(int item) {
  if (modus_ != ModusGebeurtenis) return;
  TPelqTabel& tabel = Tabel();
  if (!tabel.IsOpen()) return;
  if (item == AktieveHor)
    tabel.ZetFilterTekst("OrvanNr=" + std::to_string(AktieveHoroskopen().Natal().NatalNr));
  else
    tabel.ZetFilterTekst("");
  tabel.ZetGefilterd(true);   // the selection flags still count
}

void TFQ5GebHorSelektie::GebeurtenisFilterRGrpClick(int item) {
  if (item < 0 || item > 1) return;
  if (filterGroep_->checkedId() != item) filterKnoppen_[item]->setChecked(true);
  ZetGebeurtenisFilter(item);
  Ververs();
}

void TFQ5GebHorSelektie::ToonGekoppeldeNaam() {
  if (modus_ != ModusGebeurtenis) return;
  const TPelqTabel& tabel = Tabel();
  if (tabel.Toestand() == TTabelToestand::Toevoegen) return;
  if (!tabel.IsOpen() || tabel.IsLeeg()) {
    naamLabel_->hide();
    return;
  }
  naamLabel_->show();
  const std::string naam = filterGroep_->checkedId() == AktieveHor
                               ? AktieveHoroskopen().Natal().Data.Name
                               : NatalNaam(dm_.Map(), tabel.Waarde(VeldOrvanNr).AlsInt());
  naamLabel_->setText(QString::fromStdString(naam));
}

// ---------------------------------------------------------------------------------------------
// Order and search

void TFQ5GebHorSelektie::IndexSelektorClick(int item) {
  if (item < 0 || item >= AantalOrdes || !ingesteld_) return;
  TPelqTabel& tabel = Tabel();
  if (!tabel.IsOpen()) return;
  const bool anders = item != orde_ || tabel.IndexNaam() != OrdeIndex[item];
  orde_ = item;
  if (!anders) return;
  PostInfo();
  tabel.ZetIndex(OrdeIndex[item]);
  if (item == OrdeVerjaardag) {
    // To the last birthday before today.
    const QDate vandaag = Vandaag ? Vandaag() : QDate::currentDate();
    const int heden = vandaag.month() * 100 + vandaag.day();
    tabel.Laatste();
    while (tabel.RecNr() > 0 &&
           tabel.Waarde(VeldDateM).AlsInt() * 100 + tabel.Waarde(VeldDateD).AlsInt() >= heden)
      tabel.Vorige();
  } else {
    tabel.Eerste();
  }
  ToonHuidige();
}

void TFQ5GebHorSelektie::Zoek(bool vanafBegin) {
  if (!ingesteld_) return;
  TPelqTabel& tabel = Tabel();
  if (!tabel.IsOpen() || tabel.IsLeeg()) return;
  PostInfo();
  const int veld = zoekOpGroep_->checkedId() == ZoekOpSteekwoord ? VeldKeyWords : VeldName;
  tabel.ZoekVolgende(tabel.Veld(veld).naam, zoekEdit_->text().toStdString(), vanafBegin);
  ToonHuidige();
}

void TFQ5GebHorSelektie::ZoekKnopClick() { Zoek(false); }
void TFQ5GebHorSelektie::ZoekEditChange() { Zoek(true); }

bool TFQ5GebHorSelektie::eventFilter(QObject* object, QEvent* event) {
  if (object == infoMemo_ && event->type() == QEvent::FocusOut) PostInfo();
  if (object == zoekEdit_ && event->type() == QEvent::KeyPress && ingesteld_ && Tabel().IsOpen()) {
    TPelqTabel& tabel = Tabel();
    switch (static_cast<QKeyEvent*>(event)->key()) {
      case Qt::Key_PageUp: tabel.VerplaatsMet(-PaginaStap); break;
      case Qt::Key_PageDown: tabel.VerplaatsMet(PaginaStap); break;
      case Qt::Key_Home: tabel.Eerste(); break;
      case Qt::Key_End: tabel.Laatste(); break;
      case Qt::Key_Up: tabel.Vorige(); break;
      case Qt::Key_Down: tabel.Volgende(); break;
      default: return QFrame::eventFilter(object, event);
    }
    ToonHuidige();
    return true;
  }
  return QFrame::eventFilter(object, event);
}

void TFQ5GebHorSelektie::resizeEvent(QResizeEvent* event) {
  QFrame::resizeEvent(event);
  zijTabs_->setFixedWidth(std::max(1, event->size().width() / 3));   // a third of the frame
}

}  // namespace orvan
