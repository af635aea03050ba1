// A natal table of 100,000 records: opening the database (with the reset of the selection flags),
// ordering by each index, locating by InputNr, a find next over the whole table and reading the
// rows a grid shows while scrolling.

#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <stdlib.h>

#include <cstdint>
#include <filesystem>
#include <random>
#include <stdexcept>
#include <string>

#include "database/Q4DataModuleUnit.h"
#include "database/Q4HorDBLink.h"

namespace {

using namespace orvan;
namespace fs = std::filesystem;

inline constexpr int AantalRecords = 100000;

std::string Naam(std::mt19937& rng) {
  static const char* const lettergrepen[] = {"an", "be", "ca", "de", "el", "fi", "go", "ha", "jo", "ka",
                                             "li", "ma", "no", "or", "pe", "ri", "sa", "te", "ul", "vi"};
  std::uniform_int_distribution<int> greep(0, 19), lengte(2, 4);
  std::string voornaam, achternaam;
  for (int i = lengte(rng); i > 0; --i) voornaam += lettergrepen[greep(rng)];
  for (int i = lengte(rng) + 1; i > 0; --i) achternaam += lettergrepen[greep(rng)];
  voornaam[0] = static_cast<char>(voornaam[0] - 32);
  achternaam[0] = static_cast<char>(achternaam[0] - 32);
  return voornaam + " " + achternaam;
}

// The database folder with its 100,000 natal records, built once for all benchmarks.
class TGroteDatabank {
 public:
  TGroteDatabank() {
    std::string sjabloon = (fs::temp_directory_path() / "orvan-bench-XXXXXX").string();
    if (!mkdtemp(sjabloon.data())) throw std::runtime_error("no temporary folder");
    map_ = sjabloon + "/bench.hor/";
    TQ4DataModule dm;
    if (!dm.OpenDatabank(map_)) throw std::runtime_error("cannot create " + map_);
    std::mt19937 rng(19500101);
    std::uniform_int_distribution<int> jaar(1800, 2020), maand(1, 12), dag(1, 28), uur(0, 23), minuut(0, 59);
    dm.GebTabel.ZetIndex("");
    dm.GebTabel.BeginWijzigingen();
    for (int i = 0; i < AantalRecords; ++i) {
      THorData d;
      d.Name = Naam(rng);
      d.Datum = {static_cast<std::int16_t>(dag(rng)), static_cast<std::int16_t>(maand(rng)),
                 static_cast<std::int16_t>(jaar(rng))};
      d.Tijd = {static_cast<std::int16_t>(uur(rng)), static_cast<std::int16_t>(minuut(rng)), 0};
      d.Verschil = {1, 0, 0};
      d.Plaats = {"Amsterdam", 52.22f, 4.53f, "MET", 0};
      d.KeyWords = i % 7 ? "" : "musician";
      std::int32_t nr = -1;
      if (!BewaarHorRecord(dm.GebTabel, d, -1, nr)) throw std::runtime_error(dm.GebTabel.LaatsteFout());
    }
    if (!dm.GebTabel.EindeWijzigingen(true)) throw std::runtime_error(dm.GebTabel.LaatsteFout());
  }
  ~TGroteDatabank() {
    std::error_code ec;
    fs::remove_all(fs::path(map_).parent_path().parent_path(), ec);
  }
  const std::string& Map() const { return map_; }

  // Deselects every other record, as a filter pass leaves the table.
  void DeselekteerHelft() const {
    sqlite3* db = nullptr;
    sqlite3_open((map_ + "natal.db").c_str(), &db);
    sqlite3_exec(db, "update natal set Selekt = 0 where InputNr % 2 = 0", nullptr, nullptr, nullptr);
    sqlite3_close(db);
  }

 private:
  std::string map_;
};

const TGroteDatabank& Databank() {
  static const TGroteDatabank databank;
  return databank;
}

// Opening as the program does, until the natal grid can show its first page.
void BM_OpenDatabank(benchmark::State& state) {
  const bool naFilter = state.range(0) != 0;
  const auto& db = Databank();
  for (auto _ : state) {
    if (naFilter) {
      state.PauseTiming();
      db.DeselekteerHelft();
      state.ResumeTiming();
    }
    TQ4DataModule dm;
    if (!dm.OpenDatabank(db.Map())) state.SkipWithError("open failed");
    benchmark::DoNotOptimize(dm.GebTabel.AantalRecords());
    benchmark::DoNotOptimize(dm.GebTabel.WaardeOp(0, VeldName));
    state.PauseTiming();
    dm.Sluit();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_OpenDatabank)->ArgName("after_filter")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Ordering by each index of the natal table, to the first record of the new order.
void BM_Orde(benchmark::State& state) {
  static const char* const indexen[] = {"InputNr", "SName", "Tijd", "Verjaardag"};
  const char* index = indexen[state.range(0)];
  state.SetLabel(index);
  TQ4DataModule dm;
  if (!dm.OpenDatabank(Databank().Map())) state.SkipWithError("open failed");
  for (auto _ : state) {
    dm.GebTabel.ZetIndex(index);
    dm.GebTabel.Eerste();
    benchmark::DoNotOptimize(dm.GebTabel.Waarde(VeldName));
  }
}
BENCHMARK(BM_Orde)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// Locating a record by InputNr in the name order; the first locate after a change of order also
// builds the position table, measured separately.
void BM_ZoekInputNr(benchmark::State& state) {
  TQ4DataModule dm;
  if (!dm.OpenDatabank(Databank().Map())) state.SkipWithError("open failed");
  std::mt19937 rng(7);
  std::uniform_int_distribution<int> nr(1, AantalRecords);
  dm.GebTabel.ZoekInputNr(1);
  for (auto _ : state) benchmark::DoNotOptimize(dm.GebTabel.ZoekInputNr(nr(rng)));
}
BENCHMARK(BM_ZoekInputNr)->Unit(benchmark::kMicrosecond);

void BM_ZoekInputNrNaNieuweOrde(benchmark::State& state) {
  TQ4DataModule dm;
  if (!dm.OpenDatabank(Databank().Map())) state.SkipWithError("open failed");
  for (auto _ : state) {
    state.PauseTiming();
    dm.GebTabel.ZetIndex("SName");
    dm.GebTabel.Eerste();
    state.ResumeTiming();
    benchmark::DoNotOptimize(dm.GebTabel.ZoekInputNr(AantalRecords / 2));
  }
}
BENCHMARK(BM_ZoekInputNrNaNieuweOrde)->Unit(benchmark::kMillisecond);

// Find next over the whole table: a text that occurs nowhere, searched from the first record.
void BM_ZoekVolgende(benchmark::State& state) {
  TQ4DataModule dm;
  if (!dm.OpenDatabank(Databank().Map())) state.SkipWithError("open failed");
  const char* veld = state.range(0) ? "KeyWords" : "Name";
  state.SetLabel(veld);
  for (auto _ : state) {
    dm.GebTabel.Eerste();
    benchmark::DoNotOptimize(dm.GebTabel.ZoekVolgende(veld, "zzz"));
  }
}
BENCHMARK(BM_ZoekVolgende)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Scrolling: the visible columns of a page of 40 rows at a random place in the name order.
void BM_ScrollPagina(benchmark::State& state) {
  TQ4DataModule dm;
  if (!dm.OpenDatabank(Databank().Map())) state.SkipWithError("open failed");
  TQ4HorTabel& t = dm.GebTabel;
  std::mt19937 rng(11);
  std::uniform_int_distribution<int> begin(0, t.AantalRecords() - 40);
  for (auto _ : state) {
    const int b = begin(rng);
    for (int p = b; p < b + 40; ++p)
      for (int veld : {VeldInputNr, VeldName, VeldPlace, VeldDateY, VeldDateM, VeldDateD, VeldGregKal, VeldTimeH,
                       VeldTimeM, VeldTimeS, VeldClockTime})
        benchmark::DoNotOptimize(t.WaardeOp(p, veld));
  }
}
BENCHMARK(BM_ScrollPagina)->Unit(benchmark::kMicrosecond);

}  // namespace
