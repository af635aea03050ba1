#include "graphics/RTFRapport.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>
#include <vector>

#include "graphics/RTFBestanden.h"
#include "shell/Interaktie.h"
#include "shell/LangUtils.h"
#include "shell/VeiligSchrijven.h"

namespace fs = std::filesystem;

namespace orvan {

namespace {

bool LeesBestand(const std::string& pad, std::string& inhoud, std::string& fout) {
  std::ifstream in(pad, std::ios::binary);
  if (!in) {
    fout = "cannot open \"" + pad + "\"";
    return false;
  }
  std::ostringstream s;
  s << in.rdbuf();
  if (in.bad()) {
    fout = "cannot read \"" + pad + "\"";
    return false;
  }
  inhoud = s.str();
  return true;
}

// The lines of a text as a line list reads them: LF or CR LF ends a line, and a final line end
// starts no new line.
std::vector<std::string> Regels(const std::string& tekst) {
  std::vector<std::string> regels;
  std::size_t begin = 0;
  while (begin < tekst.size()) {
    std::size_t einde = tekst.find('\n', begin);
    if (einde == std::string::npos) einde = tekst.size();
    std::string regel = tekst.substr(begin, einde - begin);
    if (!regel.empty() && regel.back() == '\r') regel.pop_back();
    regels.push_back(std::move(regel));
    begin = einde + 1;
  }
  return regels;
}

bool IsLeeg(const std::string& tekst) {
  return tekst.find_first_not_of(" \t\r\n", 0) == std::string::npos;
}

bool Mislukt(const std::string& reden) {
  Meldingen().Melding(Vertaal("Opgelet"), Vertaal("RapportNietAangevuld") + "\n" + reden, "");
  return false;
}

}  // namespace

bool VoegToeAanRapport(const std::string& rapportBestand, const std::string& uitvoerBestand) {
  std::string uitvoer, fout;
  if (!LeesBestand(uitvoerBestand, uitvoer, fout)) return Mislukt(fout);
  if (uitvoer.rfind("{\\rtf", 0) != 0) return Mislukt("\"" + uitvoerBestand + "\" is no report");

  std::error_code ec;
  std::string rapport;
  if (fs::exists(rapportBestand, ec)) {
    if (!LeesBestand(rapportBestand, rapport, fout)) return Mislukt(fout);
  }
  if (IsLeeg(rapport)) {
    if (!SchrijfBestandVeilig(rapportBestand, uitvoer, fout)) return Mislukt(fout);
    return true;
  }

  // The report ends in the brace that closes its document; usually that brace is its last line.
  // A report saved by a word processor may end in a longer line: then only the brace gives way.
  std::size_t laatste = rapport.find_last_not_of(" \t\r\n");
  if (rapport[laatste] != '}')
    return Mislukt("\"" + rapportBestand + "\" does not end in a closing brace");
  std::string nieuw = rapport.substr(0, laatste);
  const std::size_t regelBegin = nieuw.find_last_of('\n');
  const std::string rest = nieuw.substr(regelBegin == std::string::npos ? 0 : regelBegin + 1);
  if (IsLeeg(rest))
    nieuw.resize(regelBegin == std::string::npos ? 0 : regelBegin + 1);
  else
    nieuw += '\n';
  nieuw += "\\page\n";
  const std::vector<std::string> regels = Regels(uitvoer);
  for (std::size_t i = 3; i < regels.size(); ++i) nieuw += regels[i] + "\n";
  if (!SchrijfBestandVeilig(rapportBestand, nieuw, fout)) return Mislukt(fout);
  return true;
}

bool RapportBestaat() {
  std::error_code ec;
  return fs::exists(RapportBestand(), ec);
}

bool WisRapport(bool stil) {
  std::error_code ec;
  fs::remove(RapportBestand(), ec);
  const bool weg = !fs::exists(fs::symlink_status(RapportBestand(), ec));
  if (!weg && !stil) Meldingen().Melding(Vertaal("Opgelet"), Vertaal("RapportNogOpen"), "");
  return weg;
}

int WisTijdelijkeRapporten() {
  std::vector<fs::path> teWissen;
  std::error_code ec;
  for (fs::directory_iterator it(TijdelijkeMap(), ec), einde; !ec && it != einde;
       it.increment(ec)) {
    if (!it->is_regular_file(ec)) continue;
    const std::string naam = it->path().filename().string();
    if (it->path().extension() == ".rtf" || naam.find(".rtf.tmp-") != std::string::npos)
      teWissen.push_back(it->path());
  }
  int gewist = 0;
  for (const auto& pad : teWissen)
    if (fs::remove(pad, ec)) ++gewist;
  return gewist;
}

}  // namespace orvan
