#include "shell/ui/HelpVenster.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <cctype>
#include <filesystem>
#include <memory>

#include "shell/LangUtils.h"
#include "shell/ProgrammaMap.h"

namespace orvan {

namespace {

std::unique_ptr<THelpVensterForm> helpVenster;

bool Bestaat(const std::string& pad) {
  std::error_code ec;
  return std::filesystem::is_regular_file(pad, ec);
}

// A keyword names a page only when it is a plain file name.
bool IsPaginaNaam(const std::string& s) {
  if (s.empty() || s.size() > 100) return false;
  for (char c : s)
    if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_')) return false;
  return true;
}

QString T(const char* sleutel) { return QString::fromStdString(Vertaal(sleutel)); }

}  // namespace

std::string HelpMap() { return ProgrammaMap() + "help/" + TaalNaam(HuidigeTaal) + "/"; }

std::string HelpPagina(const THelpOnderwerp& onderwerp) {
  const std::string map = HelpMap();
  std::string naam;
  if (!onderwerp.sleutel.empty()) {
    if (IsPaginaNaam(onderwerp.sleutel)) naam = onderwerp.sleutel;
  } else if (onderwerp.kontekst > 0) {
    naam = std::to_string(onderwerp.kontekst);
  }
  if (!naam.empty() && Bestaat(map + naam + ".html")) return map + naam + ".html";
  if (Bestaat(map + "index.html")) return map + "index.html";
  return {};
}

std::string WebstekPagina() { return ProgrammaMap() + "help/webstek.html"; }

THelpVensterForm::THelpVensterForm(QWidget* parent)
    : QDialog(parent),
      browser_(new QTextBrowser(this)),
      terugBtn_(new QPushButton(this)),
      inhoudBtn_(new QPushButton(this)),
      sluitBtn_(new QPushButton(this)) {
  setObjectName("HelpVensterForm");
  browser_->setObjectName("HelpBrowser");
  browser_->setOpenLinks(true);
  browser_->setOpenExternalLinks(false);
  terugBtn_->setObjectName("TerugBtn");
  inhoudBtn_->setObjectName("InhoudBtn");
  sluitBtn_->setObjectName("SluitBtn");
  auto* knoppen = new QHBoxLayout;
  knoppen->addWidget(terugBtn_);
  knoppen->addWidget(inhoudBtn_);
  knoppen->addStretch(1);
  knoppen->addWidget(sluitBtn_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(knoppen);
  layout->addWidget(browser_);
  resize(720, 560);
  connect(terugBtn_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
  connect(browser_, &QTextBrowser::backwardAvailable, terugBtn_, &QPushButton::setEnabled);
  connect(inhoudBtn_, &QPushButton::clicked, this, [this] { Toon(THelpOnderwerp(0)); });
  connect(sluitBtn_, &QPushButton::clicked, this, &QDialog::close);
  terugBtn_->setEnabled(false);
  // The help can be asked from any modal dialog; it stays usable above it.
  setWindowModality(Qt::ApplicationModal);
}

void THelpVensterForm::Labels() {
  setWindowTitle(QStringLiteral("Orvan - ") + T("Help"));
  terugBtn_->setText(T("Terug"));
  inhoudBtn_->setText(T("Inhoud"));
  sluitBtn_->setText(T("SluitVenster"));
}

bool THelpVensterForm::Toon(const THelpOnderwerp& onderwerp) {
  const std::string pagina = HelpPagina(onderwerp);
  if (pagina.empty()) return false;
  Labels();
  pagina_ = pagina;
  browser_->setSource(QUrl::fromLocalFile(QString::fromStdString(pagina)));
  show();
  raise();
  activateWindow();
  return true;
}

void StartHelpVenster() {
  if (!helpVenster) helpVenster = std::make_unique<THelpVensterForm>();
  ZetHelpToner([](const THelpOnderwerp& o) { return helpVenster && helpVenster->Toon(o); });
}

void StopHelpVenster() {
  ZetHelpToner({});
  helpVenster.reset();
}

}  // namespace orvan
