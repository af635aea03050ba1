#include "graphics/ui/TekstUitvoer.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QShowEvent>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>
#include <fstream>
#include <sstream>

#include "graphics/RTFBestanden.h"
#include "graphics/RTFLezer.h"
#include "graphics/RTFRapport.h"
#include "graphics/ui/RtfDocument.h"
#include "shell/Interaktie.h"
#include "shell/LangUtils.h"
#include "shell/VeiligSchrijven.h"
#include "shell/ui/Help.h"
#include "shell/ui/Wacht.h"
#include "shell/ui/WachtVenster.h"

namespace orvan {

namespace {

QString T(const char* sleutel) { return QString::fromStdString(Vertaal(sleutel)); }

bool LeesBestand(const std::string& pad, std::string& inhoud) {
  std::ifstream in(pad, std::ios::binary);
  if (!in) return false;
  std::ostringstream s;
  s << in.rdbuf();
  if (in.bad()) return false;
  inhoud = s.str();
  return true;
}

}  // namespace

std::string MetRtfExtensie(const std::string& naam) {
  const std::string::size_type slash = naam.find_last_of('/');
  const std::string bestandsNaam = slash == std::string::npos ? naam : naam.substr(slash + 1);
  if (bestandsNaam.find('.') != std::string::npos) return naam;
  return naam + ".rtf";
}

TTekstUitvoerForm::TTekstUitvoerForm(QWidget* parent)
    : QDialog(parent),
      menu_(new QMenuBar(this)),
      uitvoerMenu_(new QMenu(this)),
      rapportActie_(new QAction(this)),
      kopieActie_(new QAction(this)),
      bewaarActie_(new QAction(this)),
      helpActie_(new QAction(this)),
      sluitActie_(new QAction(this)),
      edit_(new QTextEdit(this)) {
  setObjectName("TekstUitvoerForm");
  setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint);
  menu_->setObjectName("MainMenu1");
  uitvoerMenu_->setObjectName("Uitvoer1");
  rapportActie_->setObjectName("KopieNrRapport1");
  kopieActie_->setObjectName("KopieNrKlembord1");
  bewaarActie_->setObjectName("BewaarInBestand1");
  helpActie_->setObjectName("Help1");
  sluitActie_->setObjectName("SluitVenster1");
  edit_->setObjectName("RichEdit1");

  rapportActie_->setShortcut(Qt::Key_F7);
  kopieActie_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Insert));
  bewaarActie_->setShortcut(Qt::Key_F8);
  helpActie_->setShortcut(Qt::Key_F1);
  sluitActie_->setShortcut(Qt::Key_Escape);
  for (QAction* a : {rapportActie_, kopieActie_, bewaarActie_, helpActie_, sluitActie_})
    a->setShortcutContext(Qt::WindowShortcut);
  uitvoerMenu_->addAction(rapportActie_);
  uitvoerMenu_->addAction(kopieActie_);
  uitvoerMenu_->addAction(bewaarActie_);
  menu_->addMenu(uitvoerMenu_);
  menu_->addAction(helpActie_);
  menu_->addAction(sluitActie_);
  connect(rapportActie_, &QAction::triggered, this, [this] { KopieNrRapportClick(); });
  connect(kopieActie_, &QAction::triggered, this, &TTekstUitvoerForm::KopieerClick);
  connect(bewaarActie_, &QAction::triggered, this, &TTekstUitvoerForm::BewaarClick);
  connect(helpActie_, &QAction::triggered, this, &TTekstUitvoerForm::HelpClick);
  connect(sluitActie_, &QAction::triggered, this, &QDialog::reject);

  edit_->setReadOnly(true);
  edit_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  edit_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  edit_->setLineWrapMode(QTextEdit::WidgetWidth);
  QPalette p = edit_->palette();
  p.setColor(QPalette::Base, Qt::white);
  p.setColor(QPalette::Text, Qt::black);
  edit_->setPalette(p);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setMenuBar(menu_);
  layout->addWidget(edit_);

  if (const QScreen* scherm = QGuiApplication::primaryScreen())
    resize(scherm->availableGeometry().size() * 0.9);
  Labels();
}

bool TTekstUitvoerForm::LaadBestand(const std::string& bestand) {
  std::string inhoud;
  edit_->clear();
  bestand_.clear();
  rtf_.clear();
  if (!LeesBestand(bestand, inhoud)) {
    Labels();
    return false;
  }
  bestand_ = bestand;
  rtf_ = std::move(inhoud);
  VulTekstDocument(*edit_->document(), LeesRtf(rtf_));
  edit_->moveCursor(QTextCursor::Start);
  Labels();
  return true;
}

void TTekstUitvoerForm::Labels() {
  setWindowTitle(T("TekstUitvoerVenster"));
  uitvoerMenu_->setTitle(T("Uitvoer"));
  rapportActie_->setText(bestand_.empty() ? T("Afdrukken") : T("KopieNrRapport"));
  // Without a file there is nothing to add to the report.
  rapportActie_->setEnabled(!bestand_.empty());
  kopieActie_->setText(T("KopieNrKlembord"));
  bewaarActie_->setText(T("BewaarInBestand"));
  sluitActie_->setText(T("SluitVenster"));
  helpActie_->setText(T("Help"));
}

void TTekstUitvoerForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) Labels();
}

bool TTekstUitvoerForm::KopieNrRapportClick() {
  if (bestand_.empty()) return false;
  TWachtForm& wacht = WachtForm();
  wacht.ToonWacht(Vertaal("UitvoerGaatNaarRapport"));
  QApplication::beep();
  const bool gelukt = VoegToeAanRapport(RapportBestand(), bestand_);
  wacht.VerbergWacht();
  return gelukt;
}

void TTekstUitvoerForm::KopieerClick() {
  edit_->selectAll();
  auto* data = new QMimeData;
  const QTextDocument* doc = edit_->document();
  if (!rtf_.empty()) data->setData(QStringLiteral("text/rtf"), QByteArray::fromStdString(rtf_));
  data->setHtml(doc->toHtml());
  data->setText(doc->toPlainText());
  QApplication::clipboard()->setMimeData(data);
  QTextCursor c = edit_->textCursor();
  c.clearSelection();
  c.movePosition(QTextCursor::Start);
  edit_->setTextCursor(c);
}

void TTekstUitvoerForm::BewaarClick() {
  QFileDialog dlg(this, T("BewaarUitvoerAls"), QString::fromStdString(RapportMap()),
                  T("RTFBestanden") + QStringLiteral(" (*.rtf)"));
  dlg.setAcceptMode(QFileDialog::AcceptSave);
  dlg.setFileMode(QFileDialog::AnyFile);
  if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return;
  BewaarAls(dlg.selectedFiles().front().toStdString());
}

bool TTekstUitvoerForm::BewaarAls(const std::string& naam) {
  const std::string doel = MetRtfExtensie(naam);
  std::string inhoud;
  if (!bestand_.empty()) {
    if (!LeesBestand(bestand_, inhoud)) {
      Meldingen().Melding(Vertaal("Fout"), Vertaal("UitvoerNietGeschreven") + "\n" + bestand_, "");
      return false;
    }
  } else {
    inhoud = edit_->toPlainText().toStdString();
  }
  std::string fout;
  if (!SchrijfBestandVeilig(doel, inhoud, fout)) {
    Meldingen().Melding(Vertaal("Fout"), Vertaal("UitvoerNietGeschreven") + "\n" + fout, "");
    return false;
  }
  return true;
}

void TTekstUitvoerForm::HelpClick() { ToonHelp(THelpOnderwerp(helpContext_)); }

void ToonTekst(const std::string& bestand, std::int32_t helpKontekst) {
  TTekstUitvoerForm venster(QApplication::activeWindow());
  venster.ZetHelpContext(helpKontekst);
  if (!venster.LaadBestand(bestand)) {
    Meldingen().Melding(Vertaal("Fout"), Vertaal("UitvoerNietGelezen") + "\n" + bestand, "");
    return;
  }
  // Maximised; the size is that of the screen also where no window manager maximises it.
  if (const QScreen* scherm = QGuiApplication::primaryScreen())
    venster.setGeometry(scherm->availableGeometry());
  venster.setWindowState(venster.windowState() | Qt::WindowMaximized);
  venster.exec();
}

}  // namespace orvan
