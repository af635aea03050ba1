#pragma once
// Opening the running report (graphics/RTFRapport.h) outside the program. With the setting
// WordpadUitvoer the word processor is started with "Noname.rtf" in the report folder: LibreOffice
// Writer when it is installed, else the desktop's default application for the file. Without the
// setting the desktop's default application opens it. When nothing can open it, the message
// "GeenRTFToepassing" is shown (title "Fout", help keyword "UitvoerViaRapport").

#include <QString>
#include <QStringList>

namespace orvan {

struct TRapportOpener {
  bool tekstverwerker = false;   // false: the desktop's default application
  QString programma;             // the word processor
  QStringList argumenten;        // passed as a list, never through a shell
  QString map;                   // working folder
};

// How the report is opened: `woordverwerker` is the word processor found (empty when none).
TRapportOpener RapportOpener(bool wordpadUitvoer, const QString& woordverwerker);

// The installed LibreOffice Writer ("lowriter", "libreoffice" or "soffice" with "--writer"), or an
// empty text.
QString ZoekTekstverwerker(QStringList& extraArgumenten);

// Opens the running report; false after the message when it could not be opened.
bool ToonRapport();

}  // namespace orvan
