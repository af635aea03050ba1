#include "database/ui/NieuweRelatieDialoog.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <algorithm>
#include <string>
#include <tuple>

#include "database/HorVelden.h"
#include "database/Q4DataModuleUnit.h"
#include "shell/LangUtils.h"

namespace orvan {

namespace {

std::int64_t Gekozen(const QListWidget* lijst) {
  const QListWidgetItem* item = lijst->currentItem();
  return item ? item->data(Qt::UserRole).toLongLong() : -1;
}

bool KiesIn(QListWidget* lijst, std::int64_t nr) {
  for (int i = 0; i < lijst->count(); ++i)
    if (lijst->item(i)->data(Qt::UserRole).toLongLong() == nr) {
      lijst->setCurrentRow(i);
      return true;
    }
  return false;
}

}  // namespace

TNieuweRelatieDialoog::TNieuweRelatieDialoog(TQ4DataModule& dm, QWidget* parent)
    : TBasisDialoogForm(parent),
      labelA_(new QLabel),
      labelB_(new QLabel),
      lijstA_(new QListWidget),
      lijstB_(new QListWidget) {
  setObjectName("NieuweRelatieDialoog");
  lijstA_->setObjectName("PartnerALijst");
  lijstB_->setObjectName("PartnerBLijst");
  ZetHelpOnderwerp(THelpOnderwerp("Horoskoopdatabanken"));
  auto* layout = new QGridLayout(Inhoud());
  layout->addWidget(labelA_, 0, 0);
  layout->addWidget(labelB_, 0, 1);
  layout->addWidget(lijstA_, 1, 0);
  layout->addWidget(lijstB_, 1, 1);

  // The selected natal horoscopes, by sort name whatever order the natal page shows.
  std::vector<std::tuple<std::string, std::string, std::int64_t>> horoskopen;
  const TQ4HorTabel& tabel = dm.GebTabel;
  if (tabel.IsOpen())
    for (int p = 0; p < tabel.AantalRecords(); ++p)
      horoskopen.emplace_back(tabel.WaardeOp(p, VeldSName).AlsTekst(), tabel.WaardeOp(p, VeldName).AlsTekst(),
                              tabel.InputNrOp(p));
  std::stable_sort(horoskopen.begin(), horoskopen.end());
  for (const auto& [sNaam, naam, nr] : horoskopen) {
    for (QListWidget* lijst : {lijstA_, lijstB_}) {
      auto* item = new QListWidgetItem(QString::fromStdString(naam), lijst);
      item->setData(Qt::UserRole, static_cast<qlonglong>(nr));
    }
  }
  if (lijstA_->count() > 0) {
    lijstA_->setCurrentRow(0);
    lijstB_->setCurrentRow(0);
  }
  Labels();
}

void TNieuweRelatieDialoog::Labels() {
  TBasisDialoogForm::Labels();
  setWindowTitle(QString::fromLatin1(NieuweRelatieTitel));
  labelA_->setText(QString::fromStdString(Vertaal("Horoskoop") + " A"));
  labelB_->setText(QString::fromStdString(Vertaal("Horoskoop") + " B"));
}

std::int64_t TNieuweRelatieDialoog::PartnerA() const { return Gekozen(lijstA_); }
std::int64_t TNieuweRelatieDialoog::PartnerB() const { return Gekozen(lijstB_); }
bool TNieuweRelatieDialoog::KiesA(std::int64_t nr) { return KiesIn(lijstA_, nr); }
bool TNieuweRelatieDialoog::KiesB(std::int64_t nr) { return KiesIn(lijstB_, nr); }

bool TNieuweRelatieDialoog::Kies(TQ4DataModule& dm, QWidget* ouder, std::int64_t& a, std::int64_t& b) {
  TNieuweRelatieDialoog dlg(dm, ouder);
  if (dlg.exec() != QDialog::Accepted || dlg.PartnerA() < 0 || dlg.PartnerB() < 0) return false;
  a = dlg.PartnerA();
  b = dlg.PartnerB();
  return true;
}

}  // namespace orvan
