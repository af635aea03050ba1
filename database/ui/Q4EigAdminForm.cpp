#include "database/ui/Q4EigAdminForm.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "shell/LangUtils.h"

namespace orvan {

namespace {

QString Tekst(const char* sleutel) { return QString::fromStdString(Vertaal(sleutel)); }

constexpr const char* TabelSleutels[3] = {TaalSleutel("GeboorteEig"), TaalSleutel("Gebeurtenissen"),
                                          TaalSleutel("Relaties")};

bool InvoerVak(QWidget* ouder, QString& naam) {
  bool ok = false;
  const QString tekst = QInputDialog::getText(ouder, Tekst("DefEig"), Tekst("EigNaam"),
                                              QLineEdit::Normal, QString(), &ok);
  if (ok) naam = tekst;
  return ok;
}

}  // namespace

TQ4EigAdminForm::TQ4EigAdminForm(TQ4DataModule& dm, QWidget* parent)
    : TBasisDialoogForm(parent),
      VraagNaam(InvoerVak),
      dm_(dm),
      mapLabel_(new QLabel),
      lijstBox_(new QGroupBox),
      lijst_(new QListWidget),
      tabelBox_(new QGroupBox),
      tabelGroep_(new QButtonGroup(this)),
      eigBox_(new QGroupBox),
      bijmakenBtn_(new QPushButton),
      verwijderenBtn_(new QPushButton) {
  setObjectName("Q4EigAdminForm");
  mapLabel_->setObjectName("DatabankMapLabel");
  lijst_->setObjectName("EigenschapLijst");
  bijmakenBtn_->setObjectName("EigBijmakenBtn");
  verwijderenBtn_->setObjectName("EigVerwijderenBtn");
  ZetHelpContext(HelpKontekst);
  // Help and OK only: what was changed is changed.
  AnnuleerBtn()->hide();

  auto* lijstLayout = new QVBoxLayout(lijstBox_);
  lijstLayout->addWidget(lijst_);
  auto* tabelLayout = new QVBoxLayout(tabelBox_);
  for (int i = 0; i < 3; ++i) {
    tabelKnoppen_[i] = new QRadioButton;
    tabelGroep_->addButton(tabelKnoppen_[i], i);
    tabelLayout->addWidget(tabelKnoppen_[i]);
  }
  tabelKnoppen_[0]->setChecked(true);
  auto* eigLayout = new QVBoxLayout(eigBox_);
  eigLayout->addWidget(bijmakenBtn_);
  eigLayout->addWidget(verwijderenBtn_);

  auto* rechts = new QVBoxLayout;
  rechts->addWidget(tabelBox_);
  rechts->addWidget(eigBox_);
  rechts->addStretch(1);
  auto* midden = new QHBoxLayout;
  midden->addWidget(lijstBox_, 1);
  midden->addLayout(rechts);
  auto* layout = new QVBoxLayout(Inhoud());
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(mapLabel_);
  layout->addLayout(midden, 1);

  connect(tabelGroep_, &QButtonGroup::idClicked, this, [this](int id) { TabelKeuzeClick(id); });
  connect(bijmakenBtn_, &QPushButton::clicked, this, [this] { EigBijmakenClick(); });
  connect(verwijderenBtn_, &QPushButton::clicked, this, [this] { EigVerwijderenClick(); });

  mapLabel_->setText(QString::fromStdString(dm_.Map()));
  Labels();
  TabelKeuzeClick(0);
}

void TQ4EigAdminForm::Labels() {
  TBasisDialoogForm::Labels();
  setWindowTitle(Tekst("EigAdmin"));
  lijstBox_->setTitle(Tekst("BestaandeEig"));
  tabelBox_->setTitle(Tekst("Tabel&"));
  for (int i = 0; i < 3; ++i) tabelKnoppen_[i]->setText(Tekst(TabelSleutels[i]));
  eigBox_->setTitle(Tekst("Eigenschap&"));
  bijmakenBtn_->setText(Tekst("EigBijmaken&"));
  verwijderenBtn_->setText(Tekst("EigVerwijderen&"));
}

void TQ4EigAdminForm::TabelKeuzeClick(int item) {
  if (item < 0 || item > 2) return;
  keuze_ = static_cast<TEigTabel>(item);
  if (tabelGroep_->checkedId() != item) tabelKnoppen_[item]->setChecked(true);
  VulLijst();
}

void TQ4EigAdminForm::VulLijst(const std::string& kies) {
  lijst_->clear();
  for (const std::string& naam : EigAdminNamen(dm_, keuze_))
    lijst_->addItem(QString::fromStdString(naam));
  int rij = 0;
  if (!kies.empty()) {
    const auto gevonden = lijst_->findItems(QString::fromStdString(kies), Qt::MatchExactly);
    if (!gevonden.isEmpty()) rij = lijst_->row(gevonden.front());
  }
  if (lijst_->count() > 0) lijst_->setCurrentRow(rij);
  verwijderenBtn_->setEnabled(lijst_->count() > 0);
}

void TQ4EigAdminForm::EigBijmakenClick() {
  QString naam;
  if (!VraagNaam || !VraagNaam(this, naam)) return;
  const std::string n = naam.toStdString();
  const bool ok = EigAdminMaak(dm_, keuze_, n);
  VulLijst(ok ? n : std::string());
}

void TQ4EigAdminForm::EigVerwijderenClick() {
  const QListWidgetItem* item = lijst_->currentItem();
  if (!item) return;
  EigAdminVerwijder(dm_, keuze_, item->text().toStdString());
  VulLijst();
}

bool ToonEigAdmin(TQ4DataModule& dm, QWidget* ouder) {
  TQ4EigAdminForm form(dm, ouder);
  return form.exec() == QDialog::Accepted;
}

}  // namespace orvan
