#include "shell/ui/Q5Hoofd.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QTabWidget>
#include <QTimer>
#include <QUrl>

#include "graphics/RTFRapport.h"
#include "graphics/ui/ToonRapport.h"
#include "horoscope/AktieveHoroskopen.h"
#include "shell/Aspekten.h"
#include "shell/LangUtils.h"
#include "shell/ui/FQ5_Hornavigatie.h"
#include "shell/ui/Help.h"
#include "shell/ui/HelpVenster.h"
#include "shell/ui/Q4About.h"
#include "time_place/ui/GeoInfo.h"

namespace orvan {

namespace {

inline constexpr const char* ProductVersie = "Orvan 5.0.15";
inline constexpr const char* TaalMenuTitel = "taal/language/langue/Sprache";
const char* const TaalNamen[4] = {"Nederlands", "English", "Fran\xC3\xA7" "ais", "Deutsch"};

QString T(const char* sleutel) { return QString::fromStdString(Vertaal(sleutel)); }

}  // namespace

TQ5HoofdForm::TQ5HoofdForm(QWidget* parent)
    : QMainWindow(parent),
      pages_(new QTabWidget(this)),
      navigatie_(new TFQ5HorNavigatie),
      timer_(new QTimer(this)) {
  setObjectName("Q5HoofdForm");
  pages_->setObjectName("HoofdPageControl");
  timer_->setObjectName("Timer1");
  setCentralWidget(pages_);

  // The pages; the table pages hold the frames of the horoscope database.
  static const char* const paginaNamen[AantalPaginas] = {
      "DBInfoSheet", "GebHorSelSheet", "GebeurtenissenSheet", "RelatEigSheet", "HorStudieSheet"};
  for (int i = 0; i < HorStudieSheet; ++i) {
    auto* pagina = new QFrame;
    pagina->setObjectName(paginaNamen[i]);
    pages_->addTab(pagina, QString());
  }
  navigatie_->setObjectName(paginaNamen[HorStudieSheet]);
  pages_->addTab(navigatie_, QString());
  navigatie_->NaarSelektie = [this](TFQ5HorNavigatie::TSelektie s) {
    NaarSelektie(s == TFQ5HorNavigatie::TSelektie::Moment ? GebeurtenissenSheet : GebHorSelSheet);
  };
  connect(pages_, &QTabWidget::currentChanged, this, [this] { PaginaWissel(); });

  // The menu.
  QMenuBar* balk = menuBar();
  balk->setObjectName("MainMenu1");
  rapportMenu_ = MaakMenu(nullptr, "Rapport1", TaalSleutel("Rapport"));
  toonRapportActie_ = MaakActie(rapportMenu_, "ToonInTekstverw1", TaalSleutel("ToonInTekstverw"), true);
  toonRapportActie_->setShortcut(Qt::Key_F2);
  connect(toonRapportActie_, &QAction::triggered, this, [] { ToonRapport(); });
  rapportLeegActie_ = MaakActie(rapportMenu_, "RapportLeegm1", TaalSleutel("RapportLeegm"), true);
  connect(rapportLeegActie_, &QAction::triggered, this, &TQ5HoofdForm::RapportLeegmClick);

  voorkeurenActie_ = MaakActie(nullptr, "Voorkeuren1", TaalSleutel("Voorkeuren"), false);

  extraMenu_ = MaakMenu(nullptr, "Extra1", TaalSleutel("Extra"));
  intBestandMenu_ = MaakMenu(extraMenu_, "BewerkIntBestand1", TaalSleutel("BewerkIntBestand"));
  MaakActie(intBestandMenu_, "Geboorte1", TaalSleutel("Geboorte"), false);
  MaakActie(intBestandMenu_, "Transits1", TaalSleutel("Transits"), false);
  MaakActie(intBestandMenu_, "SekProg1", TaalSleutel("SekProg"), false);
  MaakActie(intBestandMenu_, "PrimDir1", TaalSleutel("PrimDir"), false);
  MaakActie(intBestandMenu_, "OndAsp1", TaalSleutel("OndAsp"), false);
  MaakActie(intBestandMenu_, "Komposiet1", TaalSleutel("Komposiet"), false);
  MaakActie(extraMenu_, "BewerkTraKoncPatr1", TaalSleutel("BewerkTraKoncPatr"), false);
  MaakActie(extraMenu_, "EmpirischeModellen1", TaalSleutel("EmpirischeModellen"), false);
  QAction* geoInfo = MaakActie(extraMenu_, "GeoInfo1", TaalSleutel("GeoInfo"), true);
  connect(geoInfo, &QAction::triggered, this, [this] { ToonGeoInfo(this); });

  helpMenu_ = MaakMenu(nullptr, "Help1", TaalSleutel("Help"));
  QAction* inhoud = MaakActie(helpMenu_, "Inhoud1", TaalSleutel("Inhoud"), true);
  connect(inhoud, &QAction::triggered, this, [] { ToonHelp(THelpOnderwerp(0)); });
  QAction* kontekst = MaakActie(helpMenu_, "VolgensKontext1", TaalSleutel("VolgensKontext"), true);
  kontekst->setShortcut(Qt::Key_F1);
  connect(kontekst, &QAction::triggered, this,
          [this] { ToonHelp(THelpOnderwerp(HuidigeHelpContext())); });
  MaakActie(helpMenu_, "AAFFormaat1", TaalSleutel("AAFFormaat"), false);
  QAction* over = MaakActie(helpMenu_, "OverProgr1", TaalSleutel("OverProgr"), true);
  connect(over, &QAction::triggered, this, [this] { TQ4AboutForm::Toon(this); });
  QAction* webstek = MaakActie(helpMenu_, "Webstek1", TaalSleutel("Webstek"), true);
  connect(webstek, &QAction::triggered, this, [] {
    QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(WebstekPagina())));
  });

  taalMenu_ = balk->addMenu(QString::fromLatin1(TaalMenuTitel));
  taalMenu_->setObjectName("Taal1");
  taalGroep_ = new QActionGroup(this);
  taalGroep_->setExclusive(true);
  for (int n = 1; n <= 4; ++n) {
    QAction* a = taalMenu_->addAction(QString::fromUtf8(TaalNamen[n - 1]));
    a->setObjectName(QStringLiteral("Taal%1").arg(n));
    a->setCheckable(true);
    taalGroep_->addAction(a);
    connect(a, &QAction::triggered, this, [this, n] { KiesTaalClick(n); });
    taalActies_[n - 1] = a;
  }

  stopActie_ = MaakActie(nullptr, "Stop1", TaalSleutel("Stop"), true);
  connect(stopActie_, &QAction::triggered, this, &QWidget::close);

  // A report left from a previous run belongs to no one any more.
  WisRapport(true);
  ZetRapportMenu();

  timer_->setInterval(TimerMs);
  connect(timer_, &QTimer::timeout, this, &TQ5HoofdForm::Timer1Timer);
  timer_->start();

  if (const QScreen* scherm = QGuiApplication::primaryScreen()) {
    // The size and place of the maximised window, also where no window manager maximises it.
    setGeometry(scherm->availableGeometry());
  }
  pages_->setCurrentIndex(GebHorSelSheet);
  Labels();
}

TQ5HoofdForm::~TQ5HoofdForm() = default;

QMenu* TQ5HoofdForm::MaakMenu(QMenu* ouder, const char* naam, const char* sleutel) {
  QMenu* menu = ouder ? ouder->addMenu(QString()) : menuBar()->addMenu(QString());
  menu->setObjectName(naam);
  labels_.emplace_back(menu->menuAction(), sleutel);
  return menu;
}

QAction* TQ5HoofdForm::MaakActie(QMenu* menu, const char* naam, const char* sleutel,
                                 bool heeftOpdracht) {
  QAction* a = menu ? menu->addAction(QString()) : menuBar()->addAction(QString());
  a->setObjectName(naam);
  a->setEnabled(heeftOpdracht);
  labels_.emplace_back(a, sleutel);
  return a;
}

QAction* TQ5HoofdForm::Actie(const char* naam) const {
  for (const auto& [actie, sleutel] : labels_)
    if (actie->objectName() == QLatin1String(naam)) return actie;
  for (QAction* a : taalActies_)
    if (a->objectName() == QLatin1String(naam)) return a;
  return nullptr;
}

void TQ5HoofdForm::Labels() {
  if (HuidigeTaal >= 1 && HuidigeTaal <= 4) taalActies_[HuidigeTaal - 1]->setChecked(true);
  LeesAspekten();
  setWindowTitle(QString::fromLatin1(ProductVersie) + QStringLiteral(" - ") + T("OverMakers"));
  for (const auto& [actie, sleutel] : labels_) actie->setText(T(sleutel));
  stopActie_->setText(QStringLiteral("&") + T("Stop"));
  static const char* const paginaSleutels[AantalPaginas] = {
      TaalSleutel("Databankbeheer"), TaalSleutel("Geboortentabel"),
      TaalSleutel("Gebeurtenissentabel"), TaalSleutel("Relatietabel"),
      TaalSleutel("Horoskoopstudie")};
  for (int i = 0; i < AantalPaginas; ++i) pages_->setTabText(i, T(paginaSleutels[i]));
  PaginaWissel();
}

void TQ5HoofdForm::PaginaWissel() {
  if (pages_->currentIndex() == HorStudieSheet) navigatie_->Vernieuw();
}

void TQ5HoofdForm::Timer1Timer() {
  if (isActiveWindow()) ZetRapportMenu();
}

void TQ5HoofdForm::ZetRapportMenu() {
  const bool bestaat = RapportBestaat();
  rapportMenu_->menuAction()->setEnabled(bestaat);
  toonRapportActie_->setEnabled(bestaat);
  rapportLeegActie_->setEnabled(bestaat);
}

void TQ5HoofdForm::RapportLeegmClick() {
  if (WisRapport(false)) ZetRapportMenu();
}

void TQ5HoofdForm::KiesTaalClick(int n) {
  KiesTaal(n);
  Labels();
}

std::int32_t TQ5HoofdForm::HuidigeHelpContext() const {
  const int i = pages_->currentIndex();
  return i >= 0 && i < AantalPaginas ? PaginaHelp[i] : 0;
}

void TQ5HoofdForm::NaarSelektie(int pagina) { pages_->setCurrentIndex(pagina); }

void TQ5HoofdForm::GeboorteGekozen() {
  AktieveHoroskopen().PartnerZoekPeriodeGezet = false;   // derived anew for the new chart
  if (pages_->currentIndex() == HorStudieSheet)
    navigatie_->Vernieuw();
  else
    pages_->setCurrentIndex(HorStudieSheet);
  if (QPushButton* k = navigatie_->Knop("GebTekBtn")) k->setFocus();
  ZetRapportMenu();
}

void TQ5HoofdForm::PartnerGekozen() {
  navigatie_->Vernieuw();
  if (QPushButton* k = navigatie_->Knop("TweeGebTekBtn")) k->setFocus();
}

void TQ5HoofdForm::MomentGekozen() {
  navigatie_->Vernieuw();
  if (QPushButton* k = navigatie_->Knop("TraTekBtn")) k->setFocus();
}

void TQ5HoofdForm::RelatieGekozen() {
  if (pages_->currentIndex() == HorStudieSheet)
    navigatie_->Vernieuw();
  else
    pages_->setCurrentIndex(HorStudieSheet);
  if (QPushButton* k = navigatie_->Knop("TweeGebTekBtn")) k->setFocus();
  ZetRapportMenu();
}

void TQ5HoofdForm::DatabankGewijzigd() { PaginaWissel(); }

void TQ5HoofdForm::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (eersteKeer_ && !event->spontaneous()) {
    eersteKeer_ = false;
    ZetHelpBestand("Orvan5");
    PaginaWissel();
    Labels();
  }
}

void TQ5HoofdForm::closeEvent(QCloseEvent* event) {
  if (!AktieveHoroskopen().AfsluitenAlles()) {
    event->ignore();
    return;
  }
  event->accept();
  emit Gesloten();
}

}  // namespace orvan
