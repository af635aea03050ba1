#pragma once
// Small place lists for the tests of the place list, its browser and its import.

#include <sys/resource.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "time_place/PltsLstMenger.h"

namespace orvan::test {

inline PlaatsRec Plaats(const std::string& naam, float breedte, float lengte,
                        const std::string& zone, std::uint8_t gewist = 0) {
  PlaatsRec p;
  p.Naam = naam;
  p.Breedte = breedte;
  p.Lengte = lengte;
  p.Zone = zone;
  p.Gewist = gewist;
  return p;
}

// Writes the places, sorted as the list keeps them, as the place list of `map`.
inline void MaakLijst(const std::string& map, std::vector<PlaatsRec> plaatsen) {
  std::stable_sort(plaatsen.begin(), plaatsen.end(), [](const PlaatsRec& a, const PlaatsRec& b) {
    return PlaatsSleutel(a) < PlaatsSleutel(b);
  });
  std::vector<std::uint8_t> bytes;
  for (const PlaatsRec& p : plaatsen) {
    const TPlaatsRecBytes r = SchrijfPlaatsRec(p);
    bytes.insert(bytes.end(), r.begin(), r.end());
  }
  std::string fout;
  if (!SchrijfPlaatsLijst(map, bytes, PlaatsWerkNaam, false, fout)) throw std::runtime_error(fout);
}

inline std::string LeesInhoud(const std::string& pad) {
  std::ifstream in(pad, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The names of the list in `map`, in file order, with "*" after a name marked deleted.
inline std::vector<std::string> Namen(const std::string& map) {
  TPlaatsLijst lijst(map);
  std::string fout;
  std::vector<std::string> namen;
  if (!lijst.OpenAlleenLezen(fout)) return {"(" + fout + ")"};
  for (int n = 0; n < lijst.Aantal(); ++n) {
    PlaatsRec p;
    lijst.Lees(n, p);
    namen.push_back(p.Naam + (p.Gewist ? "*" : ""));
  }
  return namen;
}

// The files of a folder, for checking that no work file is left behind.
inline std::vector<std::string> Bestanden(const std::string& map) {
  std::vector<std::string> namen;
  for (const auto& e : std::filesystem::directory_iterator(map))
    namen.push_back(e.path().filename().string());
  std::sort(namen.begin(), namen.end());
  return namen;
}

// A full disk, as far as this process is concerned: no file may grow beyond `bytes` while the
// object lives (writes past it fail with EFBIG instead of raising SIGXFSZ).
class TSchijfVol {
 public:
  explicit TSchijfVol(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &oud_);
    vorigeAfhandeling_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit nieuw = oud_;
    nieuw.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &nieuw);
  }
  ~TSchijfVol() {
    setrlimit(RLIMIT_FSIZE, &oud_);
    std::signal(SIGXFSZ, vorigeAfhandeling_);
  }
  TSchijfVol(const TSchijfVol&) = delete;
  TSchijfVol& operator=(const TSchijfVol&) = delete;

 private:
  rlimit oud_{};
  void (*vorigeAfhandeling_)(int) = nullptr;
};

}  // namespace orvan::test
