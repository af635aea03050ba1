// Builds the aspect table "aspekten.db" from its reviewable source, a TSV with the header
//   AspHoek Orb Rood Groen Blauw TekenDikte NaamNL NaamEN NaamFR NaamDU Bitmap
// so that the name of language n (1 Dutch, 2 English, 3 French, 4 German) is field n + 5.
//
//   maak_aspekten OUT.db ASPEKTEN.tsv
//
// Refuses what the program would refuse or misread: more than 40 rows, an angle outside 0..180,
// an orb not above 0, a colour or width that is no integer 0..255 (width 0..2), an empty bitmap
// name, and a name that is empty, longer than 12 characters, not a single word of letters, or
// equal to another name of the same language when letter case is ignored.

#include <charconv>
#include <cmath>
#include <iostream>
#include <set>
#include <string>
#include <system_error>

#include "tools/SqliteSchrijver.h"
#include "tools/TsvLezer.h"

using namespace orvan::tools;

namespace {

const std::vector<std::string> Kop = {"AspHoek", "Orb",        "Rood",   "Groen",
                                      "Blauw",   "TekenDikte", "NaamNL", "NaamEN",
                                      "NaamFR",  "NaamDU",     "Bitmap"};
constexpr std::size_t EersteNaam = 6;
constexpr std::size_t AantalNamen = 4;
constexpr std::size_t MaxRijen = 40;
constexpr std::size_t MaxNaamTekens = 12;

bool Getal(const std::string& s, double& x) {
  const auto [eind, ec] = std::from_chars(s.data(), s.data() + s.size(), x);
  return ec == std::errc() && eind == s.data() + s.size() && std::isfinite(x);
}

bool Geheel(const std::string& s, int max, int& x) {
  const auto [eind, ec] = std::from_chars(s.data(), s.data() + s.size(), x);
  return ec == std::errc() && eind == s.data() + s.size() && x >= 0 && x <= max;
}

// Characters of a UTF-8 text: every byte that does not continue a sequence starts one.
std::size_t Tekens(const std::string& s) {
  std::size_t n = 0;
  for (unsigned char c : s) n += (c & 0xC0) != 0x80;
  return n;
}

// A single word: ASCII letters and non-ASCII (accented) letters only.
bool IsWoord(const std::string& s) {
  for (unsigned char c : s)
    if (c < 0x80 && !((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))) return false;
  return !s.empty();
}

std::string Hoofdletters(std::string s) {
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return s;
}

std::string ControleerRij(const std::vector<std::string>& rij,
                          std::set<std::string> (&namen)[AantalNamen]) {
  double hoek = 0, orb = 0;
  if (!Getal(rij[0], hoek) || hoek < 0 || hoek > 180) return "the angle must be a number 0..180";
  if (!Getal(rij[1], orb) || !(orb > 0)) return "the orb must be a number above 0";
  int waarde = 0;
  for (std::size_t i = 2; i <= 4; ++i)
    if (!Geheel(rij[i], 255, waarde)) return Kop[i] + " must be an integer 0..255";
  if (!Geheel(rij[5], 2, waarde)) return "TekenDikte must be 0, 1 or 2";
  for (std::size_t t = 0; t < AantalNamen; ++t) {
    const std::string& naam = rij[EersteNaam + t];
    if (!IsWoord(naam) || Tekens(naam) > MaxNaamTekens)
      return Kop[EersteNaam + t] + " \"" + naam + "\" must be one word of at most 12 letters";
    if (!namen[t].insert(Hoofdletters(naam)).second)
      return Kop[EersteNaam + t] + " \"" + naam + "\" occurs twice";
  }
  if (rij[10].empty()) return "the bitmap name is empty";
  return {};
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: maak_aspekten OUT.db ASPEKTEN.tsv\n";
    return 2;
  }
  std::string fout;
  TTsvTabel tabel;
  if (!LeesTsv(argv[2], tabel, fout)) {
    std::cerr << fout << '\n';
    return 1;
  }
  if (tabel.kolommen != Kop) {
    std::cerr << argv[2]
              << ": the header must be AspHoek, Orb, Rood, Groen, Blauw, TekenDikte, "
                 "NaamNL, NaamEN, NaamFR, NaamDU, Bitmap\n";
    return 1;
  }
  if (tabel.rijen.empty() || tabel.rijen.size() > MaxRijen) {
    std::cerr << argv[2] << ": the table must hold 1 to 40 aspects\n";
    return 1;
  }
  std::set<std::string> namen[AantalNamen];
  for (std::size_t r = 0; r < tabel.rijen.size(); ++r) {
    const std::string melding = ControleerRij(tabel.rijen[r], namen);
    if (!melding.empty()) {
      std::cerr << argv[2] << ":" << tabel.regelNummers[r] << ": " << melding << '\n';
      return 1;
    }
  }
  const std::vector<TKolom> kolommen = {
      {"AspHoek", "REAL"},  {"Orb", "REAL"},           {"Rood", "INTEGER"}, {"Groen", "INTEGER"},
      {"Blauw", "INTEGER"}, {"TekenDikte", "INTEGER"}, {"NaamNL", "TEXT"},  {"NaamEN", "TEXT"},
      {"NaamFR", "TEXT"},   {"NaamDU", "TEXT"},        {"Bitmap", "TEXT"}};
  if (!SchrijfTabel(argv[1], "aspekten", kolommen, tabel.rijen, {}, fout)) {
    std::cerr << fout << '\n';
    return 1;
  }
  return 0;
}
