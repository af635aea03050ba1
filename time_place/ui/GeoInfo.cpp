#include "time_place/ui/GeoInfo.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <vector>

#include "shell/Instellingen.h"
#include "shell/Interaktie.h"
#include "shell/LangUtils.h"
#include "shell/ProgrammaMap.h"
#include "shell/ui/Monitor.h"
#include "time_place/PlaatsImport.h"
#include "time_place/PltsLstMenger.h"
#include "time_place/TijdzoneMap.h"
#include "time_place/ui/KiesPlaats.h"

namespace orvan {

namespace {

QString T(const char* sleutel) { return QString::fromStdString(Vertaal(sleutel)); }

// The monitor window of an import. Lines are written in batches and the user interface gets its
// turn between them, so that a long import shows its progress. When the user closes the window
// before the end, the closing text comes as a message.
class TMonitorEcho : public TImportMonitor {
 public:
  TMonitorEcho(QWidget* ouder, QPointer<TMonitorForm>& venster)
      : ouder_(ouder), venster_(venster) {}

  void Begin(const std::string& titel) override { venster_ = new TMonitorForm(titel, ouder_); }
  void Regel(const std::string& regel) override {
    wachtend_.push_back(regel);
    if (wachtend_.size() >= Batch) Schrijf();
  }
  void Einde(const std::string& tekst) override {
    Schrijf();
    if (venster_)
      venster_->VoegToe(tekst);
    else
      Meldingen().Melding(Vertaal("InvoerPlaatsenTxt"), tekst, "");
    QApplication::beep();
  }

 private:
  static constexpr std::size_t Batch = 300;

  void Schrijf() {
    if (venster_)
      for (const std::string& r : wachtend_) venster_->VoegToe(r);
    wachtend_.clear();
    QCoreApplication::processEvents();
  }

  QWidget* ouder_;
  QPointer<TMonitorForm>& venster_;
  std::vector<std::string> wachtend_;
};

}  // namespace

TGeoInfoForm::TGeoInfoForm(QWidget* parent)
    : TBasisDialoogForm(parent),
      bestandLabel_(new QLabel(Inhoud())),
      aantalLabel_(new QLabel(Inhoud())),
      stdPlaatsLabel_(new QLabel(Inhoud())),
      veranderBtn_(new QPushButton(Inhoud())),
      invoerBtn_(new QPushButton(Inhoud())),
      tijdzoneBtn_(new QPushButton(Inhoud())) {
  setObjectName("GeoInfoForm");
  bestandLabel_->setObjectName("BestandLabel");
  aantalLabel_->setObjectName("AantalLabel");
  stdPlaatsLabel_->setObjectName("StdPlaatsLabel");
  veranderBtn_->setObjectName("VeranderBtn");
  invoerBtn_->setObjectName("InvoerPlaatsenBtn");
  tijdzoneBtn_->setObjectName("TijdzoneBtn");
  // Nothing here waits for OK: every change is made at once.
  AnnuleerBtn()->hide();

  VraagBestand = [this](const std::string& titel, const std::string& map,
                        const std::string& filter) {
    return QFileDialog::getOpenFileName(this, QString::fromStdString(titel),
                                        QString::fromStdString(map), QString::fromStdString(filter))
        .toStdString();
  };
  OpenInEditor = [](const std::string& pad) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(pad)));
  };

  connect(veranderBtn_, &QPushButton::clicked, this, &TGeoInfoForm::VeranderClick);
  connect(invoerBtn_, &QPushButton::clicked, this, &TGeoInfoForm::InvoerPlaatsenClick);
  connect(tijdzoneBtn_, &QPushButton::clicked, this, &TGeoInfoForm::BewerkTijdzoneClick);

  auto* layout = new QGridLayout(Inhoud());
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(bestandLabel_, 0, 0);
  layout->addWidget(aantalLabel_, 1, 0);
  layout->addWidget(stdPlaatsLabel_, 2, 0);
  layout->addWidget(veranderBtn_, 2, 1);
  layout->addWidget(invoerBtn_, 3, 0, 1, 2);
  layout->addWidget(tijdzoneBtn_, 4, 0, 1, 2);
  layout->setColumnStretch(0, 1);
  Labels();
}

void TGeoInfoForm::Labels() {
  TBasisDialoogForm::Labels();
  setWindowTitle(T("GeoInfo"));
  veranderBtn_->setText(T("Verander"));
  invoerBtn_->setText(T("InvoerPlaatsenTxt"));
  tijdzoneBtn_->setText(T("BewerkTijdzonebestanden"));
  ToonGegevens();
}

void TGeoInfoForm::ToonGegevens() {
  bestandLabel_->setText(T("Plaatsenbestand") + QStringLiteral(": Geocoord.fil"));
  TPlaatsLijst lijst;
  std::string fout;
  if (lijst.OpenAlleenLezen(fout))
    aantalLabel_->setText(QStringLiteral("%1 ").arg(lijst.Aantal()) + T("plaatsen"));
  else
    aantalLabel_->setText(T("PlaatsLijstNietGelezen") + QLatin1Char(' ') +
                          QString::fromStdString(fout));
  stdPlaatsLabel_->setText(T("StdPlaats") + QStringLiteral(": ") +
                           QString::fromStdString(Instellingen.StdPlaats.Naam));
}

void TGeoInfoForm::ZetKnoppen(bool aan) {
  for (QPushButton* knop : {veranderBtn_, invoerBtn_, tijdzoneBtn_, OKBtn(), HelpBtn()})
    knop->setEnabled(aan);
}

void TGeoInfoForm::VeranderClick() {
  if (KiesStandaardPlaats(this)) ToonGegevens();
}

void TGeoInfoForm::InvoerPlaatsenClick() {
  const std::string bestand =
      VraagBestand(Vertaal("SelektPltsTxt"), ProgrammaMap(), Vertaal("ANSItxt") + " (*.txt)");
  if (bestand.empty()) return;
  ZetKnoppen(false);
  {
    TZandloper zandloper;
    TMonitorEcho echo(this, monitor_);
    LeesPlaatsenTekst(bestand, echo);
  }
  ZetKnoppen(true);
  ToonGegevens();
}

void TGeoInfoForm::BewerkTijdzoneClick() {
  const std::string bestand =
      VraagBestand(Vertaal("SelektTijdzoneBest"), TijdzoneMap(), Vertaal("Tijdzone") + " (*.uur)");
  if (bestand.empty()) return;
  if (!OpenInEditor(bestand))
    Meldingen().Melding(Vertaal("Opgelet"), Vertaal("TijdzoneNietGeopend") + " " + bestand, "");
}

void ToonGeoInfo(QWidget* ouder) {
  TGeoInfoForm venster(ouder);
  venster.exec();
}

}  // namespace orvan
