#include "time_place/ui/KiesPlaats.h"

#include <QLabel>
#include <QVBoxLayout>

#include "shell/Instellingen.h"
#include "shell/Interaktie.h"
#include "shell/LangUtils.h"
#include "time_place/Cp1252.h"
#include "time_place/ui/PlaatsLijstViewer.h"

namespace orvan {

TKiesPlaatsDlg::TKiesPlaatsDlg(const char* titelSleutel, const char* labelSleutel, QWidget* parent,
                               std::string map)
    : TBasisDialoogForm(parent),
      titelSleutel_(titelSleutel),
      labelSleutel_(labelSleutel),
      label_(new QLabel(Inhoud())),
      viewer_(new TPlaatsLijstViewer(Inhoud(), std::move(map))) {
  setObjectName("KiesPlaatsDlg");
  label_->setObjectName("KiesLabel");
  label_->setBuddy(viewer_);
  auto* layout = new QVBoxLayout(Inhoud());
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(label_);
  layout->addWidget(viewer_);
  viewer_->setFocus(Qt::OtherFocusReason);
  Labels();
}

PlaatsRec TKiesPlaatsDlg::Plaats() const {
  PlaatsRec p = viewer_->HuidigePlaats();
  p.Gewist = 0;
  return p;
}

bool TKiesPlaatsDlg::MagSluiten() {
  if (!Snoei(viewer_->HuidigePlaats().Naam).empty()) return true;
  Meldingen().Melding(Vertaal("Opgelet"), Vertaal("GeenPlaatsGekozen"), "");
  viewer_->setFocus(Qt::OtherFocusReason);
  return false;
}

void TKiesPlaatsDlg::Labels() {
  TBasisDialoogForm::Labels();
  setWindowTitle(QString::fromStdString(Vertaal(titelSleutel_)));
  label_->setText(QString::fromStdString(Vertaal(labelSleutel_)));
}

bool KiesPlaats(PlaatsRec& plaats, const char* titelSleutel, const char* labelSleutel,
                QWidget* ouder) {
  TKiesPlaatsDlg dlg(titelSleutel, labelSleutel, ouder);
  if (!Snoei(plaats.Naam).empty()) dlg.Viewer()->ToonPlaats(plaats);
  if (dlg.exec() != QDialog::Accepted) return false;
  plaats = dlg.Plaats();
  return true;
}

bool KiesStandaardPlaats(QWidget* ouder) {
  PlaatsRec plaats = Instellingen.StdPlaats;
  if (!KiesPlaats(plaats, TaalSleutel("StdPlaats"), TaalSleutel("SelekteerStdPlts"), ouder))
    return false;
  // The settings keep at most 35 characters of the name and 8 of the zone.
  plaats.Naam = EersteTekens(plaats.Naam, PlaatsNaamMax);
  plaats.Zone = EersteTekens(plaats.Zone, PlaatsZoneMax);
  plaats.Gewist = 0;
  Instellingen.StdPlaats = plaats;
  return true;
}

}  // namespace orvan
