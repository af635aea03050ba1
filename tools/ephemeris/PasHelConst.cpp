// pas_helconst: fits the tables of "HelConst.dat" to the reference ephemeris and writes the file.
//
//   pas_helconst OUTFILE [--ephe PATH] [--selection N] [--fit N] [--log FILE]
//
// The Earth, Mercury, Venus and Mars get their periodic terms and the Moon its two tables, each by
// the least-squares fits of PasPlaneet and PasMaan on reproducible random moments (fixed seeds).
// The progress and the residuals of every fit go to standard error (and to the log file).

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "astro/HelConst.h"
#include "tools/ephemeris/PasMaan.h"
#include "tools/ephemeris/PasPlaneet.h"
#include "tools/ephemeris/Referentie.h"

namespace {

class TTweeUit : public std::streambuf {
 public:
  TTweeUit(std::streambuf* a, std::streambuf* b) : a_(a), b_(b) {}
  int overflow(int c) override {
    if (c == EOF) return !EOF;
    a_->sputc(static_cast<char>(c));
    if (b_) b_->sputc(static_cast<char>(c));
    return c;
  }
  int sync() override {
    a_->pubsync();
    if (b_) b_->pubsync();
    return 0;
  }

 private:
  std::streambuf* a_;
  std::streambuf* b_;
};

}  // namespace

int main(int argc, char** argv) {
  using namespace orvan;
  using namespace orvan::efem;
  std::vector<std::string> args(argv + 1, argv + argc);
  std::string uitvoer, ephe = StandaardEfemerisMap, logPad;
  TPasInstellingen inst;
  for (std::size_t i = 0; i < args.size(); ++i) {
    auto waarde = [&]() -> std::string {
      if (i + 1 >= args.size()) {
        std::fprintf(stderr, "pas_helconst: %s needs a value\n", args[i].c_str());
        std::exit(2);
      }
      return args[++i];
    };
    if (args[i] == "--ephe") ephe = waarde();
    else if (args[i] == "--selection") inst.selectieMomenten = std::stoi(waarde());
    else if (args[i] == "--fit") inst.fitMomenten = std::stoi(waarde());
    else if (args[i] == "--log") logPad = waarde();
    else if (uitvoer.empty()) uitvoer = args[i];
    else {
      std::fprintf(stderr, "pas_helconst: unexpected argument \"%s\"\n", args[i].c_str());
      return 2;
    }
  }
  if (uitvoer.empty()) {
    std::fprintf(stderr, "usage: pas_helconst OUTFILE [--ephe PATH] [--selection N] [--fit N] [--log FILE]\n");
    return 2;
  }
  std::ofstream logBestand;
  if (!logPad.empty()) logBestand.open(logPad);
  TTweeUit twee(std::cerr.rdbuf(), logPad.empty() ? nullptr : logBestand.rdbuf());
  std::ostream log(&twee);
  log << "reference: Swiss Ephemeris " << ReferentieVersie() << ", files in " << ephe << "\n"
      << "moments: " << inst.selectieMomenten << " for the choice of the arguments, " << inst.fitMomenten
      << " for the final fit, seed " << inst.zaad << "\n";

  TReferentie ref(ephe);
  THelConst t;
  std::string fout;
  const int sets[4] = {0, 2, 3, 4};
  const int aantallen[4] = {AantalAarde, AantalMercurius, AantalVenus, AantalMars};
  for (int k = 0; k < 4; ++k) {
    if (!PasPlaneet(ref, sets[k], aantallen[k], inst, t.storing[sets[k]], log, fout)) {
      std::fprintf(stderr, "pas_helconst: %s\n", fout.c_str());
      return 1;
    }
  }
  if (!PasMaan(ref, inst, t.maan1, t.maan2, log, fout)) {
    std::fprintf(stderr, "pas_helconst: %s\n", fout.c_str());
    return 1;
  }
  if (!SchrijfHelConst(uitvoer + ".part", t, fout) || std::rename((uitvoer + ".part").c_str(), uitvoer.c_str()) != 0) {
    std::fprintf(stderr, "pas_helconst: %s\n", fout.empty() ? "cannot write the file" : fout.c_str());
    return 1;
  }
  log << "written " << uitvoer << "\n";
  return 0;
}
