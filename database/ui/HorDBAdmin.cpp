#include "database/ui/HorDBAdmin.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "database/DatabankBeheer.h"
#include "database/Q4DataModuleUnit.h"
#include "database/ui/Q4EigAdminForm.h"
#include "horoscope/AktieveHoroskopen.h"
#include "shell/Instellingen.h"
#include "shell/LangUtils.h"
#include "shell/ProgrammaMap.h"
#include "shell/ui/BestandSelekt.h"
#include "shell/ui/Help.h"

namespace orvan {

namespace {

QString Tekst(const char* sleutel) { return QString::fromStdString(Vertaal(sleutel)); }

constexpr std::size_t MaxPadLengte = 4096;

constexpr const char* ImportSleutels[] = {TaalSleutel("AAFBestand"), TaalSleutel("Q3Horbestand"),
                                          TaalSleutel("generator_geboorten"),
                                          TaalSleutel("generator_gebeurtenissen"),
                                          TaalSleutel("data+waardenbestand")};

// The folder chooser on "*.hor" folders, starting on `start` (or the program folder + "*.hor").
std::string KiesHorMap(const std::string& start, const char* titelSleutel) {
  std::string pad = start.empty() ? ProgrammaMap() + "*.hor" : start;
  if (!KiesBestand(true, false, pad, MaxPadLengte, Vertaal(titelSleutel), "", "hor",
                   THelpOnderwerp(std::string(AfsluitenHelpSleutel))))
    return {};
  return pad;
}

}  // namespace

bool SelekteerDatabank(TQ4DataModule& dm) {
  if (!AktieveHoroskopen().AfsluitenAlles()) return false;
  const std::string gekozen = KiesHorMap(Instellingen.Database, TaalSleutel("HorDatabankSelOfNieuw"));
  return KiesDatabank(gekozen, dm);
}

bool SelekteerRefDatabank() {
  const std::string gekozen = KiesHorMap(Instellingen.RefDatabase, TaalSleutel("RefHorDatabankSel"));
  return KiesRefDatabank(gekozen);
}

TFQ5HorDBAdmin::TFQ5HorDBAdmin(TQ4DataModule& dm, QWidget* parent)
    : QFrame(parent),
      dm_(dm),
      databankLabel_(new QLabel),
      refLabel_(new QLabel),
      notitieLabel_(new QLabel),
      notities_(new QPlainTextEdit),
      eigBtn_(new QPushButton),
      selekteerBtn_(new QPushButton),
      refBtn_(new QPushButton),
      importGroep_(new QGroupBox),
      importLijst_(new QComboBox),
      importBtn_(new QPushButton),
      exportGroep_(new QGroupBox),
      exportLijst_(new QComboBox),
      exportBtn_(new QPushButton) {
  setObjectName("FQ5HorDBAdmin");
  databankLabel_->setObjectName("DatabankLabel");
  refLabel_->setObjectName("RefDatabankLabel");
  notities_->setObjectName("InfoMemo");
  selekteerBtn_->setObjectName("SelekteerOfMaakBtn");
  refBtn_->setObjectName("RefSelekteerBtn");
  eigBtn_->setObjectName("EigenschappenBtn");
  importBtn_->setObjectName("ImportStartBtn");
  exportBtn_->setObjectName("ExportStartBtn");

  auto* knoppen = new QGridLayout;
  knoppen->addWidget(databankLabel_, 0, 0);
  knoppen->addWidget(selekteerBtn_, 0, 1);
  knoppen->addWidget(refLabel_, 1, 0);
  knoppen->addWidget(refBtn_, 1, 1);
  knoppen->addWidget(eigBtn_, 2, 1);

  auto* importLayout = new QHBoxLayout(importGroep_);
  importLayout->addWidget(importLijst_, 1);
  importLayout->addWidget(importBtn_);
  auto* exportLayout = new QHBoxLayout(exportGroep_);
  exportLayout->addWidget(exportLijst_, 1);
  exportLayout->addWidget(exportBtn_);
  // The imports and exports are connected with their own modules.
  importBtn_->setEnabled(false);
  exportBtn_->setEnabled(false);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(knoppen);
  layout->addWidget(notitieLabel_);
  layout->addWidget(notities_, 1);
  layout->addWidget(importGroep_);
  layout->addWidget(exportGroep_);

  notities_->installEventFilter(this);
  connect(selekteerBtn_, &QPushButton::clicked, this, [this] {
    if (SelekteerDatabank(dm_)) Ververs();
  });
  connect(refBtn_, &QPushButton::clicked, this, [this] {
    if (SelekteerRefDatabank()) Ververs();
  });
  connect(eigBtn_, &QPushButton::clicked, this, &TFQ5HorDBAdmin::EigenschappenBtnClick);
}

void TFQ5HorDBAdmin::EigenschappenBtnClick() {
  if (ToonEigAdmin(dm_, this) && EigenschappenGewijzigd) EigenschappenGewijzigd();
}

void TFQ5HorDBAdmin::Ververs() {
  databankLabel_->setText(Tekst("HorDatabase") + ": " +
                          QString::fromStdString(DatabankNaam(Instellingen.Database)));
  refLabel_->setText(Tekst("RefDatabank") + ": " +
                     QString::fromStdString(DatabankNaam(Instellingen.RefDatabase)));
  notitieLabel_->setText(Tekst("Notas"));
  eigBtn_->setText(Tekst("MaakVerwEigenschapsvelden"));
  selekteerBtn_->setText(Tekst("SelekteerOfMaak"));
  refBtn_->setText(Tekst("Selekteer"));
  importGroep_->setTitle(Tekst("ImportVan"));
  exportGroep_->setTitle(Tekst("ExportNaar"));
  importBtn_->setText(Tekst("Start&"));
  exportBtn_->setText(Tekst("Start&"));
  const int keuze = std::max(0, importLijst_->currentIndex());
  importLijst_->clear();
  for (const char* s : ImportSleutels) importLijst_->addItem(Tekst(s));
  importLijst_->setCurrentIndex(keuze);
  exportLijst_->clear();
  exportLijst_->addItem(Tekst("AAFBestand"));
  notities_->setPlainText(QString::fromStdString(LeesNotities(dm_)));
  if (isVisible()) selekteerBtn_->setFocus();
}

bool TFQ5HorDBAdmin::BewaarNotities() {
  return SchrijfNotities(notities_->toPlainText().toStdString(), dm_);
}

bool TFQ5HorDBAdmin::eventFilter(QObject* object, QEvent* event) {
  if (object == notities_ && event->type() == QEvent::FocusOut) BewaarNotities();
  return QFrame::eventFilter(object, event);
}

}  // namespace orvan
