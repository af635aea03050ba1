#pragma once
// The data module: the open tables of the current horoscope database, for the program's life.
// GebTabel (natal, writable), GebTabel2 (the same natal file, read-only, for a second view),
// MomentTabel (events) and RelatTabel (relationships). The writable tables are filtered on their
// selection flags; the event table can also be restricted to events whose natal horoscope is in
// GebTabel's view (AlleenMetGeboorte).

#include <cstdint>
#include <functional>
#include <string>

#include "database/HorTabellen.h"

namespace orvan {

class TQ4DataModule {
 public:
  TQ4DataModule();
  // Filtering off on the writable tables, then all four closed.
  ~TQ4DataModule();
  TQ4DataModule(const TQ4DataModule&) = delete;
  TQ4DataModule& operator=(const TQ4DataModule&) = delete;

  TQ4HorTabel GebTabel;
  TQ4HorTabel GebTabel2;
  TQ4MomentTabel MomentTabel;
  TQ4RelatTabel RelatTabel;
  bool AlleenMetGeboorte = false;
  // Called whenever a database has been opened (the main window refreshes its pages).
  std::function<void()> DatabankGeopend;

  // Opens (and when needed creates) the database in folder `map` (with a trailing "/"): the four
  // tables, natal ordered by "SName", relationships by "PartnerNrs", every record selected.
  // On failure the message is shown, every table is closed and false returned.
  bool OpenDatabank(const std::string& map);
  void Sluit();
  bool IsOpen() const { return GebTabel.IsOpen(); }
  // The folder of the open database, with a trailing "/"; empty when none is open.
  const std::string& Map() const { return map_; }

  // Record filters: a record passes when its selection flag is set; an event also needs, while
  // AlleenMetGeboorte, its natal horoscope in GebTabel's view.
  bool SelektFilter(const TPelqTabel& tabel, const TRecordLezer& record) const;
  bool MomentFilter(const TRecordLezer& record) const;

  // The notes file of the open database (of the settings' current database when none is open).
  std::string InfoBestandNaam() const;

  // Deletes natal horoscope `nr` with its events and relationships in one transaction and
  // re-reads the three writable tables. The message is shown on failure.
  bool VerwijderHoroskoop(std::int64_t nr);

 private:
  std::string map_;
};

// The program's data module. Q4DataModuleCreate opens the current database of the settings in it
// (at start-up, after the settings); Q4DataModuleDestroy closes it (at exit).
TQ4DataModule& Q4DataModule();
bool Q4DataModuleCreate();
void Q4DataModuleDestroy();

}  // namespace orvan
