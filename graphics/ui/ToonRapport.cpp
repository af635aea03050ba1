#include "graphics/ui/ToonRapport.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include "graphics/RTFBestanden.h"
#include "shell/Instellingen.h"
#include "shell/Interaktie.h"
#include "shell/LangUtils.h"

namespace orvan {

namespace {
inline constexpr const char* RapportNaam = "Noname.rtf";
}  // namespace

QString ZoekTekstverwerker(QStringList& extraArgumenten) {
  extraArgumenten.clear();
  const QString lowriter = QStandardPaths::findExecutable(QStringLiteral("lowriter"));
  if (!lowriter.isEmpty()) return lowriter;
  for (const char* naam : {"libreoffice", "soffice"}) {
    const QString pad = QStandardPaths::findExecutable(QString::fromLatin1(naam));
    if (!pad.isEmpty()) {
      extraArgumenten << QStringLiteral("--writer");
      return pad;
    }
  }
  return {};
}

TRapportOpener RapportOpener(bool wordpadUitvoer, const QString& woordverwerker) {
  TRapportOpener o;
  o.map = QString::fromStdString(RapportMap());
  if (wordpadUitvoer && !woordverwerker.isEmpty()) {
    o.tekstverwerker = true;
    o.programma = woordverwerker;
    o.argumenten << QString::fromLatin1(RapportNaam);
  }
  return o;
}

bool ToonRapport() {
  QStringList extra;
  const QString woordverwerker = Instellingen.WordpadUitvoer ? ZoekTekstverwerker(extra) : QString();
  TRapportOpener o = RapportOpener(Instellingen.WordpadUitvoer, woordverwerker);
  bool gelukt = false;
  if (o.tekstverwerker) {
    gelukt = QProcess::startDetached(o.programma, extra + o.argumenten, o.map);
  } else {
    gelukt = QDesktopServices::openUrl(
        QUrl::fromLocalFile(QString::fromStdString(RapportBestand())));
  }
  if (!gelukt)
    Meldingen().Melding(Vertaal("Fout"), Vertaal("GeenRTFToepassing"), "UitvoerViaRapport");
  return gelukt;
}

}  // namespace orvan
