#include "shell/Aspekten.h"

#include <cmath>
#include <string_view>

#include "shell/GetalTekst.h"
#include "shell/Interaktie.h"
#include "shell/LangUtils.h"
#include "shell/ProgrammaMap.h"
#include "shell/Sqlite.h"
#include "shell/Utf8Tekst.h"

namespace orvan {

std::array<AspektRec, MaxAspekten + 1> Aspekten;
std::uint8_t AantalAspekten = 0;

namespace {

// The fields read by name, in the order of their indexes below.
constexpr const char* VeldNamen[] = {"AspHoek", "Orb",        "Rood",  "Groen",
                                     "Blauw",   "TekenDikte", "Bitmap"};
enum {
  VeldHoek,
  VeldOrb,
  VeldRood,
  VeldGroen,
  VeldBlauw,
  VeldDikte,
  VeldBitmap,
  VeldNaam,
  AantalVelden
};

// Offset of the name column of language n in the field order of the shipped table.
constexpr int NaamPositieVerschuiving = 5;

bool GelijkZonderHoofdletters(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto k = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (k(a[i]) != k(b[i])) return false;
  }
  return true;
}

int ZoekKolom(sqlite3_stmt* stmt, std::string_view naam) {
  for (int i = 0; i < sqlite3_column_count(stmt); ++i)
    if (const char* k = sqlite3_column_name(stmt, i); k && GelijkZonderHoofdletters(k, naam))
      return i;
  return -1;
}

bool LeesReeel(sqlite3_stmt* stmt, int kolom, double& x) {
  const int type = sqlite3_column_type(stmt, kolom);
  if (type != SQLITE_INTEGER && type != SQLITE_FLOAT) return false;
  x = sqlite3_column_double(stmt, kolom);
  return std::isfinite(x);
}

bool LeesByte(sqlite3_stmt* stmt, int kolom, std::uint8_t& b) {
  double x = 0;
  if (!LeesReeel(stmt, kolom, x) || x != std::floor(x) || x < 0 || x > 255) return false;
  b = static_cast<std::uint8_t>(x);
  return true;
}

std::string LeesTekst(sqlite3_stmt* stmt, int kolom) {
  const unsigned char* t = sqlite3_column_text(stmt, kolom);
  return t ? reinterpret_cast<const char*>(t) : "";
}

bool LeesRij(sqlite3_stmt* stmt, const int (&kolom)[AantalVelden], AspektRec& a) {
  if (!LeesReeel(stmt, kolom[VeldHoek], a.AspHoek) || a.AspHoek < 0 || a.AspHoek > 180)
    return false;
  if (!LeesReeel(stmt, kolom[VeldOrb], a.Orb) || !(a.Orb > 0)) return false;
  if (!LeesByte(stmt, kolom[VeldRood], a.Rood) || !LeesByte(stmt, kolom[VeldGroen], a.Groen) ||
      !LeesByte(stmt, kolom[VeldBlauw], a.Blauw) || !LeesByte(stmt, kolom[VeldDikte], a.TekenDikte))
    return false;
  std::string naam = KnipTekens(LeesTekst(stmt, kolom[VeldNaam]), AspektNaamLengte);
  if (naam.empty()) naam = ReeelTekst(a.AspHoek) + "°";
  a.Naam = VulAanTekens(naam, AspektNaamLengte);
  const std::string bitmap = LeesTekst(stmt, kolom[VeldBitmap]);
  if (bitmap.empty())
    a.Bitmap.clear();
  else
    a.Bitmap = (bitmap[0] == '/' ? "" : ProgrammaMap()) + bitmap + ".bmp";
  return true;
}

bool LeesTabel(std::array<AspektRec, MaxAspekten + 1>& tabel, int& aantal) {
  TSqliteDb db;
  TSqliteStmt stmt;
  std::string fout;
  if (!db.OpenLeesbaar(ProgrammaMap() + AspektenBestand, fout) ||
      !stmt.Bereid(db, "select * from aspekten order by rowid", fout))
    return false;
  sqlite3_stmt* s = stmt.Handle();
  int kolom[AantalVelden];
  for (int i = 0; i < VeldNaam; ++i)
    if ((kolom[i] = ZoekKolom(s, VeldNamen[i])) < 0) return false;
  kolom[VeldNaam] = ZoekKolom(s, "Naam" + TaalKode());
  if (kolom[VeldNaam] < 0) {
    // A language beyond the four known codes: its column by position.
    kolom[VeldNaam] = HuidigeTaal + NaamPositieVerschuiving;
    if (kolom[VeldNaam] >= sqlite3_column_count(s)) return false;
  }
  aantal = 0;
  int rc;
  while ((rc = sqlite3_step(s)) == SQLITE_ROW) {
    if (++aantal > MaxAspekten || !LeesRij(s, kolom, tabel[aantal])) return false;
  }
  return rc == SQLITE_DONE;
}

}  // namespace

bool LeesAspekten() {
  AantalAspekten = 0;
  std::array<AspektRec, MaxAspekten + 1> tabel;
  int aantal = 0;
  if (!LeesTabel(tabel, aantal)) {
    Meldingen().Melding("", "Error reading aspect file. Re-install the program.", "");
    Toepassing().Beeindig(1);
    return false;
  }
  Aspekten = std::move(tabel);
  AantalAspekten = static_cast<std::uint8_t>(aantal);
  return true;
}

void WisAspekten() {
  Aspekten = {};
  AantalAspekten = 0;
}

}  // namespace orvan
