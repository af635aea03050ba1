#include "graphics/RTFBestanden.h"

#include <chrono>
#include <cmath>
#include <ctime>
#include <filesystem>
#include <system_error>

#include "shell/Interaktie.h"
#include "shell/LangUtils.h"
#include "shell/ProgrammaMap.h"
#include "shell/VeiligSchrijven.h"

namespace fs = std::filesystem;

namespace orvan {

long RondAfEven(double x) {
  const double onder = std::floor(x);
  const double rest = x - onder;
  double r = onder;
  if (rest > 0.5 || (rest == 0.5 && std::fmod(onder, 2.0) != 0.0)) r = onder + 1.0;
  return static_cast<long>(r);
}

long Twips(double mm) { return RondAfEven(mm * 1440.0 / 25.4); }

// ---------------------------------------------------------------------------------------------
// The writer.

TRTFUitBestand::~TRTFUitBestand() {
  if (gestart_ && !gesloten_) Sluit();
}

void TRTFUitBestand::Maak(const std::string& bestandsNaam) {
  bestandsNaam_ = bestandsNaam;
  inhoud_.clear();
  gestart_ = true;
  gesloten_ = false;
  gelukt_ = false;
  inhoud_ += "{\\rtf1\\ansi\\deff0";
  RegelEinde();
  // "Courier New" is written with capitals: LibreOffice lays out runs of blanks in a font named
  // "courier new" wider than the font's own blank, which breaks every fixed-pitch column.
  inhoud_ +=
      "{\\fonttbl{\\f0\\fnil Arial;}{\\f1\\fnil Courier New;}{\\f2\\fnil Arial CE;}"
      "{\\f3\\fnil Courier New CE;}{\\f4\\fnil Arial Cyr;}{\\f5\\fnil Courier New Cyr;}}";
  RegelEinde();
  inhoud_ += "{\\colortbl\\red0\\green0\\blue0;}";
  RegelEinde();
  Papier(PapierHoogte, PapierBreedte);
  Marges(MargeLinks, MargeRechts, MargeBoven, MargeOnder);
}

void TRTFUitBestand::MaakTijdelijk() { Maak(TijdelijkeBestandsNaam(HuidigeDagTijd())); }

bool TRTFUitBestand::Sluit() {
  if (gesloten_) return gelukt_;
  if (!gestart_) return false;
  inhoud_ += '}';
  RegelEinde();
  gesloten_ = true;
  std::string fout;
  gelukt_ = bestandsNaam_.empty() || SchrijfBestandVeilig(bestandsNaam_, inhoud_, fout);
  if (!gelukt_)
    Meldingen().Melding(Vertaal("Opgelet"), Vertaal("UitvoerNietGeschreven") + "\n" + fout, "");
  return gelukt_;
}

void TRTFUitBestand::Papier(double hoogteMm, double breedteMm) {
  inhoud_ += "\\paperh" + std::to_string(Twips(hoogteMm)) + "\\paperw" +
             std::to_string(Twips(breedteMm)) + " ";
}

void TRTFUitBestand::Marges(double linksMm, double rechtsMm, double bovenMm, double onderMm) {
  inhoud_ += "\\margl" + std::to_string(Twips(linksMm)) + " \\margr" +
             std::to_string(Twips(rechtsMm)) + " \\margt" + std::to_string(Twips(bovenMm)) +
             " \\margb" + std::to_string(Twips(onderMm));
  RegelEinde();
}

void TRTFUitBestand::Inspringen(double eersteRegelMm, double linksMm, double rechtsMm) {
  inhoud_ += "\\fi" + std::to_string(Twips(eersteRegelMm)) + "\\li" +
             std::to_string(Twips(linksMm)) + "\\ri" + std::to_string(Twips(rechtsMm));
  RegelEinde();
}

void TRTFUitBestand::Letter(int nummer, double punten) {
  inhoud_ +=
      "\\f" + std::to_string(nummer) + "\\fs" + std::to_string(RondAfEven(2.0 * punten)) + " ";
}

void TRTFUitBestand::Uitlijning(int soort) {
  switch (soort) {
    case UitlijningLinks: inhoud_ += "\\ql "; break;
    case UitlijningMidden: inhoud_ += "\\qc "; break;
    case UitlijningRechts: inhoud_ += "\\qr "; break;
    case UitlijningUitgevuld: inhoud_ += "\\ql \\qj"; break;
    default: break;
  }
}

void TRTFUitBestand::Schrijf(std::string_view tekst) { inhoud_ += tekst; }

void TRTFUitBestand::Regels(std::string_view tekst) {
  if (tekst.empty()) {
    inhoud_ += " \\par";
    RegelEinde();
    return;
  }
  std::size_t begin = 0;
  while (begin < tekst.size()) {
    std::size_t einde = tekst.find('\n', begin);
    const std::size_t volgende = einde == std::string_view::npos ? tekst.size() : einde + 1;
    if (einde == std::string_view::npos) einde = tekst.size();
    std::string_view regel = tekst.substr(begin, einde - begin);
    if (!regel.empty() && regel.back() == '\r') regel.remove_suffix(1);
    inhoud_ += regel;
    inhoud_ += "\\par";
    RegelEinde();
    begin = volgende;
  }
}

void TRTFUitBestand::Voettekst(std::string_view tekst, bool metPaginaNummer) {
  // The footer names font 0: LibreOffice gives a footer without a font its own default font
  // instead of the document's default font.
  inhoud_ += "{\\footer \\pard \\f0\\fs15 \\i ";
  inhoud_ += tekst;
  if (metPaginaNummer) inhoud_ += "  -  \\chpgn";
  inhoud_ += "\\i0 }";
}

// ---------------------------------------------------------------------------------------------
// The folders.

namespace {

struct TMappen {
  std::string tijdelijk;
  std::string rapport;
  std::string rapportBestand;
  bool gestart = false;
};

TMappen& Mappen() {
  static TMappen m;
  return m;
}

const TMappen& GestarteMappen() {
  if (!Mappen().gestart) StartRTFBestanden();
  return Mappen();
}

bool MaakMap(const std::string& map) {
  std::error_code ec;
  fs::create_directories(map, ec);
  return fs::is_directory(map, ec);
}

}  // namespace

bool StartRTFBestanden() {
  TMappen& m = Mappen();
  m.tijdelijk = ProgrammaMap() + "temp/";
  m.rapport = ProgrammaMap() + "reports/";
  m.rapportBestand = m.rapport + "Noname.rtf";
  m.gestart = true;
  const bool tijdelijkOk = MaakMap(m.tijdelijk);
  const bool rapportOk = MaakMap(m.rapport);
  return tijdelijkOk && rapportOk;
}

const std::string& TijdelijkeMap() { return GestarteMappen().tijdelijk; }
const std::string& RapportMap() { return GestarteMappen().rapport; }
const std::string& RapportBestand() { return GestarteMappen().rapportBestand; }

std::string TijdelijkeBestandsNaam(double nu) {
  return TijdelijkeMap() + std::to_string(RondAfEven((nu - 36000.0) * 100000.0)) + ".rtf";
}

double HuidigeDagTijd() {
  using namespace std::chrono;
  const auto nu = system_clock::now();
  const std::time_t t = system_clock::to_time_t(nu);
  std::tm lokaal{};
  localtime_r(&t, &lokaal);
  const double seconden =
      duration<double>(nu.time_since_epoch()).count() + static_cast<double>(lokaal.tm_gmtoff);
  return 25569.0 + seconden / 86400.0;  // 1 January 1970 is day 25569
}

}  // namespace orvan
