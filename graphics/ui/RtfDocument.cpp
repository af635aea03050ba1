#include "graphics/ui/RtfDocument.h"

#include <QFont>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLength>
#include <cstring>

#include "graphics/RTFLezer.h"

namespace orvan {

namespace {

QString Kleine(const std::string& s) { return QString::fromStdString(s).trimmed().toLower(); }

bool IsVasteBreedte(const QString& familie) {
  return familie == QLatin1String("Liberation Mono") || familie.contains(QLatin1String("Mono")) ||
         familie.contains(QLatin1String("Courier"), Qt::CaseInsensitive);
}

Qt::Alignment Uitlijning(int soort) {
  switch (soort) {
    case 1:
      return Qt::AlignHCenter;
    case 2:
      return Qt::AlignRight;
    case 3:
      return Qt::AlignJustify;
    default:
      return Qt::AlignLeft;
  }
}

QTextBlockFormat AlineaFormaat(const TRtfAlinea& a) {
  QTextBlockFormat f;
  f.setAlignment(Uitlijning(a.opmaak.uitlijning));
  f.setLeftMargin(TwipsInPixels(a.opmaak.links));
  f.setRightMargin(TwipsInPixels(a.opmaak.rechts));
  f.setTextIndent(TwipsInPixels(a.opmaak.eersteRegel));
  f.setTopMargin(0);
  f.setBottomMargin(0);
  if (a.nieuwePagina) f.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
  return f;
}

QTextCharFormat TekenFormaat(const TRtfTekenOpmaak& t, const TRtfDocument& rtf) {
  QTextCharFormat f;
  std::string naam = rtf.LetterNaam(t.letter);
  if (naam.empty()) naam = rtf.LetterNaam(rtf.standaardLetter);
  const QString familie = LetterFamilie(naam.empty() ? std::string("Arial") : naam);
  f.setFontFamilies({familie});
  f.setFontStyleHint(IsVasteBreedte(familie) ? QFont::TypeWriter : QFont::SansSerif);
  f.setFontFixedPitch(IsVasteBreedte(familie));
  f.setFontPointSize(t.halvePunten / 2.0);
  f.setFontWeight(t.vet ? QFont::Bold : QFont::Normal);
  f.setFontItalic(t.cursief);
  f.setFontUnderline(t.onderstreept);
  return f;
}

}  // namespace

QString LetterFamilie(const std::string& rtfNaam) {
  QString naam = Kleine(rtfNaam);
  for (const char* variant : {" ce", " cyr", " baltic", " greek", " tur"})
    if (naam.endsWith(QLatin1String(variant))) naam.chop(static_cast<int>(std::strlen(variant)));
  if (naam == QLatin1String("arial") || naam == QLatin1String("helvetica"))
    return QStringLiteral("Liberation Sans");
  if (naam == QLatin1String("arial narrow")) return QStringLiteral("Liberation Sans Narrow");
  if (naam == QLatin1String("courier new") || naam == QLatin1String("courier"))
    return QStringLiteral("Liberation Mono");
  if (naam == QLatin1String("times new roman") || naam == QLatin1String("times"))
    return QStringLiteral("Liberation Serif");
  return QString::fromStdString(rtfNaam).trimmed();
}

double TwipsInPixels(int twips) { return twips * 96.0 / 1440.0; }

void VulTekstDocument(QTextDocument& doc, const TRtfDocument& rtf) {
  doc.clear();
  doc.setDocumentMargin(12);
  QTextCursor cursor(&doc);
  bool eerste = true;
  for (const TRtfAlinea& a : rtf.alineas) {
    QTextBlockFormat blok = AlineaFormaat(a);
    if (a.nieuwePagina && !eerste) {
      // On the screen the new page shows as a rule across the window.
      QTextBlockFormat regel;
      regel.setProperty(QTextFormat::BlockTrailingHorizontalRulerWidth,
                        QTextLength(QTextLength::PercentageLength, 100));
      cursor.insertBlock(regel);
    }
    if (eerste)
      cursor.setBlockFormat(blok);
    else
      cursor.insertBlock(blok);
    eerste = false;
    for (const TRtfStuk& s : a.stukken)
      cursor.insertText(QString::fromStdString(s.tekst), TekenFormaat(s.opmaak, rtf));
    if (a.stukken.empty()) {
      // An empty paragraph keeps the height of its font.
      cursor.setBlockCharFormat(TekenFormaat(a.eindOpmaak, rtf));
    }
  }
}

}  // namespace orvan
