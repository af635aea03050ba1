#include "database/ui/GebHorSelektie.h"

#include <QButtonGroup>
#include <QDate>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>

#include "database/HorVelden.h"
#include "database/Q4DataModuleUnit.h"
#include "database/ui/HorTabelModel.h"
#include "graphics/RTFRapport.h"
#include "horoscope/AktieveHoroskopen.h"
#include "horoscope/ZetPeriode.h"
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

}  // namespace

TFQ5GebHorSelektie::TFQ5GebHorSelektie(TQ4DataModule& dm, QWidget* parent)
    : QFrame(parent),
      dm_(dm),
      model_(new THorTabelModel(dm.GebTabel, this)),
      grid_(new QTableView),
      titelLabel_(new QLabel),
      indexGroep_(new QButtonGroup(this)),
      zoekOpGroep_(new QButtonGroup(this)),
      zoekLabel_(new QLabel),
      zoekEdit_(new QLineEdit),
      zoekKnop_(new QPushButton),
      selAktHorBtn_(new QPushButton),
      indexBox_(new QGroupBox),
      zoekBox_(new QGroupBox) {
  setObjectName("FQ5GebHorSelektie");
  grid_->setObjectName("HorDBGrid");
  zoekEdit_->setObjectName("ZoekEdit");
  zoekKnop_->setObjectName("ZoekKnop");
  selAktHorBtn_->setObjectName("SelAktHorBtn");
  titelLabel_->setObjectName("TitelLabel");

  grid_->setModel(model_);
  grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid_->setSelectionMode(QAbstractItemView::SingleSelection);
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);

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

  auto* zijkant = new QVBoxLayout;
  zijkant->addWidget(indexBox_);
  zijkant->addWidget(zoekBox_);
  zijkant->addWidget(selAktHorBtn_);
  zijkant->addStretch();
  auto* midden = new QHBoxLayout;
  midden->addWidget(grid_, 1);
  midden->addLayout(zijkant);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(titelLabel_);
  layout->addLayout(midden, 1);

  zoekEdit_->installEventFilter(this);
  connect(indexGroep_, &QButtonGroup::idClicked, this, [this](int id) { IndexSelektorClick(id); });
  connect(zoekKnop_, &QPushButton::clicked, this, [this] { ZoekKnopClick(); });
  connect(zoekEdit_, &QLineEdit::textEdited, this, [this] { ZoekEditChange(); });
  connect(selAktHorBtn_, &QPushButton::clicked, this, [this] { SelAktHorBtnClick(); });
  connect(grid_, &QTableView::doubleClicked, this, [this] { SelAktHorBtnClick(); });
  connect(model_, &THorTabelModel::HuidigeVerplaatst, this, [this] { ToonHuidige(); });
  connect(model_, &QAbstractItemModel::modelReset, this, [this] {
    ZetGridKolommen();
    ToonHuidige();
  });
  connect(grid_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& huidig) {
            if (!volgt_ && huidig.isValid()) dm_.GebTabel.GaNaar(huidig.row());
          });
}

TFQ5GebHorSelektie::~TFQ5GebHorSelektie() = default;

void TFQ5GebHorSelektie::Toon(int modus, bool /*partnerModus*/) {
  if (modus != 0) return;   // the event mode comes with the event page
  if (!ingesteld_) {
    ingesteld_ = true;
    dm_.GebTabel.Eerste();
    orde_ = -1;
    indexKnoppen_[OrdeNaam]->setChecked(true);
  }
  Ververs(isVisible());
}

void TFQ5GebHorSelektie::Ververs() { Ververs(isVisible()); }

void TFQ5GebHorSelektie::Ververs(bool focus) {
  TPelqTabel& tabel = dm_.GebTabel;
  // Captions.
  indexBox_->setTitle(Tekst("Index"));
  for (int i = 0; i < AantalOrdes; ++i) indexKnoppen_[i]->setText(Tekst(OrdeSleutel[i]));
  zoekBox_->setTitle(Tekst("ZoekOp"));
  zoekOpKnoppen_[ZoekOpNaam]->setText(Tekst("Naam"));
  zoekOpKnoppen_[ZoekOpSteekwoord]->setText(Tekst("SteekWoord"));
  zoekLabel_->setText(Tekst("ZoekNaar"));
  zoekKnop_->setText(Tekst("ZoekVolgende"));
  selAktHorBtn_->setText(Tekst("SelekteerAlsAktHor"));
  for (const TKolom& k : Kolommen) model_->ZetTitel(k.veld, Tekst(k.sleutel));

  // The order again (a database change may have reset it); the search text cleared.
  if (indexGroep_->checkedId() < 0) indexKnoppen_[OrdeNaam]->setChecked(true);
  orde_ = -1;
  IndexSelektorClick(indexGroep_->checkedId());
  zoekEdit_->clear();
  if (focus) zoekEdit_->setFocus();

  if (tabel.IsOpen() && tabel.AlleenLezen())
    Meldingen().Melding(Vertaal("Opgelet"), "Error 7809", "");
  tabel.InvoegenGeblokkeerd = true;
  ZetGridKolommen();
  titelLabel_->setText(Tekst("Geboortegegevens") + " (n=" +
                       QString::number(tabel.IsOpen() ? tabel.AantalRecords() : 0) + ")");
  selAktHorBtn_->setEnabled(tabel.IsOpen() && !tabel.IsLeeg());

  // The grid on the active natal chart's record.
  const std::int32_t nr = AktieveHoroskopen().Natal().NatalNr;
  if (tabel.IsOpen() && nr >= 0) tabel.GaNaarBladwijzer(nr);
  ToonHuidige();
}

void TFQ5GebHorSelektie::ZetGridKolommen() {
  const int n = model_->columnCount();
  for (int veld = 0; veld < n; ++veld) {
    bool zichtbaar = false;
    for (const TKolom& k : Kolommen) zichtbaar = zichtbaar || k.veld == veld;
    grid_->setColumnHidden(veld, !zichtbaar);
    if (veld == VeldPlace) grid_->setColumnWidth(veld, PlaatsBreedte);
    if (veld >= VeldDateY && veld <= VeldClockTime) grid_->setColumnWidth(veld, SmalleBreedte);
  }
}

void TFQ5GebHorSelektie::ToonHuidige() {
  const int rij = dm_.GebTabel.IsOpen() ? dm_.GebTabel.RecNr() : -1;
  volgt_ = true;
  if (rij < 0) {
    grid_->selectionModel()->clear();
  } else {
    const QModelIndex index = model_->index(rij, VeldName);
    grid_->selectionModel()->setCurrentIndex(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    grid_->scrollTo(index);
  }
  volgt_ = false;
}

void TFQ5GebHorSelektie::IndexSelektorClick(int item) {
  if (item < 0 || item >= AantalOrdes) return;
  TPelqTabel& tabel = dm_.GebTabel;
  if (!tabel.IsOpen()) return;
  const bool anders = item != orde_ || tabel.IndexNaam() != OrdeIndex[item];
  orde_ = item;
  if (!anders) return;
  tabel.ZetIndex(OrdeIndex[item]);
  if (item == OrdeVerjaardag) {
    // To the last birthday before today.
    const QDate vandaag = QDate::currentDate();
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
  TPelqTabel& tabel = dm_.GebTabel;
  if (!tabel.IsOpen() || tabel.IsLeeg()) return;
  const int veld = zoekOpGroep_->checkedId() == ZoekOpSteekwoord ? VeldKeyWords : VeldName;
  tabel.ZoekVolgende(tabel.Veld(veld).naam, zoekEdit_->text().toStdString(), vanafBegin);
  ToonHuidige();
}

void TFQ5GebHorSelektie::ZoekKnopClick() { Zoek(false); }
void TFQ5GebHorSelektie::ZoekEditChange() { Zoek(true); }

bool TFQ5GebHorSelektie::eventFilter(QObject* object, QEvent* event) {
  if (object == zoekEdit_ && event->type() == QEvent::KeyPress && dm_.GebTabel.IsOpen()) {
    TPelqTabel& tabel = dm_.GebTabel;
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

void TFQ5GebHorSelektie::SelAktHorBtnClick() {
  TPelqTabel& tabel = dm_.GebTabel;
  if (!tabel.IsOpen() || tabel.RecNr() < 0) return;
  TAktieveHoroskopen& akt = AktieveHoroskopen();
  if (!akt.AfsluitenAkt(AfsluitenNatal)) return;
  TOrvanHoroskoop& natal = akt.Natal();
  if (!natal.LaadNatal()) return;
  // Activating: the running report may be emptied first.
  if (RapportBestaat()) {
    const TAntwoord a =
        Meldingen().Vraag(Vertaal("Opgelet"), Vertaal("RapportLegenJaNee"), "UitvoerViaRapport");
    if (a == TAntwoord::Annuleer) return;
    if (a == TAntwoord::Ja) WisRapport(false);
  }
  if (!natal.BerekenAlles()) {
    Meldingen().Melding("", FoutBerekenHoroskoop, "");
    return;
  }
  const QDate vandaag = QDate::currentDate();
  ZetPeriode(natal,
             {static_cast<std::int16_t>(vandaag.day()), static_cast<std::int16_t>(vandaag.month()),
              static_cast<std::int16_t>(vandaag.year())},
             AktievePeriodeDagen);
  if (AktHorGekozen) AktHorGekozen();
}

}  // namespace orvan
