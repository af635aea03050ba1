#include "shell/LangUtils.h"

#include <cctype>
#include <cstdlib>
#include <vector>

#include "shell/Interaktie.h"
#include "shell/ProgrammaMap.h"
#include "shell/Sqlite.h"

namespace orvan {

std::uint8_t HuidigeTaal = 1;

namespace {

// The language names as the program knows them, in language-number order, and the primary
// language identifiers of the system locale that select them.
constexpr const char* TaalNamen[AantalTalen] = {"Nederlands", "English", "Français", "Deutsch"};
constexpr int TaalIdentifiers[AantalTalen] = {19, 9, 12, 7};
constexpr const char* TaalKodes[AantalTalen] = {"NL", "EN", "FR", "DU"};

TSqliteDb stringsDb;
TSqliteStmt zoekStmt;
TSqliteDb langIdDb;
std::string helpBestand;

std::vector<std::string> LeesTaalNamen(bool& ok) {
  std::vector<std::string> namen;
  TSqliteStmt stmt;
  std::string fout;
  ok = stmt.Bereid(langIdDb, "select LangName from LangID order by rowid", fout);
  if (!ok) return namen;
  int rc;
  while ((rc = sqlite3_step(stmt.Handle())) == SQLITE_ROW) {
    const unsigned char* tekst = sqlite3_column_text(stmt.Handle(), 0);
    namen.emplace_back(tekst ? reinterpret_cast<const char*>(tekst) : "");
  }
  ok = rc == SQLITE_DONE;
  return namen;
}

bool StartFout(const std::string& tekst) {
  Meldingen().Melding("", tekst, "");
  SluitTaalTabel();
  Toepassing().Beeindig(1);
  return false;
}

}  // namespace

std::string Vertaal(std::string_view sleutel) {
  sqlite3_stmt* stmt = zoekStmt.Handle();
  if (!stmt) return "???" + std::string(sleutel);
  sqlite3_reset(stmt);
  sqlite3_bind_text(stmt, 1, sleutel.data(), static_cast<int>(sleutel.size()), SQLITE_TRANSIENT);
  const int rc = sqlite3_step(stmt);
  if (rc == SQLITE_DONE) return "???" + std::string(sleutel);
  std::string tekst;
  bool gelezen = false;
  if (rc == SQLITE_ROW && HuidigeTaal < sqlite3_column_count(stmt) &&
      sqlite3_column_type(stmt, HuidigeTaal) != SQLITE_NULL) {
    const unsigned char* veld = sqlite3_column_text(stmt, HuidigeTaal);
    if (veld) {
      tekst = reinterpret_cast<const char*>(veld);
      gelezen = true;
    }
  }
  sqlite3_reset(stmt);
  if (!gelezen)
    Meldingen().Melding("", "Error reading string: " + std::string(sleutel) +
                                " - Install the program again.", "");
  return tekst;
}

bool KiesTaal(int n) {
  bool ok = false;
  const std::vector<std::string> namen = LeesTaalNamen(ok);
  if (!ok || namen.empty()) {
    Meldingen().Melding("", "Translation text strings not found.", "");
    return false;
  }
  HuidigeTaal = static_cast<std::uint8_t>(n >= 1 && n <= static_cast<int>(namen.size()) ? n : 1);
  ZetHelpBestand(helpBestand);
  return true;
}

std::string TaalNaam(int n) {
  bool ok = false;
  const std::vector<std::string> namen = LeesTaalNamen(ok);
  if (!ok || n < 1 || n > static_cast<int>(namen.size())) return "English";
  return namen[n - 1];
}

std::string TaalKode(std::string anders) {
  if (HuidigeTaal >= 1 && HuidigeTaal <= AantalTalen) return TaalKodes[HuidigeTaal - 1];
  return anders;
}

void ZetHelpBestand(const std::string& bestandsnaam) {
  if (bestandsnaam.empty()) return;
  std::string basis = bestandsnaam.substr(bestandsnaam.find_last_of('/') + 1);
  basis = basis.substr(0, basis.find('.'));
  basis = basis.substr(0, basis.find('-'));
  helpBestand = ProgrammaMap() + basis + "-" + TaalNaam(HuidigeTaal) + ".chm";
}

const std::string& HelpBestand() { return helpBestand; }

TSysteemTaal SysteemTaal() {
  std::string locale;
  for (const char* naam : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* waarde = std::getenv(naam);
    if (waarde && *waarde) {
      locale = waarde;
      break;
    }
  }
  const std::string::size_type eindTaal = locale.find_first_of("_.@");
  std::string taal = locale.substr(0, eindTaal);
  for (char& c : taal) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  std::string gebied;
  if (eindTaal != std::string::npos && locale[eindTaal] == '_')
    gebied = locale.substr(eindTaal + 1, locale.find_first_of(".@", eindTaal) - eindTaal - 1);

  TSysteemTaal resultaat;
  if (taal == "nl") resultaat.primair = 19;
  else if (taal == "fr") resultaat.primair = 12;
  else if (taal == "de") resultaat.primair = 7;
  else resultaat.primair = 9;
  resultaat.sub = (taal == "en" && gebied == "US") ? 1 : 0;
  return resultaat;
}

bool StartTaalTabel() {
  SluitTaalTabel();
  std::string fout;
  const std::string stringsPad = ProgrammaMap() + "strings.db";
  if (!stringsDb.OpenLeesbaar(stringsPad, fout) ||
      !zoekStmt.Bereid(stringsDb, "select * from strings where identifier = ?1", fout))
    return StartFout("Cannot open the language table \"" + stringsPad + "\": " + fout);
  const std::string langIdPad = ProgrammaMap() + "LangID";
  if (!langIdDb.OpenLeesbaar(langIdPad, fout))
    return StartFout("Cannot open the language list \"" + langIdPad + "\": " + fout);

  const int identifier = SysteemTaal().primair;
  const char* gekozen = "English";
  for (int i = 0; i < AantalTalen; ++i)
    if (TaalIdentifiers[i] == identifier) gekozen = TaalNamen[i];
  bool ok = false;
  const std::vector<std::string> namen = LeesTaalNamen(ok);
  if (!ok) return StartFout("Translation text strings not found.");
  int nummer = 0;
  for (std::size_t i = 0; i < namen.size() && nummer == 0; ++i)
    if (namen[i] == gekozen) nummer = static_cast<int>(i) + 1;
  if (!KiesTaal(nummer)) {
    SluitTaalTabel();
    Toepassing().Beeindig(1);
    return false;
  }
  return true;
}

void SluitTaalTabel() {
  zoekStmt.Wis();
  stringsDb.Sluit();
  langIdDb.Sluit();
}

}  // namespace orvan
