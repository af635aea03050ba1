#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "shell/GetalTekst.h"
#include "shell/IniBestand.h"
#include "shell/VeiligSchrijven.h"
#include "shell/tests/support/TijdelijkeMap.h"

namespace fs = std::filesystem;

namespace orvan {
namespace {

std::string LeesBestand(const std::string& pad) {
  std::ifstream in(pad, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

TEST(IniBestand, ReadsWhatItCanAndLeavesTheRestOut) {
  const TIniBestand ini = TIniBestand::VanTekst(
      "\xEF\xBB\xBF"
      "los=voor elke sectie\r\n"
      "[Eerste]\r\n"
      "  Sleutel  =  waarde met blanco's  \r\n"
      "geen gelijkteken\n"
      "; commentaar=1\n"
      "# ook=1\n"
      "=zonder naam\n"
      "Leeg=\n"
      "Dubbel=eerste\n"
      "Dubbel=tweede\n"
      "[kapot\n"
      "Verloren=1\n"
      "[]\n"
      "OokVerloren=1\n"
      "[Tweede] rest van de regel\n"
      "a=b=c\n"
      "[eerste]\n"
      "Later=1\n");
  const struct {
    const char* sektie;
    const char* sleutel;
    const char* verwacht;  // nullptr: not found
  } gevallen[] = {
      {"Eerste", "Sleutel", "waarde met blanco's"},
      {"EERSTE", "sleutel", "waarde met blanco's"},
      {"Eerste", "Leeg", ""},
      {"Eerste", "Dubbel", "eerste"},
      {"Eerste", "Later", "1"},  // a later section of the same name
      {"Tweede", "a", "b=c"},
      {"Eerste", "los", nullptr},
      {"Eerste", "geen gelijkteken", nullptr},
      {"Eerste", "; commentaar", nullptr},
      {"Eerste", "# ook", nullptr},
      {"Eerste", "Verloren", nullptr},
      {"kapot", "Verloren", nullptr},
      {"Eerste", "OokVerloren", nullptr},
      {"Tweede", "OokVerloren", nullptr},
  };
  for (const auto& g : gevallen) {
    const std::string* w = ini.Zoek(g.sektie, g.sleutel);
    const std::string gevonden = w ? *w : "<absent>";
    EXPECT_EQ(gevonden, g.verwacht ? g.verwacht : "<absent>") << g.sektie << "/" << g.sleutel;
  }
}

TEST(IniBestand, SetReplacesOrAddsInPlace) {
  TIniBestand ini = TIniBestand::VanTekst("[A]\nx=1\n[B]\ny=2\n[a]\nz=3\n");
  ini.Zet("a", "X", "10");     // replaces, keeps the name as written in the file
  ini.Zet("A", "nieuw", "4");  // appended to the first section A
  ini.Zet("C", "k", "5");      // a new section at the end
  ini.Zet("A", "z", "30");     // found in the second section A
  EXPECT_EQ(ini.Tekst(), "[A]\nx=10\nnieuw=4\n\n[B]\ny=2\n\n[a]\nz=30\n\n[C]\nk=5\n");
}

TEST(IniBestand, ValuesCannotAddLines) {
  TIniBestand ini;
  ini.Zet("general", "lijn1", "a\r\n[general]\ndatabase=/etc/\0x");
  ini.Zet("general", "lijn2", std::string("voor\0na", 7));
  const TIniBestand terug = TIniBestand::VanTekst(ini.Tekst());
  ASSERT_EQ(terug.Secties().size(), 1u);
  ASSERT_EQ(terug.Secties()[0].sleutels.size(), 2u);
  EXPECT_EQ(*terug.Zoek("general", "lijn1"), "a  [general] database=/etc/");
  EXPECT_EQ(*terug.Zoek("general", "lijn2"), "voor na");
}

TEST(GetalTekst, FloatsUseAPointAndTheShortestDigits) {
  EXPECT_EQ(ReeelTekst(2.0), "2");
  EXPECT_EQ(ReeelTekst(0.1), "0.1");
  EXPECT_EQ(ReeelTekst(-4.53), "-4.53");
  EXPECT_EQ(ReeelTekst(52.22f), "52.22");  // not the 52.2200012207031 of the widened double
  EXPECT_EQ(ReeelTekst(1e-5), "1e-05");
  for (const double x : {1.0 / 3, 19.9, 123456.789, -0.0625})
    EXPECT_EQ(std::stod(ReeelTekst(x)), x) << ReeelTekst(x);
}

TEST(GetalTekst, ReadersTakeOnlyWholeNumbers) {
  const struct {
    const char* tekst;
    bool geheelOk;
    std::int64_t geheel;
    bool reeelOk;
    double reeel;
  } gevallen[] = {
      {"12", true, 12, true, 12},
      {" -7 ", true, -7, true, -7},
      {"+3", true, 3, true, 3},
      {"2.5", false, 0, true, 2.5},
      {"2,5", false, 0, false, 0},
      {"1e3", false, 0, true, 1000},
      {"", false, 0, false, 0},
      {"+", false, 0, false, 0},
      {"+-3", false, 0, false, 0},
      {"12abc", false, 0, false, 0},
      {"0x10", false, 0, false, 0},
      {"nan", false, 0, false, 0},
      {"inf", false, 0, false, 0},
      {"1e400", false, 0, false, 0},
      {"99999999999999999999", false, 0, true, 1e20},
  };
  for (const auto& g : gevallen) {
    std::int64_t i = 0;
    double x = 0;
    EXPECT_EQ(LeesGeheelGetal(g.tekst, i), g.geheelOk) << "\"" << g.tekst << "\"";
    EXPECT_EQ(i, g.geheel) << "\"" << g.tekst << "\"";  // untouched when unreadable
    EXPECT_EQ(LeesReeelGetal(g.tekst, x), g.reeelOk) << "\"" << g.tekst << "\"";
    EXPECT_EQ(x, g.reeel) << "\"" << g.tekst << "\"";
  }
}

TEST(VeiligSchrijven, ReplacesTheFileAndKeepsItsPermissions) {
  const test::TTijdelijkeMap tijdelijk(false);
  const std::string& map = tijdelijk.Pad();
  const std::string pad = map + "x.ini";
  std::string fout;
  ASSERT_TRUE(SchrijfBestandVeilig(pad, "oud\n", fout)) << fout;
  ASSERT_EQ(::chmod(pad.c_str(), 0604), 0);
  ASSERT_TRUE(SchrijfBestandVeilig(pad, "nieuw\n", fout)) << fout;
  EXPECT_EQ(LeesBestand(pad), "nieuw\n");
  struct stat st {};
  ASSERT_EQ(::stat(pad.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0604u);
  EXPECT_EQ(std::distance(fs::directory_iterator(map), fs::directory_iterator()), 1);
}

TEST(VeiligSchrijven, FollowsASymbolicLink) {
  const test::TTijdelijkeMap tijdelijk(false);
  const std::string& map = tijdelijk.Pad();
  std::string fout;
  ASSERT_TRUE(SchrijfBestandVeilig(map + "echt.ini", "oud\n", fout)) << fout;
  fs::create_symlink(map + "echt.ini", map + "link.ini");
  ASSERT_TRUE(SchrijfBestandVeilig(map + "link.ini", "nieuw\n", fout)) << fout;
  EXPECT_TRUE(fs::is_symlink(map + "link.ini"));
  EXPECT_EQ(LeesBestand(map + "echt.ini"), "nieuw\n");
}

TEST(VeiligSchrijven, AMissingFolderIsReportedAndLeavesNothing) {
  const test::TTijdelijkeMap tijdelijk(false);
  const std::string& map = tijdelijk.Pad();
  std::string fout;
  EXPECT_FALSE(SchrijfBestandVeilig(map + "weg/x.ini", "x", fout));
  EXPECT_NE(fout.find("weg/x.ini"), std::string::npos) << fout;
  EXPECT_FALSE(fs::exists(map + "weg"));
}

}  // namespace
}  // namespace orvan
