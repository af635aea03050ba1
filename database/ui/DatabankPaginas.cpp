#include "database/ui/DatabankPaginas.h"

#include <QTabWidget>
#include <QVBoxLayout>

#include "database/Q4DataModuleUnit.h"
#include "database/ui/GebHorSelektie.h"
#include "database/ui/HorDBAdmin.h"
#include "shell/ui/Q5Hoofd.h"

namespace orvan {

TFQ5GebHorSelektie* MaakDatabankPaginas(TQ5HoofdForm& hoofd, TQ4DataModule& dm) {
  QTabWidget* pages = hoofd.HoofdPageControl();
  QWidget* pagina = pages->widget(TQ5HoofdForm::GebHorSelSheet);
  auto* frame = new TFQ5GebHorSelektie(dm);
  auto* layout = new QVBoxLayout(pagina);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(frame);
  frame->AktHorGekozen = [&hoofd] { hoofd.GeboorteGekozen(); };
  QObject::connect(pages, &QTabWidget::currentChanged, frame, [frame](int i) {
    if (i == TQ5HoofdForm::GebHorSelSheet) frame->Toon(0, false);
  });
  if (pages->currentIndex() == TQ5HoofdForm::GebHorSelSheet) frame->Toon(0, false);

  QWidget* adminPagina = pages->widget(TQ5HoofdForm::DBInfoSheet);
  auto* admin = new TFQ5HorDBAdmin(dm);
  auto* adminLayout = new QVBoxLayout(adminPagina);
  adminLayout->setContentsMargins(0, 0, 0, 0);
  adminLayout->addWidget(admin);
  QObject::connect(pages, &QTabWidget::currentChanged, admin, [admin](int i) {
    if (i == TQ5HoofdForm::DBInfoSheet) admin->Ververs();
  });
  admin->Ververs();

  // Another database opened: the page in view is refreshed.
  dm.DatabankGeopend = [vorige = dm.DatabankGeopend, frame, admin, pages] {
    if (vorige) vorige();
    if (pages->currentIndex() == TQ5HoofdForm::GebHorSelSheet) frame->Toon(0, false);
    if (pages->currentIndex() == TQ5HoofdForm::DBInfoSheet) admin->Ververs();
  };
  return frame;
}

}  // namespace orvan
