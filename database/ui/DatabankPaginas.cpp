#include "database/ui/DatabankPaginas.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QTabWidget>
#include <QVBoxLayout>
#include <memory>

#include "database/Q4DataModuleUnit.h"
#include "database/ui/GebHorSelektie.h"
#include "database/ui/HorDBAdmin.h"
#include "database/ui/RelatieEigBewerking.h"
#include "shell/ui/FQ5_Hornavigatie.h"
#include "shell/ui/Q5Hoofd.h"

namespace orvan {

namespace {

// Puts a frame on a page of the main window, filling it.
void ZetOpPagina(QTabWidget* pages, int pagina, QWidget* frame) {
  auto* layout = new QVBoxLayout(pages->widget(pagina));
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(frame);
}

// The relationships page: refreshed when entered, its choice of both charts reported to the main
// window; the navigation page's relationship buttons show its keywords or its properties.
void MaakRelatiePagina(TQ5HoofdForm& hoofd, TQ4DataModule& dm) {
  QTabWidget* pages = hoofd.HoofdPageControl();
  auto* relaties = new TFQ5RelatieEigBewerking(dm);
  ZetOpPagina(pages, TQ5HoofdForm::RelatEigSheet, relaties);
  relaties->BeideGekozen = [&hoofd] { hoofd.RelatieGekozen(); };
  QObject::connect(pages, &QTabWidget::currentChanged, relaties, [relaties](int i) {
    if (i == TQ5HoofdForm::RelatEigSheet) relaties->Ververs();
  });
  if (pages->currentIndex() == TQ5HoofdForm::RelatEigSheet) relaties->Ververs();
  hoofd.Navigatie()->NaarRelaties = [pages, relaties](bool eigenschappen) {
    if (pages->currentIndex() == TQ5HoofdForm::RelatEigSheet)
      relaties->Ververs();
    else
      pages->setCurrentIndex(TQ5HoofdForm::RelatEigSheet);
    relaties->ZoekAktieveRelatie();
    if (eigenschappen)
      relaties->ToonEigenschappen();
    else
      relaties->ToonSteekwoorden();
  };
  dm.DatabankGeopend = [vorige = dm.DatabankGeopend, relaties, pages] {
    if (vorige) vorige();
    if (pages->currentIndex() == TQ5HoofdForm::RelatEigSheet) relaties->Ververs();
  };
}

}  // namespace

TFQ5GebHorSelektie* MaakDatabankPaginas(TQ5HoofdForm& hoofd, TQ4DataModule& dm) {
  QTabWidget* pages = hoofd.HoofdPageControl();
  auto* frame = new TFQ5GebHorSelektie(dm);
  ZetOpPagina(pages, TQ5HoofdForm::GebHorSelSheet, frame);
  frame->AktHorGekozen = [&hoofd] { hoofd.GeboorteGekozen(); };
  frame->PartnerGekozen = [&hoofd] { hoofd.PartnerGekozen(); };
  // The natal page is in partner mode only when the partner select button opened it.
  auto partnerModus = std::make_shared<bool>(false);
  auto toonNatal = [frame, partnerModus] {
    frame->Toon(TFQ5GebHorSelektie::ModusNatal, *partnerModus);
    *partnerModus = false;
  };
  QObject::connect(pages, &QTabWidget::currentChanged, frame, [toonNatal](int i) {
    if (i == TQ5HoofdForm::GebHorSelSheet) toonNatal();
  });
  if (pages->currentIndex() == TQ5HoofdForm::GebHorSelSheet) frame->Toon(0, false);

  // The same frame in event mode on the events page.
  auto* momenten = new TFQ5GebHorSelektie(dm);
  ZetOpPagina(pages, TQ5HoofdForm::GebeurtenissenSheet, momenten);
  momenten->AktHorGekozen = [&hoofd] { hoofd.GeboorteGekozen(); };
  momenten->MomentGekozen = [&hoofd] { hoofd.MomentGekozen(); };
  QObject::connect(pages, &QTabWidget::currentChanged, momenten, [momenten](int i) {
    if (i == TQ5HoofdForm::GebeurtenissenSheet) momenten->Toon(TFQ5GebHorSelektie::ModusGebeurtenis, false);
  });
  if (pages->currentIndex() == TQ5HoofdForm::GebeurtenissenSheet)
    momenten->Toon(TFQ5GebHorSelektie::ModusGebeurtenis, false);

  // The navigation page's select buttons: the partner button opens the natal page in partner
  // mode, the event button the events page on the active horoscope's events; the keywords,
  // properties and info buttons open a page with that side tab.
  TFQ5HorNavigatie* navigatie = hoofd.Navigatie();
  using TSelektie = TFQ5HorNavigatie::TSelektie;
  auto naarPagina = [pages, toonNatal, momenten](TSelektie s) {
    const int pagina = s == TSelektie::Moment ? TQ5HoofdForm::GebeurtenissenSheet : TQ5HoofdForm::GebHorSelSheet;
    if (pages->currentIndex() != pagina)
      pages->setCurrentIndex(pagina);
    else if (s == TSelektie::Moment)
      momenten->Toon(TFQ5GebHorSelektie::ModusGebeurtenis, false);
    else
      toonNatal();
  };
  navigatie->NaarSelektie = [naarPagina, partnerModus, momenten](TSelektie s) {
    *partnerModus = s == TSelektie::Partner;
    if (s == TSelektie::Moment)
      momenten->GebeurtenisFilter()->button(TFQ5GebHorSelektie::AktieveHor)->setChecked(true);
    naarPagina(s);
  };
  navigatie->NaarZijTab = [naarPagina, frame, momenten](TSelektie s, TFQ5HorNavigatie::TZijTab tab) {
    using TZijTab = TFQ5HorNavigatie::TZijTab;
    const int zijTab = tab == TZijTab::Info            ? TFQ5GebHorSelektie::TabInfo
                       : tab == TZijTab::Eigenschappen ? TFQ5GebHorSelektie::TabEigenschappen
                                                       : TFQ5GebHorSelektie::TabSteekWoorden;
    (s == TSelektie::Moment ? momenten : frame)->ToonZijTab(zijTab);
    naarPagina(s);
  };

  auto* admin = new TFQ5HorDBAdmin(dm);
  ZetOpPagina(pages, TQ5HoofdForm::DBInfoSheet, admin);
  QObject::connect(pages, &QTabWidget::currentChanged, admin, [admin](int i) {
    if (i == TQ5HoofdForm::DBInfoSheet) admin->Ververs();
  });
  admin->Ververs();
  // Property fields created or deleted: the grids show the new columns.
  admin->EigenschappenGewijzigd = [frame, momenten] {
    frame->Ververs();
    momenten->Ververs();
  };

  // Another database opened: the page in view is refreshed.
  dm.DatabankGeopend = [vorige = dm.DatabankGeopend, frame, momenten, admin, pages] {
    if (vorige) vorige();
    if (pages->currentIndex() == TQ5HoofdForm::GebHorSelSheet) frame->Toon(0, false);
    if (pages->currentIndex() == TQ5HoofdForm::GebeurtenissenSheet)
      momenten->Toon(TFQ5GebHorSelektie::ModusGebeurtenis, false);
    if (pages->currentIndex() == TQ5HoofdForm::DBInfoSheet) admin->Ververs();
  };
  MaakRelatiePagina(hoofd, dm);
  return frame;
}

}  // namespace orvan
