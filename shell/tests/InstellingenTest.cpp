#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <clocale>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <locale>
#include <vector>

#include "shell/tests/InstellingenFixture.h"

namespace fs = std::filesystem;

namespace orvan {
namespace {

using test::InstellingenTest;
using TRegels = std::vector<std::pair<std::string, std::string>>;

// Every key in force as "section/key" with its value, in the order of the file.
TRegels InGebruikAlsRegels() {
  TRegels regels;
  const TIniBestand ini = InstellingenAlsIni();
  for (const auto& sektie : ini.Secties())
    for (const auto& sleutel : sektie.sleutels)
      regels.emplace_back(sektie.naam + "/" + sleutel.naam, sleutel.waarde);
  return regels;
}

TIniBestand AlsIni(const TRegels& regels) {
  TIniBestand ini;
  for (const auto& [pad, waarde] : regels) {
    const auto streep = pad.find('/');
    ini.Zet(pad.substr(0, streep), pad.substr(streep + 1), waarde);
  }
  return ini;
}

void VergelijkRegels(const TRegels& uitkomst, const TRegels& verwacht) {
  const std::size_t n = std::max(uitkomst.size(), verwacht.size());
  for (std::size_t i = 0; i < n; ++i) {
    const std::string u =
        i < uitkomst.size() ? uitkomst[i].first + "=" + uitkomst[i].second : "<none>";
    const std::string v =
        i < verwacht.size() ? verwacht[i].first + "=" + verwacht[i].second : "<none>";
    EXPECT_EQ(u, v) << "line " << i + 1;
  }
}

// The defaults of every key in the order the file holds them (en_US: US date order and the
// "us.sym" symbol set; English is language 2).
TRegels VerwachteStandaard(const std::string& map) {
  TRegels v;
  const auto z = [&](const std::string& k, const std::string& w) { v.emplace_back(k, w); };
  const auto b = [&](const std::string& k, bool w) { z(k, w ? "1" : "0"); };
  const auto kleur = [&](const std::string& naam, int r, int g, int bl) {
    z("Kleuren/" + naam + "R", std::to_string(r));
    z("Kleuren/" + naam + "G", std::to_string(g));
    z("Kleuren/" + naam + "B", std::to_string(bl));
  };
  z("general/database", map + "standard.hor/");
  z("general/RefDatabase", map + "standard.hor/");
  z("general/StdPlaats", "");
  z("general/StdPlaatsGB", "0");
  z("general/StdPlaatsGL", "0");
  z("general/StdPlaatsZone", "");
  b("general/WordpadUitvoer", false);
  b("general/PositiesBewaren", false);
  z("general/Taal", "2");
  z("general/Datuminvoermode", "1");
  for (int i = 1; i <= 4; ++i) z("PersInfo/lijn" + std::to_string(i), "");
  z("BerekPref/HuisSys", "5");
  b("BerekPref/GebruikWareKnoop", true);
  b("BerekPref/OokAspektenOpKuspen", false);
  z("BerekPref/MidOrb", "2");
  z("BerekPref/TraOrb", "1");
  z("BerekPref/BrFac", "2");
  const int gewichten[] = {16, 16, 8, 9, 9, 6, 6, 3, 3, 3, 1, 0, 0, 10, 10};
  for (int i = 1; i <= 15; ++i)
    z("BerekPref/Gewicht-" + std::to_string(i), std::to_string(gewichten[i - 1]));
  z("BerekPref/KompStarthuis", "10");
  z("BerekPref/PrimDirSysteem", "D");
  for (const char* gp : {"gpMajeure", "gpMineure", "gpMidpunten", "gpKuspen"})
    b(std::string("BerekPref/") + gp, true);
  z("TekPref/CirkelRotatie", "0");
  b("TekPref/HuisNummering", true);
  b("TekPref/LijndikteMin", false);
  z("TekPref/GevPtStreepjes", "0");
  z("TekPref/SymBestandsnaam", "us.sym");
  for (int i = 1; i <= 13; ++i)
    z("TekPref/PlaSym" + std::to_string(i), map + "pla" + std::to_string(i) + ".bmp");
  for (int i = 1; i <= 12; ++i)
    z("TekPref/TekenSym" + std::to_string(i), map + "tek" + std::to_string(i) + ".bmp");
  for (int i = 1; i <= 25; ++i) b("PlaOpTek/" + std::to_string(i), i <= 12);
  for (int i = 1; i <= 25; ++i) b("PlaAspOpTek/" + std::to_string(i), i <= 10);
  for (int i = 1; i <= 13; ++i) b("TraObj/" + std::to_string(i), i >= 5 && i <= 10);
  for (int i = 1; i <= 25; ++i) b("SekProgObj/" + std::to_string(i), i <= 14 || i == 23);
  for (int i = 1; i <= 25; ++i) b("PrimDirObj/" + std::to_string(i), i <= 14 || i == 23);
  b("TraOpt/tsMajeure", true);
  b("TraOpt/tsMineure", false);
  b("TraOpt/tsMidpunten", false);
  b("TraOpt/tsKuspen", true);
  b("TraOpt/tsIntrede", false);
  const int heren[] = {5, 4, 3, 2, 1, 3, 4, 10, 6, 7, 8, 9};
  for (int i = 1; i <= 12; ++i) z("Tekenheren/" + std::to_string(i), std::to_string(heren[i - 1]));
  for (const char* m : {"ProMilleLinks", "ProMilleBoven", "ProMilleRechts", "ProMilleOnder"})
    z(std::string("Marges/") + m, "35");
  kleur("Planeten", 0, 0, 0);
  kleur("Cirkel", 0, 0, 0);
  kleur("Huizen", 0, 255, 255);
  kleur("BuitenCirkel", 128, 128, 128);
  kleur("Element1", 255, 0, 0);
  kleur("Element2", 0, 128, 0);
  kleur("Element3", 128, 128, 128);
  kleur("Element4", 0, 0, 255);
  const int pla[13][3] = {{255, 0, 0},   {255, 255, 0}, {0, 128, 0}, {0, 255, 255}, {128, 0, 0},
                          {255, 0, 255}, {0, 0, 128},   {0, 0, 255}, {128, 0, 128}, {128, 128, 128},
                          {0, 0, 0},     {0, 0, 0},     {0, 0, 0}};
  for (int i = 1; i <= 13; ++i)
    kleur("Pla" + std::to_string(i), pla[i - 1][0], pla[i - 1][1], pla[i - 1][2]);
  b("Kleuren/InvZwartWit", false);
  for (const char* m :
       {"MargeProMilleLinks", "MargeProMilleBoven", "MargeProMilleRechts", "MargeProMilleOnder"})
    z(std::string("Afdruk/") + m, "35");
  b("Afdruk/MonokroomPrint", false);
  b("Afdruk/AfdrukLandscape", true);
  b("InterprPref/ToonTransitnaamInLijst", true);
  return v;
}

TEST_F(InstellingenTest, AMissingFileGivesEveryDefault) {
  ASSERT_FALSE(fs::exists(IniPad()));
  EXPECT_TRUE(LeesInstellingen());
  VergelijkRegels(InGebruikAlsRegels(), VerwachteStandaard(map.Pad()));
  EXPECT_EQ(HuidigeTaal, 2);
  EXPECT_FALSE(fs::exists(IniPad())) << "reading must not create the file";
  EXPECT_TRUE(ui.meldingen.empty());
}

// A valid value other than the default for every key, so that a key read or written wrongly shows.
std::string AnderWaarde(const std::string& pad, const std::string& standaard) {
  const std::string sektie = pad.substr(0, pad.find('/'));
  const std::string sleutel = pad.substr(pad.find('/') + 1);
  const auto nummer = [&](const std::string& voor) {
    return std::stoi(sleutel.substr(voor.size()));
  };
  if (pad == "general/database") return "/srv/horoskopen/eigen.hor/";
  if (pad == "general/RefDatabase") return "/srv/horoskopen/referentie.hor/";
  if (pad == "general/StdPlaats") return "Liège";
  if (pad == "general/StdPlaatsGB") return "50.38";
  if (pad == "general/StdPlaatsGL") return "-5.34";
  if (pad == "general/StdPlaatsZone") return "MET";
  if (pad == "general/Taal") return "3";
  if (pad == "general/Datuminvoermode") return "0";
  if (sektie == "PersInfo") return "Regel " + sleutel + " met één ü";
  if (pad == "BerekPref/HuisSys") return "2";
  if (pad == "BerekPref/MidOrb") return "1.5";
  if (pad == "BerekPref/TraOrb") return "0.75";
  if (pad == "BerekPref/BrFac") return "3.5";
  if (sleutel.rfind("Gewicht-", 0) == 0) return std::to_string(20 + nummer("Gewicht-"));
  if (pad == "BerekPref/KompStarthuis") return "1";
  if (pad == "BerekPref/PrimDirSysteem") return "R";
  if (pad == "TekPref/CirkelRotatie") return "2";
  if (pad == "TekPref/GevPtStreepjes") return "1";
  if (pad == "TekPref/SymBestandsnaam") return "b.sym";
  if (sleutel.rfind("PlaSym", 0) == 0) return "/opt/symbolen/planeet" + sleutel.substr(6) + ".bmp";
  if (sleutel.rfind("TekenSym", 0) == 0) return "/opt/symbolen/teken" + sleutel.substr(8) + ".bmp";
  if (sektie == "Tekenheren") return std::to_string(13 - std::stoi(sleutel));
  // The margins are read from "Afdruk" only; "Marges" repeats them.
  if (const auto p = sleutel.find("ProMille"); p != std::string::npos) {
    const std::string kant = sleutel.substr(p + 8);
    return kant == "Links" ? "41" : kant == "Boven" ? "42" : kant == "Rechts" ? "43" : "44";
  }
  if (sektie == "Kleuren" && sleutel != "InvZwartWit")
    return std::to_string((std::stoi(standaard) + 77) % 256);
  if (standaard == "0") return "1";
  if (standaard == "1") return "0";
  return "<no other value for " + pad + ">";
}

TEST_F(InstellingenTest, AFullFileReadsAndWritesBackUnchanged) {
  TRegels volledig = VerwachteStandaard(map.Pad());
  for (auto& [pad, waarde] : volledig) {
    const std::string ander = AnderWaarde(pad, waarde);
    ASSERT_NE(ander, waarde) << pad;
    ASSERT_EQ(ander.find("<no other"), std::string::npos) << ander;
    waarde = ander;
  }
  const std::string tekst = AlsIni(volledig).Tekst();
  SchrijfIni(tekst);

  ASSERT_TRUE(LeesInstellingen());
  VergelijkRegels(InGebruikAlsRegels(), volledig);
  EXPECT_EQ(HuidigeTaal, 3);

  ASSERT_TRUE(BewaarInstellingen());
  EXPECT_EQ(LeesIni(), tekst);
  EXPECT_TRUE(ui.meldingen.empty());
}

// One file per case; the settings are reset before each. `${MAP}` in a value stands for the
// program folder.
struct TGeval {
  const char* naam;
  const char* ini;
  std::vector<std::pair<std::string, std::string>> verwacht;
  const char* locale = "en_US.UTF-8";
};

const TGeval Gevallen[] = {
    {"a missing RefDatabase takes the database just read",
     "[general]\ndatabase=/data/mijn.hor/\n",
     {{"general/database", "/data/mijn.hor/"}, {"general/RefDatabase", "/data/mijn.hor/"}}},
    {"an empty RefDatabase stays empty",
     "[general]\nRefDatabase=\n",
     {{"general/RefDatabase", ""}, {"general/database", "${MAP}standard.hor/"}}},
    {"an empty database keeps the default",
     "[general]\ndatabase=\n",
     {{"general/database", "${MAP}standard.hor/"}, {"general/RefDatabase", "${MAP}standard.hor/"}}},
    {"a colour with only two components keeps the default",
     "[Kleuren]\nCirkelR=10\nCirkelG=20\n",
     {{"Kleuren/CirkelR", "0"}, {"Kleuren/CirkelG", "0"}, {"Kleuren/CirkelB", "0"}}},
    {"a colour component above 255 keeps the default",
     "[Kleuren]\nHuizenR=10\nHuizenG=256\nHuizenB=5\n",
     {{"Kleuren/HuizenR", "0"}, {"Kleuren/HuizenG", "255"}, {"Kleuren/HuizenB", "255"}}},
    {"a negative or unreadable component keeps the default",
     "[Kleuren]\nPla1R=-1\nPla1G=0\nPla1B=0\nPla2R=1\nPla2G=x\nPla2B=3\n",
     {{"Kleuren/Pla1R", "255"}, {"Kleuren/Pla2R", "255"}, {"Kleuren/Pla2G", "255"}}},
    {"a complete colour is taken",
     "[Kleuren]\nElement3R=1\nElement3G=2\nElement3B=3\n",
     {{"Kleuren/Element3R", "1"}, {"Kleuren/Element3G", "2"}, {"Kleuren/Element3B", "3"}}},
    {"a symbol file name without a folder is in the program folder",
     "[TekPref]\nPlaSym3=mijn3.bmp\n",
     {{"TekPref/PlaSym3", "${MAP}mijn3.bmp"}}},
    {"a relative symbol path with a folder is in the program folder too",
     "[TekPref]\nTekenSym2=eigen/teken2.bmp\n",
     {{"TekPref/TekenSym2", "${MAP}eigen/teken2.bmp"}}},
    {"an absolute symbol path stays as written",
     "[TekPref]\nTekenSym5=/opt/sym/t5.bmp\n",
     {{"TekPref/TekenSym5", "/opt/sym/t5.bmp"}}},
    {"an empty symbol path keeps the default",
     "[TekPref]\nPlaSym1=\n",
     {{"TekPref/PlaSym1", "${MAP}pla1.bmp"}}},
    {"an empty SymBestandsnaam under English gives us.sym",
     "[TekPref]\nSymBestandsnaam=\n",
     {{"TekPref/SymBestandsnaam", "us.sym"}},
     "en_GB.UTF-8"},
    {"an empty SymBestandsnaam under Dutch gives b.sym",
     "[TekPref]\nSymBestandsnaam=\n",
     {{"TekPref/SymBestandsnaam", "b.sym"}},
     "nl_NL.UTF-8"},
    {"a named SymBestandsnaam stays",
     "[TekPref]\nSymBestandsnaam=eigen.sym\n",
     {{"TekPref/SymBestandsnaam", "eigen.sym"}},
     "nl_NL.UTF-8"},
    {"a missing Datuminvoermode outside the US gives day before month",
     "",
     {{"general/Datuminvoermode", "0"}},
     "en_GB.UTF-8"},
    {"a saved Datuminvoermode wins over the US locale",
     "[general]\nDatuminvoermode=0\n",
     {{"general/Datuminvoermode", "0"}}},
    {"an invalid Datuminvoermode follows the locale",
     "[general]\nDatuminvoermode=5\n",
     {{"general/Datuminvoermode", "1"}}},
    {"a house system above 6 keeps the default",
     "[BerekPref]\nHuisSys=7\n",
     {{"BerekPref/HuisSys", "5"}}},
    {"house system 6 is taken", "[BerekPref]\nHuisSys=6\n", {{"BerekPref/HuisSys", "6"}}},
    {"an unreadable house system keeps the default",
     "[BerekPref]\nHuisSys=vijf\n",
     {{"BerekPref/HuisSys", "5"}}},
    {"a composite start house outside 1..12 keeps the default",
     "[BerekPref]\nKompStarthuis=13\n",
     {{"BerekPref/KompStarthuis", "10"}}},
    {"composite start house 0 keeps the default",
     "[BerekPref]\nKompStarthuis=0\n",
     {{"BerekPref/KompStarthuis", "10"}}},
    {"composite start house 1 is taken",
     "[BerekPref]\nKompStarthuis=1\n",
     {{"BerekPref/KompStarthuis", "1"}}},
    {"an empty PrimDirSysteem keeps the default",
     "[BerekPref]\nPrimDirSysteem=\n",
     {{"BerekPref/PrimDirSysteem", "D"}}},
    {"PrimDirSysteem takes the first letter",
     "[BerekPref]\nPrimDirSysteem=Regiomontanus\n",
     {{"BerekPref/PrimDirSysteem", "R"}}},
    {"an unknown PrimDirSysteem letter keeps the default",
     "[BerekPref]\nPrimDirSysteem=X\n",
     {{"BerekPref/PrimDirSysteem", "D"}}},
    {"a decimal comma is unreadable", "[BerekPref]\nMidOrb=2,5\n", {{"BerekPref/MidOrb", "2"}}},
    {"orbs must lie above 0 and below 20",
     "[BerekPref]\nMidOrb=0\nTraOrb=20\nBrFac=-1\n",
     {{"BerekPref/MidOrb", "2"}, {"BerekPref/TraOrb", "1"}, {"BerekPref/BrFac", "2"}}},
    {"a width factor must lie above 0 and below 100",
     "[BerekPref]\nBrFac=100\n",
     {{"BerekPref/BrFac", "2"}}},
    {"an orb just below 20 is taken", "[BerekPref]\nTraOrb=19.9\n", {{"BerekPref/TraOrb", "19.9"}}},
    {"weights outside 0..1000 keep the default",
     "[BerekPref]\nGewicht-1=-1\nGewicht-2=1001\nGewicht-3=0\n",
     {{"BerekPref/Gewicht-1", "16"}, {"BerekPref/Gewicht-2", "16"}, {"BerekPref/Gewicht-3", "0"}}},
    {"a sign ruler must be a body 1..13",
     "[Tekenheren]\n1=0\n2=14\n3=13\n",
     {{"Tekenheren/1", "5"}, {"Tekenheren/2", "4"}, {"Tekenheren/3", "13"}}},
    {"wheel rotation and ticks only 0..2",
     "[TekPref]\nCirkelRotatie=3\nGevPtStreepjes=2\n",
     {{"TekPref/CirkelRotatie", "0"}, {"TekPref/GevPtStreepjes", "2"}}},
    {"any non-zero integer reads as true, other texts keep the default",
     "[TekPref]\nHuisNummering=0\nLijndikteMin=2\n[TraOpt]\ntsMajeure=ja\ntsIntrede=-1\n",
     {{"TekPref/HuisNummering", "0"},
      {"TekPref/LijndikteMin", "1"},
      {"TraOpt/tsMajeure", "1"},
      {"TraOpt/tsIntrede", "1"}}},
    {"the place name and zone are cut to 35 and 8 characters",
     "[general]\nStdPlaats=Sint-Genesius-Rode bij Brussel, België en verder\n"
     "StdPlaatsZone=EUROPE/AMSTERDAM\n",
     {{"general/StdPlaats", "Sint-Genesius-Rode bij Brussel, Bel"},
      {"general/StdPlaatsZone", "EUROPE/A"}}},
    {"a latitude beyond the pole keeps the default",
     "[general]\nStdPlaatsGB=91\nStdPlaatsGL=-179.5\n",
     {{"general/StdPlaatsGB", "0"}, {"general/StdPlaatsGL", "-179.5"}}},
    {"the margins are read from Afdruk, not from Marges",
     "[Marges]\nProMilleLinks=100\n[Afdruk]\nMargeProMilleBoven=50\nMargeProMilleRechts=500\n",
     {{"Marges/ProMilleLinks", "35"},
      {"Afdruk/MargeProMilleLinks", "35"},
      {"Marges/ProMilleBoven", "50"},
      {"Afdruk/MargeProMilleBoven", "50"},
      {"Afdruk/MargeProMilleRechts", "35"}}},
    {"a saved language is selected", "[general]\nTaal=4\n", {{"general/Taal", "4"}}},
    {"a language that does not exist selects language 1",
     "[general]\nTaal=9\n",
     {{"general/Taal", "1"}}},
    {"an unreadable language keeps the current one",
     "[general]\nTaal=Frans\n",
     {{"general/Taal", "2"}}},
    {"garbage, unknown sections and broken headers leave the other keys",
     "HuisSys=1\nrommel zonder gelijkteken\n[Onbekend]\nHuisSys=2\n[kapot\nHuisSys=3\n"
     "[BerekPref]\n\x01\x02=\xff\nHuisSys=4\n[TekPref]\nCirkelRotatie=1\n",
     {{"BerekPref/HuisSys", "4"}, {"TekPref/CirkelRotatie", "1"}}},
    {"section and key names ignore letter case",
     "[berekpref]\nHUISSYS=3\n",
     {{"BerekPref/HuisSys", "3"}}},
};

void PrintTo(const TGeval& g, std::ostream* uit) { *uit << g.naam; }

class InstellingenGeval : public InstellingenTest, public ::testing::WithParamInterface<TGeval> {};

TEST_P(InstellingenGeval, ReadsAsExpected) {
  const TGeval& g = GetParam();
  setenv("LC_ALL", g.locale, 1);
  SchrijfIni(g.ini);
  ASSERT_TRUE(LeesInstellingen());
  for (auto [pad, verwacht] : g.verwacht) {
    if (const auto p = verwacht.find("${MAP}"); p != std::string::npos)
      verwacht.replace(p, 6, map.Pad());
    EXPECT_EQ(InGebruik(pad), verwacht) << g.naam << ": " << pad;
  }
}

INSTANTIATE_TEST_SUITE_P(Randgevallen, InstellingenGeval, ::testing::ValuesIn(Gevallen),
                         [](const auto& info) {
                           std::string naam;
                           for (const char* c = info.param.naam; *c; ++c)
                             naam += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
                           return naam;
                         });

TEST_F(InstellingenTest, ColoursHoldRedInTheLowByteAndCuspsTakeTheHouseColour) {
  SchrijfIni("[Kleuren]\nHuizenR=1\nHuizenG=2\nHuizenB=3\nPla13R=4\nPla13G=5\nPla13B=6\n");
  Instellingen.StdPlaats.Gewist = 1;
  ASSERT_TRUE(LeesInstellingen());
  EXPECT_EQ(Instellingen.Kleuren.Huizen, 0x030201u);
  EXPECT_EQ(Instellingen.Kleuren.Pla[13], 0x060504u);
  for (int i = 14; i <= 25; ++i)
    EXPECT_EQ(Instellingen.Kleuren.Pla[i], 0x030201u) << "object " << i;
  EXPECT_EQ(Instellingen.StdPlaats.Gewist, 0);
}

TEST_F(InstellingenTest, UnknownSectionsAndKeysSurviveASave) {
  SchrijfIni("[Eigen]\nx=1\n[BerekPref]\nOnbekend=7\nHuisSys=2\n;commentaar\nrommel\n");
  ASSERT_TRUE(LeesInstellingen());
  ASSERT_TRUE(BewaarInstellingen());
  const TIniBestand terug = TIniBestand::VanTekst(LeesIni());
  ASSERT_NE(terug.Zoek("Eigen", "x"), nullptr);
  ASSERT_NE(terug.Zoek("BerekPref", "Onbekend"), nullptr);
  EXPECT_EQ(*terug.Zoek("BerekPref", "Onbekend"), "7");
  EXPECT_EQ(*terug.Zoek("BerekPref", "HuisSys"), "2");
  EXPECT_EQ(terug.Secties().front().naam, "general");
  EXPECT_EQ(terug.Secties().back().naam, "Eigen");
  EXPECT_EQ(LeesIni().find("rommel"), std::string::npos);
}

TEST_F(InstellingenTest, ALineBreakInAValueCannotChangeAnotherKey) {
  Instellingen.PersInfo[1] = "Jan\n[general]\ndatabase=/etc/";
  ASSERT_TRUE(BewaarInstellingen());
  HerstelInstellingen();
  ASSERT_TRUE(LeesInstellingen());
  EXPECT_EQ(Instellingen.Database, map.Pad() + "standard.hor/");
  EXPECT_EQ(Instellingen.PersInfo[1], "Jan [general] database=/etc/");
}

// The C locale of a language whose decimal separator is a comma. When no such locale is
// installed, one is compiled into a temporary folder; when that fails too only the C++ global
// locale has the comma.
class KommaLocaleTest : public InstellingenTest {
 protected:
  struct TKomma : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
  };

  void SetUp() override {
    InstellingenTest::SetUp();
    cLocale = ZetKommaLocale();
    std::locale::global(std::locale(std::locale::classic(), new TKomma));
  }
  void TearDown() override {
    std::setlocale(LC_ALL, "C");
    std::locale::global(std::locale::classic());
    InstellingenTest::TearDown();
  }

  static bool ZetKommaLocale() {
    for (const char* naam : {"de_DE.UTF-8", "nl_NL.UTF-8", "fr_FR.UTF-8"})
      if (std::setlocale(LC_ALL, naam) && *std::localeconv()->decimal_point == ',') return true;
    static std::string gemaakt;
    if (gemaakt.empty()) {
      // Under HOME, which the test main removes at the end.
      gemaakt = std::string(std::getenv("HOME")) + "/komma-locale/";
      fs::create_directories(gemaakt);
      const std::string opdracht =
          "localedef -i de_DE -f UTF-8 '" + gemaakt + "de_DE.UTF-8' >/dev/null 2>&1";
      if (std::system(opdracht.c_str()) != 0) return false;
    }
    setenv("LOCPATH", gemaakt.c_str(), 1);
    const bool ok =
        std::setlocale(LC_ALL, "de_DE.UTF-8") && *std::localeconv()->decimal_point == ',';
    unsetenv("LOCPATH");
    return ok;
  }

  bool cLocale = false;
};

TEST_F(KommaLocaleTest, FloatsAreWrittenAndReadWithAPoint) {
  char proef[16];
  std::snprintf(proef, sizeof proef, "%g", 2.5);
  if (cLocale)
    ASSERT_STREQ(proef, "2,5") << "the comma locale is not in force";
  else
    std::cerr << "no comma C locale available; only the C++ global locale has the comma\n";

  Instellingen.MidOrb = 2.5;
  Instellingen.TraOrb = 0.75;
  Instellingen.BrFac = 0.5f;
  Instellingen.StdPlaats.Breedte = 52.22f;
  Instellingen.StdPlaats.Lengte = -4.53f;
  ASSERT_TRUE(BewaarInstellingen());
  const std::string tekst = LeesIni();
  for (const char* regel : {"\nMidOrb=2.5\n", "\nTraOrb=0.75\n", "\nBrFac=0.5\n",
                            "\nStdPlaatsGB=52.22\n", "\nStdPlaatsGL=-4.53\n"})
    EXPECT_NE(tekst.find(regel), std::string::npos) << "missing line " << regel;

  HerstelInstellingen();
  ASSERT_TRUE(LeesInstellingen());
  EXPECT_EQ(Instellingen.MidOrb, 2.5);
  EXPECT_EQ(Instellingen.TraOrb, 0.75);
  EXPECT_EQ(Instellingen.BrFac, 0.5f);
  EXPECT_EQ(Instellingen.StdPlaats.Breedte, 52.22f);
  EXPECT_EQ(Instellingen.StdPlaats.Lengte, -4.53f);
}

std::vector<std::string> MapInhoud(const std::string& map) {
  std::vector<std::string> namen;
  for (const auto& e : fs::directory_iterator(map)) namen.push_back(e.path().filename().string());
  std::sort(namen.begin(), namen.end());
  return namen;
}

TEST_F(InstellingenTest, AFailedWriteLeavesTheOldFile) {
  Instellingen.MidOrb = 3;
  ASSERT_TRUE(BewaarInstellingen());
  const std::string oud = LeesIni();
  const std::vector<std::string> bestanden = MapInhoud(map.Pad());

  // A disk that fills up after a few bytes: every write beyond them fails.
  Instellingen.MidOrb = 4;
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit vorige{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &vorige), 0);
  rlimit klein = vorige;
  klein.rlim_cur = 100;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &klein), 0);
  const bool bewaard = BewaarInstellingen();
  setrlimit(RLIMIT_FSIZE, &vorige);
  std::signal(SIGXFSZ, SIG_DFL);

  EXPECT_FALSE(bewaard);
  EXPECT_EQ(LeesIni(), oud);
  EXPECT_EQ(MapInhoud(map.Pad()), bestanden) << "a temporary file was left behind";
  ASSERT_EQ(ui.meldingen.size(), 1u);
  EXPECT_EQ(ui.meldingen[0].titel, "Attention");
  EXPECT_EQ(ui.meldingen[0].tekst.rfind("The settings could not be saved.\n", 0), 0u)
      << ui.meldingen[0].tekst;

  ASSERT_TRUE(BewaarInstellingen());
  EXPECT_NE(LeesIni().find("\nMidOrb=4\n"), std::string::npos);
}

TEST_F(InstellingenTest, KillingTheWriterLeavesTheOldOrTheNewFile) {
  Instellingen.MidOrb = 3;
  const std::string tekstA = InstellingenAlsIni().Tekst();
  Instellingen.MidOrb = 4;
  const std::string tekstB = InstellingenAlsIni().Tekst();
  ASSERT_TRUE(BewaarInstellingen());

  for (int ronde = 0; ronde < 3; ++ronde) {
    int pijp[2];
    ASSERT_EQ(pipe(pijp), 0);
    const pid_t kind = fork();
    ASSERT_GE(kind, 0);
    if (kind == 0) {
      // Writes the two versions in turn, without end; tells the parent once it is under way.
      close(pijp[0]);
      for (int i = 0;; ++i) {
        Instellingen.MidOrb = i % 2 ? 4 : 3;
        BewaarInstellingen();
        if (i == 5 + 3 * ronde && write(pijp[1], "x", 1) != 1) _exit(1);
      }
    }
    close(pijp[1]);
    char c;
    ASSERT_EQ(read(pijp[0], &c, 1), 1);
    close(pijp[0]);
    kill(kind, SIGKILL);
    int status = 0;
    waitpid(kind, &status, 0);
    const std::string nu = LeesIni();
    EXPECT_TRUE(nu == tekstA || nu == tekstB)
        << "round " << ronde << ": a broken file of " << nu.size() << " bytes";
  }
}

}  // namespace
}  // namespace orvan
