// Builds the language table "strings.db" and the language list "LangID" from their reviewable
// sources: a TSV of the language names in language-number order, and TSV files of keys with their
// texts in Dutch, English, French and German (one file per subsystem, merged here).
//
//   maak_taaltabel OUTDIR LANGID.tsv STRINGS.tsv...
//
// Refuses a key that occurs twice and a row with an empty text, so every key that ships has its
// four texts.

#include <iostream>
#include <set>

#include "tools/SqliteSchrijver.h"
#include "tools/TsvLezer.h"

using namespace orvan::tools;

int main(int argc, char** argv) {
  if (argc < 4) {
    std::cerr << "usage: maak_taaltabel OUTDIR LANGID.tsv STRINGS.tsv...\n";
    return 2;
  }
  const std::string uit = std::string(argv[1]) + "/";
  std::string fout;
  TTsvTabel talen;
  if (!LeesTsv(argv[2], talen, fout)) {
    std::cerr << fout << '\n';
    return 1;
  }
  if (talen.kolommen != std::vector<std::string>{"LangName"}) {
    std::cerr << argv[2] << ": the header must be LangName\n";
    return 1;
  }
  const std::vector<std::string> verwacht = {"identifier", "NL", "EN", "FR", "DU"};
  std::vector<std::vector<std::string>> rijen;
  std::set<std::string> gezien;
  for (int a = 3; a < argc; ++a) {
    TTsvTabel teksten;
    if (!LeesTsv(argv[a], teksten, fout)) {
      std::cerr << fout << '\n';
      return 1;
    }
    if (teksten.kolommen != verwacht) {
      std::cerr << argv[a] << ": the header must be identifier, NL, EN, FR, DU\n";
      return 1;
    }
    for (std::size_t r = 0; r < teksten.rijen.size(); ++r) {
      const auto& rij = teksten.rijen[r];
      const std::string plaats = std::string(argv[a]) + ":" + std::to_string(teksten.regelNummers[r]);
      if (!gezien.insert(rij[0]).second) {
        std::cerr << plaats << ": the key \"" << rij[0] << "\" occurs twice\n";
        return 1;
      }
      for (std::size_t i = 1; i < rij.size(); ++i)
        if (rij[i].empty()) {
          std::cerr << plaats << ": the key \"" << rij[0] << "\" has no " << verwacht[i] << " text\n";
          return 1;
        }
      rijen.push_back(rij);
    }
  }
  const std::vector<TKolom> tekstKolommen = {
      {"identifier", "TEXT"}, {"NL", "TEXT"}, {"EN", "TEXT"}, {"FR", "TEXT"}, {"DU", "TEXT"}};
  const std::vector<TKolom> taalKolommen = {{"LangName", "TEXT"}};
  const std::vector<std::string> tekstIndex = {
      "create unique index strings_identifier on strings (identifier)"};
  if (!SchrijfTabel(uit + "strings.db", "strings", tekstKolommen, rijen, tekstIndex, fout) ||
      !SchrijfTabel(uit + "LangID", "LangID", taalKolommen, talen.rijen, {}, fout)) {
    std::cerr << fout << '\n';
    return 1;
  }
  return 0;
}
