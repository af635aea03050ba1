// Every translation key the program uses must have a text in all four languages in the shipped
// language table. Keys are found in the sources as the literal argument of Vertaal(...) or
// TaalSleutel(...); tests are not scanned.

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>

namespace fs = std::filesystem;

namespace {

struct TGebruik {
  std::string bestand;
  int regel = 0;
};

std::multimap<std::string, TGebruik> ZoekSleutels(const std::string& tekst, const std::string& bestand) {
  static const std::regex patroon(R"re(\b(?:Vertaal|TaalSleutel)\s*\(\s*"((?:[^"\\]|\\.)*)"\s*\))re");
  std::multimap<std::string, TGebruik> gevonden;
  for (auto it = std::sregex_iterator(tekst.begin(), tekst.end(), patroon);
       it != std::sregex_iterator(); ++it) {
    const auto positie = static_cast<std::size_t>(it->position(0));
    const int regel = 1 + static_cast<int>(std::count(tekst.begin(), tekst.begin() + positie, '\n'));
    gevonden.emplace((*it)[1].str(), TGebruik{bestand, regel});
  }
  return gevonden;
}

bool IsOverslagen(const fs::path& relatief) {
  for (const auto& deel : relatief) {
    const std::string d = deel.string();
    if (d == "tests" || d == ".git" || d.rfind("build", 0) == 0) return true;
  }
  return false;
}

std::multimap<std::string, TGebruik> SleutelsInDeBron() {
  std::multimap<std::string, TGebruik> alle;
  const fs::path bron = ORVAN_SOURCE_DIR;
  for (const auto& e : fs::recursive_directory_iterator(bron)) {
    const fs::path relatief = fs::relative(e.path(), bron);
    if (!e.is_regular_file() || IsOverslagen(relatief)) continue;
    const auto ext = e.path().extension();
    if (ext != ".cpp" && ext != ".h") continue;
    std::ifstream in(e.path());
    std::stringstream inhoud;
    inhoud << in.rdbuf();
    alle.merge(ZoekSleutels(inhoud.str(), relatief.string()));
  }
  return alle;
}

TEST(TranslationKeys, ScannerFindsBothForms) {
  const auto gevonden = ZoekSleutels(
      "x = Vertaal(\"Opgelet\");\n  TaalSleutel( \"geoNB\" ), MijnVertaal(\"Nee\"); Vertaal(naam);",
      "f.cpp");
  ASSERT_EQ(gevonden.size(), 2u);
  EXPECT_EQ(gevonden.count("Opgelet"), 1u);
  EXPECT_EQ(gevonden.find("geoNB")->second.regel, 2);
}

TEST(TranslationKeys, EveryKeyUsedInTheCodeHasFourTexts) {
  const auto gebruikt = SleutelsInDeBron();
  ASSERT_FALSE(gebruikt.empty()) << "no translation keys found under " << ORVAN_SOURCE_DIR;

  const std::string pad = std::string(ORVAN_BUILD_DATA_DIR) + "/strings.db";
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open_v2(pad.c_str(), &db, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK) << pad;
  sqlite3_stmt* stmt = nullptr;
  ASSERT_EQ(sqlite3_prepare_v2(db, "select NL, EN, FR, DU from strings where identifier = ?1", -1,
                               &stmt, nullptr),
            SQLITE_OK)
      << sqlite3_errmsg(db);

  const char* talen[] = {"NL", "EN", "FR", "DU"};
  std::set<std::string> gemeld;
  for (const auto& [sleutel, gebruik] : gebruikt) {
    if (!gemeld.insert(sleutel).second) continue;
    sqlite3_reset(stmt);
    sqlite3_bind_text(stmt, 1, sleutel.c_str(), -1, SQLITE_TRANSIENT);
    if (sqlite3_step(stmt) != SQLITE_ROW) {
      ADD_FAILURE() << gebruik.bestand << ":" << gebruik.regel << ": the key \"" << sleutel
                    << "\" is not in the language table";
      continue;
    }
    for (int i = 0; i < 4; ++i) {
      const unsigned char* t = sqlite3_column_text(stmt, i);
      if (!t || !*t)
        ADD_FAILURE() << gebruik.bestand << ":" << gebruik.regel << ": the key \"" << sleutel
                      << "\" has no " << talen[i] << " text";
    }
  }
  sqlite3_finalize(stmt);
  sqlite3_close(db);
}

}  // namespace
