#include "horoscope/ui/Q4HorDataDialoog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QDate>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTime>
#include <QToolButton>
#include <algorithm>

#include "horoscope/Q4Konstell.h"
#include "horoscope/ui/Q4KonstellDlg.h"
#include "reports/AstroTermen.h"
#include "shell/Instellingen.h"
#include "shell/Interaktie.h"
#include "shell/LangUtils.h"
#include "shell/Utf8Tekst.h"
#include "time_place/StandaardPlaats.h"
#include "time_place/UurVerschil.h"
#include "time_place/ui/GeoKaartVenster.h"
#include "time_place/ui/PlaatsEnTijdEdits.h"
#include "time_place/ui/PlaatsLijstViewer.h"

namespace orvan {

namespace {

QString T(const char* sleutel) { return QString::fromStdString(Vertaal(sleutel)); }

// Object numbers of the returns that name an unnamed event.
constexpr int Zon = 1;
constexpr int Maan = 2;
constexpr int Ram = 26;   // the sign beginning at 0 degrees Aries, longitude 0

// Indexes of the two-way choices.
constexpr int KalenderGregoriaans = 0;
constexpr int KalenderJuliaans = 1;
constexpr int TijdKlok = 0;
constexpr int TijdUT = 1;

QGroupBox* Keuze(QWidget* ouder, const char* naam, QButtonGroup*& groep, QRadioButton** knoppen,
                 int aantal) {
  auto* vak = new QGroupBox(ouder);
  vak->setObjectName(naam);
  auto* layout = new QHBoxLayout(vak);
  groep = new QButtonGroup(vak);
  for (int i = 0; i < aantal; ++i) {
    knoppen[i] = new QRadioButton(vak);
    knoppen[i]->setObjectName(QStringLiteral("%1%2").arg(QLatin1String(naam)).arg(i));
    groep->addButton(knoppen[i], i);
    layout->addWidget(knoppen[i]);
  }
  knoppen[0]->setChecked(true);
  return vak;
}

}  // namespace

TQ4HorDataDialoogForm::TQ4HorDataDialoogForm(TOrvanHoroskoop& horoskoop, int modus,
                                             QWidget* parent)
    : TBasisDialoogForm(parent), horoskoop_(horoskoop), modus_(modus) {
  setObjectName("Q4HorDataDialoogForm");
  ZetHelpContext(HelpHorDataDialoog);
  QWidget* w = Inhoud();

  // Created in tab order.
  naamLabel_ = new QLabel(w);
  naamEdit_ = new QLineEdit(w);
  naamEdit_->setObjectName("NaamEdit");
  naamEdit_->setMaxLength(static_cast<int>(HorNaamLengte));
  sexKeuze_ = Keuze(w, "SexKeuze", sexGroep_, sexKnoppen_, 4);
  sexKnoppen_[SexOnbekend]->setChecked(true);
  datumLabel_ = new QLabel(w);
  datumEdit_ = new TDatumEdit(Instellingen.Datuminvoermode, w);
  datumEdit_->setObjectName("DatumEdit");
  tijdLabel_ = new QLabel(w);
  tijdEdit_ = new TUurEdit(0, w);
  tijdEdit_->setObjectName("TijdEdit");
  kalenderKeuze_ = Keuze(w, "KalenderKeuze", kalenderGroep_, kalenderKnoppen_, 2);
  tijdSoortKeuze_ = Keuze(w, "TijdSoortKeuze", tijdSoortGroep_, tijdSoortKnoppen_, 2);
  plaatsLabel_ = new QLabel(w);
  plaatsViewer_ = new TPlaatsLijstViewer(w);
  plaatsViewer_->setObjectName("PlaatsViewer");
  omhoogBtn_ = new QToolButton(w);
  omhoogBtn_->setObjectName("OmhoogBtn");
  omhoogBtn_->setArrowType(Qt::UpArrow);
  omlaagBtn_ = new QToolButton(w);
  omlaagBtn_->setObjectName("OmlaagBtn");
  omlaagBtn_->setArrowType(Qt::DownArrow);
  precisieLabel_ = new QLabel(w);
  precisieEdit_ = new TUurEdit(0, w);
  precisieEdit_->setObjectName("PrecisieEdit");
  konstellatieBtn_ = new QPushButton(w);
  konstellatieBtn_->setObjectName("KonstellatieBtn");
  konstellatieBtn_->setAutoDefault(false);
  bewaarBox_ = new QCheckBox(w);
  bewaarBox_->setObjectName("BewaarBox");
  bewaarBox_->setChecked(true);
  kaartBtn_ = new QPushButton(w);
  kaartBtn_->setObjectName("KaartBtn");
  kaartBtn_->setAutoDefault(false);
  klembordBtn_ = new QPushButton(w);
  klembordBtn_->setObjectName("KlembordBtn");
  klembordBtn_->setAutoDefault(false);

  naamLabel_->setBuddy(naamEdit_);
  datumLabel_->setBuddy(datumEdit_);
  tijdLabel_->setBuddy(tijdEdit_);
  plaatsLabel_->setBuddy(plaatsViewer_);
  precisieLabel_->setBuddy(precisieEdit_);

  auto* rooster = new QGridLayout(w);
  rooster->setContentsMargins(0, 0, 0, 0);
  int r = 0;
  rooster->addWidget(naamLabel_, r, 0);
  rooster->addWidget(naamEdit_, r++, 1, 1, 2);
  rooster->addWidget(sexKeuze_, r++, 0, 1, 3);
  rooster->addWidget(datumLabel_, r, 0);
  rooster->addWidget(datumEdit_, r++, 1, 1, 2);
  rooster->addWidget(tijdLabel_, r, 0);
  rooster->addWidget(tijdEdit_, r++, 1, 1, 2);
  auto* keuzes = new QHBoxLayout;
  keuzes->addWidget(kalenderKeuze_);
  keuzes->addWidget(tijdSoortKeuze_);
  rooster->addLayout(keuzes, r++, 0, 1, 3);
  rooster->addWidget(plaatsLabel_, r++, 0, 1, 3);
  auto* pijlen = new QVBoxLayout;
  pijlen->setSpacing(0);
  pijlen->addWidget(omhoogBtn_);
  pijlen->addWidget(omlaagBtn_);
  rooster->addWidget(plaatsViewer_, r, 0, 1, 2);
  rooster->addLayout(pijlen, r++, 2);
  rooster->addWidget(precisieLabel_, r, 0);
  rooster->addWidget(precisieEdit_, r++, 1, 1, 2);
  auto* knoppen = new QGridLayout;
  knoppen->addWidget(konstellatieBtn_, 0, 0);
  knoppen->addWidget(bewaarBox_, 0, 1);
  knoppen->addWidget(kaartBtn_, 1, 0);
  knoppen->addWidget(klembordBtn_, 1, 1);
  rooster->addLayout(knoppen, r++, 0, 1, 3);
  rooster->setColumnStretch(1, 1);

  QWidget* volgorde[] = {naamEdit_,        sexKnoppen_[0],       sexKnoppen_[1],
                         sexKnoppen_[2],   sexKnoppen_[3],       datumEdit_,
                         tijdEdit_,        kalenderKnoppen_[0],  kalenderKnoppen_[1],
                         tijdSoortKnoppen_[0], tijdSoortKnoppen_[1], plaatsViewer_,
                         omhoogBtn_,       omlaagBtn_,           precisieEdit_,
                         konstellatieBtn_, bewaarBox_,           kaartBtn_,
                         klembordBtn_};
  for (std::size_t i = 1; i < std::size(volgorde); ++i) setTabOrder(volgorde[i - 1], volgorde[i]);

  // Sex is asked for persons only.
  sexKeuze_->setVisible(modus_ == HorDataNatal);
  // An event can only be saved under a stored natal chart.
  if (modus_ == HorDataEvent && horoskoop_.NatalNr < 0) {
    bewaarBox_->setChecked(false);
    bewaarBox_->setEnabled(false);
  }

  // Every change of the moment or the place asks for the difference to Greenwich time again.
  auto wijziging = [this] {
    if (!inLabels_) gewijzigd_ = true;
  };
  connect(datumEdit_, &QLineEdit::textChanged, this, wijziging);
  connect(tijdEdit_, &QLineEdit::textChanged, this, wijziging);
  connect(kalenderGroep_, &QButtonGroup::idToggled, this, wijziging);
  connect(tijdSoortGroep_, &QButtonGroup::idToggled, this, wijziging);
  connect(plaatsViewer_, &TPlaatsLijstViewer::PlaatsGewijzigd, this,
          &TQ4HorDataDialoogForm::PlaatsGewijzigd);
  plaatsViewer_->OnBewarenBezig = [this](double procent) { BewarenBezig(procent); };

  connect(omhoogBtn_, &QToolButton::clicked, this, [this] {
    plaatsViewer_->Omhoog();
    plaatsViewer_->setFocus();
  });
  connect(omlaagBtn_, &QToolButton::clicked, this, [this] {
    plaatsViewer_->Omlaag();
    plaatsViewer_->setFocus();
  });
  connect(konstellatieBtn_, &QPushButton::clicked, this,
          &TQ4HorDataDialoogForm::KonstellatieBtnClick);
  connect(klembordBtn_, &QPushButton::clicked, this, &TQ4HorDataDialoogForm::KlembordBtnClick);
  connect(kaartBtn_, &QPushButton::clicked, this, &TQ4HorDataDialoogForm::KaartBtnClick);
  auto* f2 = new QShortcut(QKeySequence(Qt::Key_F2), this);
  connect(f2, &QShortcut::activated, this, &TQ4HorDataDialoogForm::KaartBtnClick);

  Labels();
}

THorData& TQ4HorDataDialoogForm::Data() const {
  return modus_ == HorDataEvent ? horoskoop_.Transit().Data : horoskoop_.Data;
}

void TQ4HorDataDialoogForm::Labels() {
  TBasisDialoogForm::Labels();
  inLabels_ = true;
  setWindowTitle(T("HoroskoopGeg"));
  naamLabel_->setText(QStringLiteral("&") +
                      T(modus_ == HorDataEvent ? "Gebeurtenis" : "Naam") + QStringLiteral(":"));
  const int mode = Instellingen.Datuminvoermode;
  datumEdit_->ZetMode(mode);
  datumLabel_->setText(T("Datum1&") + QStringLiteral(" (") +
                       T(mode == DatumAmerikaans ? "DatumAmerika" : "DatumIntl") +
                       QStringLiteral("):"));
  sexKeuze_->setTitle(QStringLiteral("&") + T("Geslacht") + QStringLiteral(":"));
  for (int i = 0; i < 4; ++i) sexKnoppen_[i]->setText(T(GeslachtSleutel(i)));
  tijdLabel_->setText(T("Tijdstip") + QStringLiteral(" ") + T("HhMmSs") + QStringLiteral(":"));
  plaatsLabel_->setText(T("PlaatsInsCtrlDel") + QStringLiteral(":"));
  kalenderKeuze_->setTitle(T("Kalender") + QStringLiteral(":"));
  kalenderKnoppen_[KalenderGregoriaans]->setText(T("Gregoriaanse"));
  kalenderKnoppen_[KalenderJuliaans]->setText(T("Juliaanse"));
  tijdSoortKeuze_->setTitle(T("IsDit") + QStringLiteral("..."));
  tijdSoortKnoppen_[TijdKlok]->setText(T("NormaleKlokTijd"));
  tijdSoortKnoppen_[TijdUT]->setText(T("GMT"));
  precisieLabel_->setText(T("Precisie") + QStringLiteral(" ") + T("HhMmSs") + QStringLiteral(":"));
  konstellatieBtn_->setText(modus_ == HorDataEvent
                                ? T("ZoekKonstBijDat") + QStringLiteral(" ") + T("BVSolaar")
                                : T("ZoekKonstBijDat"));
  bewaarBox_->setText(T("BewaarGeg"));
  klembordBtn_->setText(T("InvoerUitACS"));
  kaartBtn_->setText(T("Kaart") + QStringLiteral(" (F2)"));
  datumEdit_->ZetFoutmelding(Vertaal("OngeldigeDatum"));
  tijdEdit_->ZetFoutmelding(Vertaal("OngeldigeTijd"));
  precisieEdit_->ZetFoutmelding(Vertaal("OngeldigePrec"));
  inLabels_ = false;
}

void TQ4HorDataDialoogForm::paintEvent(QPaintEvent* event) {
  // Setting a caption to the text it has already repaints nothing, so this does not loop.
  Labels();
  TBasisDialoogForm::paintEvent(event);
}

void TQ4HorDataDialoogForm::ToonPlaats(const PlaatsRec& p) {
  plaatsViewer_->ToonPlaats(p);
  // The record itself stays the place, also when the list has an entry of the same name with
  // other coordinates, until the user moves in the list.
  eigenPlaats_ = p;
}

void TQ4HorDataDialoogForm::PlaatsGewijzigd() {
  eigenPlaats_.reset();
  if (!inLabels_) gewijzigd_ = true;
}

PlaatsRec TQ4HorDataDialoogForm::HuidigePlaats() const {
  return eigenPlaats_ ? *eigenPlaats_ : plaatsViewer_->HuidigePlaats();
}

void TQ4HorDataDialoogForm::ToonGegevens(bool nieuw) {
  const THorData& d = Data();
  if (nieuw) {
    const QDate vandaag = QDate::currentDate();
    datumEdit_->ZetDatum({static_cast<std::int16_t>(vandaag.day()),
                          static_cast<std::int16_t>(vandaag.month()),
                          static_cast<std::int16_t>(vandaag.year())});
    const QTime nu = QTime::currentTime();
    tijdEdit_->ZetWaarde({static_cast<std::int16_t>(nu.hour()),
                          static_cast<std::int16_t>(nu.minute()),
                          static_cast<std::int16_t>(nu.second())});
    if (!Instellingen.StdPlaats.Naam.empty()) {
      ToonPlaats(Instellingen.StdPlaats);
    } else {
      // No standard place chosen yet: the capital of the system's country in the list.
      plaatsViewer_->ZoekOp(QString::fromStdString(StandaardPlaatsNaam()));
      eigenPlaats_.reset();
    }
  } else {
    datumEdit_->ZetDatum(d.Datum);
    tijdEdit_->ZetWaarde(d.Tijd);
    ToonPlaats(d.Plaats);
  }
  naamEdit_->setText(QString::fromStdString(d.Name));
  tijdSoortKnoppen_[d.ClockTime ? TijdKlok : TijdUT]->setChecked(true);
  sexKnoppen_[d.Sex <= SexNeutraal ? d.Sex : SexOnbekend]->setChecked(true);
  kalenderKnoppen_[d.GregKal ? KalenderGregoriaans : KalenderJuliaans]->setChecked(true);
  precisieEdit_->ZetWaarde(d.Precisie);
  verschil_ = d.Verschil;
  // A chart whose difference was never determined looks it up on OK even without changes.
  gewijzigd_ = d.Verschil.Uren == GeenVerschilUren;
}

bool TQ4HorDataDialoogForm::NeemGegevensOver() {
  const PlaatsRec plaats = HuidigePlaats();
  const bool universeel = tijdSoortGroep_->checkedId() == TijdUT;
  TTijdRec verschil = verschil_;
  if (universeel) {
    verschil = TTijdRec{0, 0, 0};
  } else if (gewijzigd_) {
    if (!BepaalVerschilGMT(plaats.Zone, datumEdit_->Datum(), tijdEdit_->Waarde(), plaats.Lengte,
                           verschil))
      return false;   // cancelled: the data keep their difference
  }
  THorData& d = Data();
  d.Verschil = verschil;
  d.Name = KnipTekens(naamEdit_->text().toStdString(), HorNaamLengte);
  d.Sex = static_cast<std::uint8_t>(std::max(0, sexGroep_->checkedId()));
  d.GregKal = kalenderGroep_->checkedId() != KalenderJuliaans;
  d.Precisie = precisieEdit_->Waarde();
  d.ClockTime = !universeel;
  d.Plaats = plaats;
  d.Datum = datumEdit_->Datum();
  d.Tijd = tijdEdit_->Waarde();
  verschil_ = verschil;
  gewijzigd_ = false;   // the controls and the data agree now
  return true;
}

bool TQ4HorDataDialoogForm::MagSluiten() { return ControleerAlles(Inhoud()); }

void TQ4HorDataDialoogForm::KonstellatieBtnClick() {
  // The search starts from the moment shown; invalid entries keep their message and focus, and a
  // cancelled difference dialog leaves everything as it is.
  if (!ControleerAlles(Inhoud()) || !NeemGegevensOver()) return;
  const bool natalModus = modus_ == HorDataNatal;
  if (!KiesKonstellatie(natalModus, this)) return;
  const TKonstellKeuze keuze = KonstellKeuze();
  if (natalModus) {
    ZoekKonstellatie(horoskoop_, keuze.Object1, keuze.Object2, keuze.Hoek);
  } else {
    // The transiting object against the natal position: a fixed longitude.
    if (!horoskoop_.Berekend && !horoskoop_.Bereken()) {
      Meldingen().Melding("", FoutBerekenHoroskoop, "");
      return;
    }
    const double doel = horoskoop_.Lengte(keuze.Object2) + keuze.Hoek;
    ZoekKonstellatie(horoskoop_.Transit(), keuze.Object1, Ram, doel);
    THorData& d = Data();
    if (d.Name.empty()) {
      const char* soort = nullptr;
      if (keuze.Object1 == Zon && keuze.Object2 == Zon) soort = "Solaar";
      if (keuze.Object1 == Maan && keuze.Object2 == Maan) soort = "Lunaar";
      if (soort) d.Name = KnipTekens(Vertaal(soort) + " " + horoskoop_.Naam(), HorNaamLengte);
    }
    // A return is a new moment, not the event that was loaded.
    bewaarBox_->setChecked(false);
  }
  gezocht_ = true;
  ToonGegevens(false);
}

void TQ4HorDataDialoogForm::KlembordBtnClick() {
  const QClipboard* klembord = QGuiApplication::clipboard();
  const QString tekst = klembord ? klembord->text() : QString();
  TKlembordGegevens g;
  if (tekst.isEmpty() || !LeesKlembordGegevens(tekst.toStdString(), g)) {
    Meldingen().Melding(Vertaal("Opgelet"), Vertaal("GeenGegACSOpKlembord"), "");
    return;
  }
  PlaatsRec p;
  p.Naam = KnipTekens(g.plaats, PlaatsNaamMax);
  p.Breedte = g.breedte;
  p.Lengte = g.lengte;
  ToonPlaats(p);   // no zone: the difference comes with the data
  verschil_ = g.verschil;
  datumEdit_->ZetDatum(g.datum);
  tijdEdit_->ZetWaarde(g.tijd);
  tijdSoortKnoppen_[TijdKlok]->setChecked(true);
  // The pasted difference is kept on OK instead of being looked up.
  gewijzigd_ = false;
}

void TQ4HorDataDialoogForm::KaartBtnClick() {
  const PlaatsRec p = HuidigePlaats();
  ToonAtlas(&p, this);
}

void TQ4HorDataDialoogForm::BewarenBezig(double procent) {
  TVoortgang& v = Voortgang();
  if (procent < 0) {
    v.Toon(Vertaal("PlaatsAanHetInvoegen") + "...", false);
    v.Zet(0);
    return;
  }
  v.Zet(static_cast<int>(std::min(procent, 100.0)));
  // The browser reports 100 when the place is in the list (or the insertion failed).
  if (procent >= 100) v.Verberg();
}

bool WijzigGegevens(TOrvanHoroskoop& horoskoop, int modus, bool nieuw, QWidget* ouder) {
  THoroskoop& kaart =
      modus == HorDataEvent ? static_cast<THoroskoop&>(horoskoop.Transit()) : horoskoop;
  TQ4HorDataDialoogForm dlg(horoskoop, modus, ouder);
  if (nieuw) kaart.Wis();
  dlg.ToonGegevens(nieuw);

  const THorData oud = kaart.Data;
  const bool wasBerekend = kaart.Berekend;
  bool ok = false;
  while (dlg.exec() == QDialog::Accepted) {
    if (dlg.NeemGegevensOver()) {
      ok = true;
      break;
    }
  }
  if (!ok) {
    // Cancel leaves the data as they were, also after a search that took them over.
    kaart.Data = oud;
    if (dlg.Gezocht() && wasBerekend) kaart.Bereken();
    return false;
  }

  // The calculated positions belong to the old data.
  kaart.Berekend = false;
  if (horoskoop.SekProgHoroskoop) horoskoop.SekProgHoroskoop->Berekend = false;
  if (horoskoop.PrimDirHoroskoop) horoskoop.PrimDirHoroskoop->Berekend = false;
  kaart.Geladen = true;
  if (modus == HorDataEvent) {
    horoskoop.EventGewijzigd = true;
    horoskoop.EventGeladen = true;
  } else {
    horoskoop.NatalGewijzigd = true;
  }
  if (dlg.BewaarBox()->isChecked() && dlg.BewaarBox()->isEnabled()) {
    if (modus == HorDataEvent)
      horoskoop.BewaarEvent();
    else
      horoskoop.BewaarNatal();
  }
  return true;
}

}  // namespace orvan
