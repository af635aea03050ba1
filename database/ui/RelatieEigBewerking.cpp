#include "database/ui/RelatieEigBewerking.h"

#include <QHBoxLayout>
#include <algorithm>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include "database/Q4DataModuleUnit.h"
#include "database/RelatieLijst.h"
#include "database/Relatie.h"
#include "database/ui/NieuweRelatieDialoog.h"
#include "database/ui/RelatieLijstModel.h"
#include "horoscope/AktieveHoroskopen.h"
#include "shell/Interaktie.h"
#include "shell/LangUtils.h"

namespace orvan {

namespace {

QString Tekst(const char* sleutel) { return QString::fromStdString(Vertaal(sleutel)); }

constexpr int NaamBreedte = 200;  // the partner columns; the keywords column is as wide

// Loads natal record `nr` into `h`: the record is located first, so that a record that is no
// longer selected is never replaced by whichever record happens to be current.
bool LaadPartner(TOrvanHoroskoop& h, std::int32_t nr) {
  if (!h.ZoekGeboorte || !h.ZoekGeboorte(nr)) {
    if (h.ToonFouten) Meldingen().Melding("", FoutLadenHoroskoop, "");
    return false;
  }
  return h.LaadNatal();
}

}  // namespace

TFQ5RelatieEigBewerking::TFQ5RelatieEigBewerking(TQ4DataModule& dm, QWidget* parent)
    : QFrame(parent),
      dm_(dm),
      lijst_(std::make_unique<TRelatieLijst>()),
      model_(new TRelatieLijstModel(*lijst_, this)),
      titelLabel_(new QLabel),
      grid_(new QTableView),
      tabs_(new QTabWidget),
      eigTab_(new QWidget),
      eigGrid_(new QTableView),
      geenEigLabel_(new QLabel),
      nieuwBtn_(new QPushButton),
      verwijderBtn_(new QPushButton),
      selekteerBtn_(new QPushButton) {
  setObjectName("FQ5RelatieEigBewerking");
  titelLabel_->setObjectName("TitelLabel");
  grid_->setObjectName("RelatieDBGrid");
  tabs_->setObjectName("RelatiePageControl");
  eigTab_->setObjectName("EigenschappenSheet");
  eigGrid_->setObjectName("EigDBGrid");
  geenEigLabel_->setObjectName("GeenEigLabel");
  nieuwBtn_->setObjectName("NieuweRelBtn");
  verwijderBtn_->setObjectName("VerwijderRelBtn");
  selekteerBtn_->setObjectName("SelekteerBeideHorBtn");

  for (QTableView* g : {grid_, eigGrid_}) {
    g->setModel(model_);
    g->setSelectionBehavior(QAbstractItemView::SelectRows);
    g->setSelectionMode(QAbstractItemView::SingleSelection);
  }
  // A double click chooses both charts; keywords are edited by typing or a click on the chosen row.
  grid_->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed |
                         QAbstractItemView::SelectedClicked);
  eigGrid_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
  geenEigLabel_->setWordWrap(true);

  auto* eigLayout = new QVBoxLayout(eigTab_);
  eigLayout->addWidget(geenEigLabel_);
  eigLayout->addWidget(eigGrid_, 1);
  tabs_->addTab(eigTab_, QString());

  auto* knoppen = new QHBoxLayout;
  knoppen->addWidget(nieuwBtn_);
  knoppen->addWidget(verwijderBtn_);
  knoppen->addWidget(selekteerBtn_);
  knoppen->addStretch();
  auto* midden = new QHBoxLayout;
  midden->addWidget(grid_, 2);
  midden->addWidget(tabs_, 1);  // the side tabs take one third of the width
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(titelLabel_);
  layout->addLayout(midden, 1);
  layout->addLayout(knoppen);

  KiesPartners = [this](std::int64_t& a, std::int64_t& b) {
    return TNieuweRelatieDialoog::Kies(dm_, this, a, b);
  };
  connect(nieuwBtn_, &QPushButton::clicked, this, [this] { NieuweRelBtnClick(); });
  connect(verwijderBtn_, &QPushButton::clicked, this, [this] { VerwijderRelBtnClick(); });
  connect(selekteerBtn_, &QPushButton::clicked, this, [this] { SelekteerBeideHorBtnClick(); });
  connect(grid_, &QTableView::doubleClicked, this, [this] { SelekteerBeideHorBtnClick(); });
  for (QTableView* g : {grid_, eigGrid_})
    connect(g->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this, g](const QModelIndex& huidig) {
              if (huidig.isValid()) VolgRij(g, huidig.row());
            });
  connect(model_, &QAbstractItemModel::modelReset, this, [this] { ZetGridKolommen(); });
}

TFQ5RelatieEigBewerking::~TFQ5RelatieEigBewerking() = default;

void TFQ5RelatieEigBewerking::Ververs() {
  const int rij = HuidigeRij();
  Herlaad(rij >= 0 ? lijst_->InputNr(rij) : -1);

  nieuwBtn_->setText(Tekst("NieuweRel"));
  verwijderBtn_->setText(Tekst("VerwijderRel"));
  selekteerBtn_->setText(Tekst("SelekteerBeideVoorStudie"));
  tabs_->setTabText(tabs_->indexOf(eigTab_), Tekst("Eigenschappen"));
  geenEigLabel_->setText(Tekst("GeenRelatieEigenschappen"));
  model_->ZetTitel(RelLijstPartnerA, Tekst("Horoskoop") + QStringLiteral(" A"));
  model_->ZetTitel(RelLijstKeyWords, Tekst("SteekWoorden"));
  model_->ZetTitel(RelLijstPartnerB, Tekst("Horoskoop") + QStringLiteral(" B"));
}

void TFQ5RelatieEigBewerking::Herlaad(std::int64_t huidig) {
  std::string fout;
  model_->BeginHerladen();
  const bool ok = dm_.IsOpen() && lijst_->Lees(dm_.Map(), fout);
  if (!dm_.IsOpen()) lijst_->Wis();
  model_->EindHerladen();
  if (!ok && dm_.IsOpen()) Meldingen().Melding(Vertaal("Opgelet"), fout, "");

  titelLabel_->setText(Tekst("RelatiesTussenSelHor") + " (n=" + QString::number(lijst_->AantalRijen()) + ")");
  geenEigLabel_->setVisible(lijst_->AantalKolommen() > 0 && lijst_->AantalEigenschappen() == 0);
  const int rij = lijst_->RijVan(huidig);
  ZetHuidigeRij(rij >= 0 ? rij : 0);
  ZetKnoppen();
}

void TFQ5RelatieEigBewerking::ZetGridKolommen() {
  for (int k = 0; k < model_->columnCount(); ++k) {
    grid_->setColumnHidden(k, k != RelLijstPartnerA && k != RelLijstKeyWords && k != RelLijstPartnerB);
    eigGrid_->setColumnHidden(k, k < RelLijstEersteEigenschap);
  }
  if (model_->columnCount() <= RelLijstKeyWords) return;
  // Partner A, the keywords, partner B from left to right.
  QHeaderView* kop = grid_->horizontalHeader();
  if (kop->visualIndex(RelLijstKeyWords) > kop->visualIndex(RelLijstPartnerB))
    kop->moveSection(kop->visualIndex(RelLijstKeyWords), kop->visualIndex(RelLijstPartnerB));
  grid_->setColumnWidth(RelLijstPartnerA, NaamBreedte);
  grid_->setColumnWidth(RelLijstPartnerB, NaamBreedte);
  grid_->setColumnWidth(RelLijstKeyWords, grid_->columnWidth(RelLijstPartnerA));
}

void TFQ5RelatieEigBewerking::ZetKnoppen() {
  const bool metRijen = lijst_->AantalRijen() > 0;
  verwijderBtn_->setEnabled(metRijen);
  selekteerBtn_->setEnabled(metRijen);
  nieuwBtn_->setEnabled(dm_.GebTabel.IsOpen() && dm_.GebTabel.AantalRecords() > 1);
}

int TFQ5RelatieEigBewerking::HuidigeRij() const {
  const QModelIndex i = grid_->selectionModel()->currentIndex();
  return i.isValid() && i.row() < lijst_->AantalRijen() ? i.row() : -1;
}

void TFQ5RelatieEigBewerking::ZetHuidigeRij(int rij) {
  if (rij < 0 || rij >= lijst_->AantalRijen()) {
    grid_->selectionModel()->clear();
    eigGrid_->selectionModel()->clear();
    return;
  }
  const QModelIndex index = model_->index(rij, RelLijstPartnerA);
  grid_->selectionModel()->setCurrentIndex(index,
                                           QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  grid_->scrollTo(index);
}

void TFQ5RelatieEigBewerking::VolgRij(QTableView* van, int rij) {
  if (volgt_) return;
  volgt_ = true;
  QTableView* ander = van == grid_ ? eigGrid_ : grid_;
  const QModelIndex oud = ander->selectionModel()->currentIndex();
  if (!oud.isValid() || oud.row() != rij) {
    int kolom = oud.isValid() ? oud.column() : -1;
    if (kolom < 0) kolom = ander == grid_ ? RelLijstPartnerA : RelLijstEersteEigenschap;
    const QModelIndex index = model_->index(rij, std::min(kolom, model_->columnCount() - 1));
    ander->selectionModel()->setCurrentIndex(index,
                                             QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    ander->scrollTo(index);
  }
  volgt_ = false;
}

void TFQ5RelatieEigBewerking::ZoekAktieveRelatie() {
  const TAktieveHoroskopen& akt = AktieveHoroskopen();
  if (!akt.Natal().Geladen || !akt.Partner().Geladen) return;
  for (int r = 0; r < lijst_->AantalRijen(); ++r)
    if (lijst_->Waarde(r, RelLijstPartnerANr).AlsInt() == akt.Natal().NatalNr &&
        lijst_->Waarde(r, RelLijstPartnerBNr).AlsInt() == akt.Partner().NatalNr) {
      ZetHuidigeRij(r);
      return;
    }
}

void TFQ5RelatieEigBewerking::ToonSteekwoorden() {
  const int rij = HuidigeRij();
  if (rij >= 0)
    grid_->selectionModel()->setCurrentIndex(model_->index(rij, RelLijstKeyWords),
                                             QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  grid_->setFocus();
}

void TFQ5RelatieEigBewerking::ToonEigenschappen() {
  tabs_->setCurrentWidget(eigTab_);
  eigGrid_->setFocus();
}

void TFQ5RelatieEigBewerking::NieuweRelBtnClick() {
  if (!KiesPartners) return;
  std::int64_t a = -1;
  std::int64_t b = -1;
  if (!KiesPartners(a, b)) return;
  const std::string opgelet = Vertaal("Opgelet");
  if (a == b) {
    Meldingen().Melding(opgelet, Vertaal("UMoet2VerschHorSel"), "");
    return;
  }
  if (dm_.RelatTabel.ZoekRelatie(a, b)) {
    Meldingen().Melding(opgelet, Vertaal("DezeRelBestaatAl"), "");
    return;
  }
  dm_.RelatTabel.FilterGewijzigd = true;
  std::int64_t nieuw = -1;
  std::string fout;
  model_->BeginHerladen();
  const TNieuweRelatie uitkomst = lijst_->VoegToe(a, b, "", nieuw, fout);
  model_->EindHerladen();
  switch (uitkomst) {
    case TNieuweRelatie::Toegevoegd:
      break;
    // Stored by another program meanwhile.
    case TNieuweRelatie::ZelfdeHoroskoop:
      Meldingen().Melding(opgelet, Vertaal("UMoet2VerschHorSel"), "");
      break;
    case TNieuweRelatie::BestaatAl:
      Meldingen().Melding(opgelet, Vertaal("DezeRelBestaatAl"), "");
      break;
    case TNieuweRelatie::OnbekendeHoroskoop:
    case TNieuweRelatie::Fout:
      Meldingen().Melding(opgelet, std::string(FoutBewarenRelatie) + (fout.empty() ? "" : ": " + fout), "");
      break;
  }
  dm_.RelatTabel.Ververs();  // the table's view reads the file again
  Herlaad(nieuw);
}

void TFQ5RelatieEigBewerking::VerwijderRelBtnClick() {
  const int rij = HuidigeRij();
  if (rij < 0) return;
  if (Meldingen().Vraag(Vertaal("Opgelet"), Vertaal("BentUZekerVerwHor"), "Horoskoopdatabanken") !=
      TAntwoord::Ja)
    return;
  std::string fout;
  if (!model_->VerwijderRij(rij, fout)) Meldingen().Melding(Vertaal("Opgelet"), fout, "");
  dm_.RelatTabel.Ververs();
  // The row that took its place becomes current.
  const int n = lijst_->AantalRijen();
  Herlaad(n > 0 ? lijst_->InputNr(std::min(rij, n - 1)) : -1);
}

void TFQ5RelatieEigBewerking::SelekteerBeideHorBtnClick() {
  const int rij = HuidigeRij();
  if (rij < 0) return;
  const auto a = static_cast<std::int32_t>(lijst_->Waarde(rij, RelLijstPartnerANr).AlsInt());
  const auto b = static_cast<std::int32_t>(lijst_->Waarde(rij, RelLijstPartnerBNr).AlsInt());
  TAktieveHoroskopen& akt = AktieveHoroskopen();
  if (!akt.AfsluitenAkt(AfsluitenNatal) || !akt.AfsluitenAkt(AfsluitenPartner)) return;
  TOrvanHoroskoop& natal = akt.Natal();
  TOrvanHoroskoop& partner = akt.Partner();
  if (!LaadPartner(natal, a) || !LaadPartner(partner, b)) return;
  const bool natalBerekend = natal.BerekenAlles();
  const bool partnerBerekend = partner.BerekenAlles();
  if (!natalBerekend || !partnerBerekend) {
    Meldingen().Melding("", FoutBerekenHoroskoop, "");
    return;
  }
  if (BeideGekozen) BeideGekozen();
}

}  // namespace orvan
