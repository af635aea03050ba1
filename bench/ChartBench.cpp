// Complete charts with the shipped planetary terms and ephemeris files of the build tree: one chart
// from its data (universal time, day numbers, sidereal time, Placidus houses, fourteen bodies,
// distributions) at a fresh moment, and the batch mode of "orvan-cli chart" with its text output.

#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "cli/OpdrachtChart.h"
#include "horoscope/THoroskoop.h"
#include "shell/Instellingen.h"
#include "shell/ProgrammaMap.h"
#include "time_place/JulDayF.h"

namespace {

using namespace orvan;

// The build tree's shipped data as the program folder (only read) and the default settings.
void Start() {
  static const bool gestart = [] {
    GebruikProgrammaMap(std::string(ORVAN_BUILD_DATA_DIR) + "/");
    ZetStandaardInstellingen();
    return true;
  }();
  (void)gestart;
}

// Random universal-time moments (JD50) from 1800 to 2200, to the second.
std::vector<double> Momenten(std::size_t n) {
  std::mt19937_64 gen(1950);
  std::uniform_real_distribution<double> dag(-54787.0, 91312.0);
  std::vector<double> m(n);
  for (double& x : m) x = std::round(dag(gen) * 86400.0) / 86400.0;
  return m;
}

void BM_CompleteChartFreshMoment(benchmark::State& state) {
  Start();
  const std::vector<double> momenten = Momenten(4096);
  std::vector<TDatumTijd> data;
  for (double m : momenten) data.push_back(JD50InDatumTijd(true, m));
  THoroskoop h(SoortNatal);
  h.Data.ClockTime = false;
  h.Data.Plaats.Breedte = 52.22f;
  h.Data.Plaats.Lengte = 4.53f;
  std::size_t i = 0;
  double som = 0;
  for (auto _ : state) {
    const TDatumTijd& d = data[i++ & 4095];
    h.Data.Datum = d.datum;
    h.Data.Tijd = d.tijd;
    if (!h.Bereken()) state.SkipWithError("the chart failed");
    som += h.Lengte(1) + h.Kusp[1] + h.Element[1];
  }
  benchmark::DoNotOptimize(som);
  state.counters["charts/s"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_CompleteChartFreshMoment);

// 1000 Julian days a pass through the batch mode, from text in to text out.
void BM_ChartBatch(benchmark::State& state) {
  Start();
  std::ostringstream invoer;
  invoer.precision(17);
  for (double m : Momenten(1000)) invoer << m + JD50Verschuiving << '\n';
  const std::string tekst = invoer.str();
  std::size_t bytes = 0;
  for (auto _ : state) {
    std::istringstream in(tekst);
    std::ostringstream uit;
    if (cli::ChartBatch(in, uit, 52.22f, 4.53f) != 0) state.SkipWithError("the batch failed");
    bytes += uit.str().size();
  }
  benchmark::DoNotOptimize(bytes);
  state.SetItemsProcessed(state.iterations() * 1000);
  state.counters["charts/s"] = benchmark::Counter(static_cast<double>(state.iterations()) * 1000,
                                                  benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ChartBatch)->Unit(benchmark::kMillisecond);

}  // namespace
