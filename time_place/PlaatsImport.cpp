#include "time_place/PlaatsImport.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <optional>
#include <sstream>
#include <unordered_set>
#include <vector>

#include "shell/LangUtils.h"
#include "shell/ProgrammaMap.h"
#include "time_place/Cp1252.h"
#include "time_place/PltsLstMenger.h"

namespace orvan {

namespace {

inline constexpr std::size_t NaamMax = PlaatsNaamMax;
inline constexpr std::size_t ZoneMax = PlaatsZoneMax;
inline constexpr int RegelsPerPlaats = 3;

// Replaces each "%s" or "%d" of a translated text by the next value.
std::string VulIn(std::string tekst, std::initializer_list<std::string> waarden) {
  std::size_t vanaf = 0;
  for (const std::string& w : waarden) {
    std::size_t p = vanaf;
    while ((p = tekst.find('%', p)) != std::string::npos && p + 1 < tekst.size() &&
           tekst[p + 1] != 's' && tekst[p + 1] != 'd')
      ++p;
    if (p == std::string::npos || p + 1 >= tekst.size()) break;
    tekst.replace(p, 2, w);
    vanaf = p + w.size();
  }
  return tekst;
}

std::string AlsUtf8(const std::string& s) {
  std::string uit;
  for (const char32_t c : Codepunten(s)) uit += Utf8(c);
  return uit;
}


// The lines of the text file as UTF-8, without line ends; blank lines at the end are dropped.
bool LeesRegels(const std::string& pad, std::vector<std::string>& regels, std::string& reden) {
  std::ifstream in(pad, std::ios::binary);
  if (!in) {
    reden = pad;
    return false;
  }
  std::string regel;
  while (std::getline(in, regel)) {
    if (!regel.empty() && regel.back() == '\r') regel.pop_back();
    regels.push_back(AlsUtf8(regel));
  }
  while (!regels.empty() && Snoei(regels.back()).empty()) regels.pop_back();
  return true;
}

// A d.mm coordinate: whole degrees within `grens` and minutes below 60.
std::optional<float> LeesDm(std::string woord, double grens) {
  if (!woord.empty() && woord[0] == '+') woord.erase(0, 1);
  double x = 0;
  const auto [eind, fout] = std::from_chars(woord.data(), woord.data() + woord.size(), x);
  if (fout != std::errc() || eind != woord.data() + woord.size() || !std::isfinite(x))
    return std::nullopt;
  const double a = std::fabs(x);
  const long minuten = std::lround((a - std::trunc(a)) * 100.0);
  if (a > grens || minuten >= 60) return std::nullopt;
  return static_cast<float>(x);
}

// Reads the text entries one at a time, echoing every line it reads.
class TTekstLezer {
 public:
  enum class TStand { Plaats, Einde, Fout };

  TTekstLezer(const std::vector<std::string>& regels, int eerstePlaats, TImportMonitor& monitor)
      : regels_(regels),
        volgende_(static_cast<std::size_t>(eerstePlaats) * RegelsPerPlaats),
        monitor_(monitor) {}

  TStand Volgende(PlaatsRec& p) {
    if (volgende_ >= regels_.size()) return TStand::Einde;
    p = PlaatsRec{};
    const std::string* regel = LeesRegel();
    p.Naam = Snoei(EersteTekens(Snoei(*regel), NaamMax));
    if (!IsGeldigePlaatsNaam(p.Naam)) return TStand::Fout;

    if (!(regel = LeesRegel())) return TStand::Fout;
    std::istringstream woorden(*regel);
    std::string breedte, lengte, over;
    if (!(woorden >> breedte >> lengte) || (woorden >> over)) return TStand::Fout;
    const auto b = LeesDm(breedte, 90.0);
    const auto l = LeesDm(lengte, 180.0);
    if (!b || !l) return TStand::Fout;
    p.Breedte = *b;
    p.Lengte = *l;

    if (!(regel = LeesRegel())) return TStand::Fout;
    p.Zone = Snoei(EersteTekens(Snoei(*regel), ZoneMax));
    return TStand::Plaats;
  }

 private:
  const std::string* LeesRegel() {
    if (volgende_ >= regels_.size()) return nullptr;
    const std::string& r = regels_[volgende_++];
    monitor_.Regel(r);
    return &r;
  }

  const std::vector<std::string>& regels_;
  std::size_t volgende_;
  TImportMonitor& monitor_;
};

struct TLijstRecord {
  TPlaatsRecBytes bytes;
  std::string sleutel;
};

std::vector<TLijstRecord> LeesLijst(const TPlaatsLijst& lijst) {
  std::vector<TLijstRecord> records;
  records.reserve(static_cast<std::size_t>(lijst.Aantal()));
  for (int n = 0; n < lijst.Aantal(); ++n)
    records.push_back(TLijstRecord{lijst.Record(n), lijst.PlaatsSleutel(n)});
  return records;
}

}  // namespace

bool IsGeldigePlaatsNaam(const std::string& naam) {
  if (naam.empty()) return false;
  const auto eerste = static_cast<unsigned char>(Cp1252VanCodepunt(Codepunten(naam).front()));
  return eerste < 40 || eerste > 64;
}

TImportUitslag LeesPlaatsenTekst(const std::string& bestandsnaam, TImportMonitor& monitor,
                                 const std::string& map) {
  TImportUitslag uitslag;
  const std::string lijstMap = map.empty() ? ProgrammaMap() : map;
  monitor.Begin(VulIn(Vertaal("InvoerendVan"), {bestandsnaam}));

  std::vector<TLijstRecord> lijst;
  {
    TPlaatsLijst bestaand(lijstMap);
    if (!bestaand.OpenAlleenLezen(uitslag.reden)) {
      monitor.Einde(Vertaal("PlaatsLijstNietGelezen") + " " + uitslag.reden);
      return uitslag;
    }
    lijst = LeesLijst(bestaand);
  }

  // Each pass takes the entries that follow the last one it took; an entry whose key is in the
  // list or was taken before is dropped. The places taken are merged into the list at the end, so
  // a pass costs its entries, not the length of the list.
  std::unordered_set<std::string> bekend;
  for (const TLijstRecord& r : lijst) bekend.insert(r.sleutel);
  std::vector<TLijstRecord> nieuw;
  int eerstePlaats = 0;
  for (;;) {
    ++uitslag.passen;
    std::vector<std::string> regels;
    if (!LeesRegels(bestandsnaam, regels, uitslag.reden)) {
      monitor.Einde(Vertaal("PlaatsTekstNietGelezen") + " " + bestandsnaam);
      return uitslag;
    }
    TTekstLezer lezer(regels, eerstePlaats, monitor);
    std::optional<std::string> vorige;
    int overgeslagen = -1;
    PlaatsRec p;
    for (int plaats = eerstePlaats;; ++plaats) {
      const TTekstLezer::TStand stand = lezer.Volgende(p);
      if (stand == TTekstLezer::TStand::Einde) break;
      if (stand == TTekstLezer::TStand::Fout) {
        uitslag.foutInTekst = true;
        uitslag.toegevoegd = 0;
        monitor.Einde(Vertaal("HierZitFout"));
        return uitslag;
      }
      // The key of the record as stored: a character without a CP1252 form is stored as "?".
      TLijstRecord b{SchrijfPlaatsRec(p), {}};
      b.sleutel = PlaatsSleutel(b.bytes);
      if (vorige && b.sleutel < *vorige) {
        // Out of order: left for the next pass, which starts at the first such entry.
        if (overgeslagen < 0) overgeslagen = plaats;
      } else {
        vorige = b.sleutel;
        if (bekend.insert(b.sleutel).second) {
          nieuw.push_back(std::move(b));
          ++uitslag.toegevoegd;
        }
      }
      if (monitor.AfbrekenGevraagd()) {
        uitslag.afgebroken = true;
        uitslag.toegevoegd = 0;
        monitor.Einde(Vertaal("InvoerAfgebroken"));
        return uitslag;
      }
    }
    if (overgeslagen < 0) break;
    eerstePlaats = overgeslagen;
  }

  // The merge: a new place goes before the first list record with a greater key.
  std::stable_sort(nieuw.begin(), nieuw.end(),
                   [](const TLijstRecord& x, const TLijstRecord& y) { return x.sleutel < y.sleutel; });
  std::vector<TLijstRecord> samen;
  samen.reserve(lijst.size() + nieuw.size());
  std::size_t a = 0;
  for (TLijstRecord& b : nieuw) {
    while (a < lijst.size() && !(b.sleutel < lijst[a].sleutel)) samen.push_back(std::move(lijst[a++]));
    samen.push_back(std::move(b));
  }
  while (a < lijst.size()) samen.push_back(std::move(lijst[a++]));
  lijst = std::move(samen);

  std::vector<std::uint8_t> bytes;
  bytes.reserve(lijst.size() * PlaatsRecGrootte);
  for (const TLijstRecord& r : lijst) bytes.insert(bytes.end(), r.bytes.begin(), r.bytes.end());
  if (!SchrijfPlaatsLijst(lijstMap, bytes, PlaatsWerkNaam, true, uitslag.reden)) {
    uitslag.toegevoegd = 0;
    monitor.Einde(Vertaal("PlaatsLijstNietGeschreven") + " " + uitslag.reden);
    return uitslag;
  }
  uitslag.gelukt = true;
  uitslag.aantal = static_cast<int>(lijst.size());
  monitor.Einde(VulIn(Vertaal("PlaatsenToegev"),
                      {std::to_string(uitslag.toegevoegd), std::to_string(uitslag.aantal)}));
  return uitslag;
}

}  // namespace orvan
