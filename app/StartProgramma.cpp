#include "app/StartProgramma.h"

#include <QApplication>
#include <QEventLoop>
#include <clocale>
#include <string>

#include "astro/PlaCalculator.h"
#include "database/Q4DataModuleUnit.h"
#include "database/Q4HorDBLink.h"
#include "database/ui/DatabankPaginas.h"
#include "graphics/RTFBestanden.h"
#include "graphics/RTFRapport.h"
#include "horoscope/AktieveHoroskopen.h"
#include "horoscope/ui/PeriodeDialogen.h"
#include "shell/Interaktie.h"
#include "shell/LangUtils.h"
#include "shell/ProgrammaMap.h"
#include "shell/Q4Instel.h"
#include "shell/ui/DesktopInteraktie.h"
#include "shell/ui/HelpVenster.h"
#include "shell/ui/Q4About.h"
#include "shell/ui/Q5Hoofd.h"
#include "shell/ui/WachtVenster.h"
#include "time_place/ui/VerschilGMTVenster.h"

namespace orvan {

bool StartModules() {
  std::string fout;
  if (!OpenProgrammaMap(fout)) {
    Meldingen().Melding("", fout, "");
    Toepassing().Beeindig(1);
    return false;
  }
  // The active charts and the calculation defaults, with the one planet calculator.
  if (!StartPlaCalculator()) return false;
  StartAktieveHoroskopen();
  if (!StartTaalTabel()) return false;
  if (!StartRTFBestanden()) {
    Meldingen().Melding("", "Cannot create the folders \"" + ProgrammaMap() + "temp/\" and \"" +
                                ProgrammaMap() + "reports/\".", "");
    Toepassing().Beeindig(1);
    return false;
  }
  // Number texts and the settings file use '.' whatever the user's locale says.
  std::setlocale(LC_NUMERIC, "C");
  return StartInstellingen();
}

std::unique_ptr<TQ5HoofdForm> MaakVensters(TDesktopInteraktie& interaktie) {
  auto hoofd = std::make_unique<TQ5HoofdForm>();
  MaakWachtForm();
  TAktieveHoroskopen& akt = AktieveHoroskopen();
  // The data module shows its own message when the database cannot be opened; the program goes on
  // without one, and the database administration can open another.
  Q4DataModuleCreate();
  KoppelHoroskoop(akt.Natal());
  KoppelHoroskoop(akt.Partner());
  Q4DataModule().DatabankGeopend = [h = hoofd.get()] {
    AktieveHoroskopen().NaDatabankWissel();
    h->DatabankGewijzigd();
  };
  MaakDatabankPaginas(*hoofd, Q4DataModule());
  MaakPeriodeDialogen();
  interaktie.ProgresForm();
  return hoofd;
}

void StopProgramma() {
  BewaarInstellingen();
  WisTijdelijkeRapporten();
  StopHelpVenster();
  VrijPeriodeDialogen();
  VrijWachtForm();
  Q4DataModule().DatabankGeopend = {};
  Q4DataModuleDestroy();
  StopAktieveHoroskopen();
  HerstelPlaCalculator();
  SluitTaalTabel();
}

int VoerProgrammaUit(TDesktopInteraktie& interaktie) {
  interaktie.ZetOpruimen([] { WisTijdelijkeRapporten(); });
  if (!StartModules()) return 1;

  QCoreApplication::setApplicationName(QString::fromLatin1(ToepassingsTitel));
  ZetHelpBestand("orvan5.hlp");
  StartHelpVenster();

  auto splash = std::make_unique<TQ4AboutForm>();
  splash->show();
  splash->repaint();
  QCoreApplication::processEvents();

  std::unique_ptr<TQ5HoofdForm> hoofd = MaakVensters(interaktie);
  QObject::connect(hoofd.get(), &TQ5HoofdForm::Gesloten, qApp, &QCoreApplication::quit);
  // Uncertain differences to Greenwich time are asked in a window from now on.
  StartVerschilGMTVenster(hoofd.get());

  while (splash->TimerLoopt() && splash->isVisible())
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  splash.reset();

  hoofd->showMaximized();
  const int kode = interaktie.VoerHoofdlusUit();
  StopVerschilGMTVenster();
  hoofd.reset();
  StopProgramma();
  return kode;
}

}  // namespace orvan
