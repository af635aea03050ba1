// The planet calculator with the shipped data: a complete chart's fourteen codes (option byte 16)
// at a fresh moment, and the fourteen codes for 365 consecutive days.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "astro/Rwplcalc.h"

namespace {

using namespace orvan;

TPlaCalculator& Calculator() {
  static TPlaCalculator* c = [] {
    auto* nieuw = new TPlaCalculator(std::string(ORVAN_BUILD_DATA_DIR) + "/");
    std::string fout;
    if (!nieuw->LaadConstanten(fout)) {
      std::fprintf(stderr, "HelConst.dat: %s\n", fout.c_str());
      std::exit(1);
    }
    return nieuw;
  }();
  return *c;
}

bool VeertienKodes(TPlaCalculator& c, double jd50ET, double& som) {
  for (int code = 0; code < AantalCalcKodes; ++code) {
    double b, v, a, l;
    if (!c.Bereken(code, StandaardOpties, b, v, a, l, jd50ET)) return false;
    som += l;
  }
  return true;
}

// Random moments from 1800 to 2200: every request a new day number and, nearly always, a new
// 80-day block of the ephemeris files.
void BM_VeertienKodesNieuwMoment(benchmark::State& state) {
  TPlaCalculator& c = Calculator();
  std::mt19937_64 gen(1950);
  std::uniform_real_distribution<double> dag(-54787.0, 91312.0);   // JD50 of 1800 .. 2200
  std::vector<double> momenten(4096);
  for (double& m : momenten) m = dag(gen);
  std::size_t i = 0;
  double som = 0;
  for (auto _ : state) {
    if (!VeertienKodes(c, momenten[i++ & 4095], som)) state.SkipWithError(c.Fout().c_str());
  }
  benchmark::DoNotOptimize(som);
  state.SetItemsProcessed(state.iterations());
  state.counters["sets/s"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_VeertienKodesNieuwMoment);

// A year of daily positions, as a period study asks them.
void BM_VeertienKodes365Dagen(benchmark::State& state) {
  TPlaCalculator& c = Calculator();
  double begin = 18262.5, som = 0;
  for (auto _ : state) {
    for (int d = 0; d < 365; ++d)
      if (!VeertienKodes(c, begin + d, som)) state.SkipWithError(c.Fout().c_str());
    begin += 365.0;
    if (begin > 54787.0) begin = 18262.5;
  }
  benchmark::DoNotOptimize(som);
  state.SetItemsProcessed(state.iterations() * 365);
  state.counters["sets/s"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * 365, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_VeertienKodes365Dagen)->Unit(benchmark::kMillisecond);

}  // namespace
