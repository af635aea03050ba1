#pragma once
// The place list: "GeoCoord.fil" in the program folder, a sequence of 54-byte place records in
// ascending order of their sort key, with its letter index "GeoCoord.ndx". A record marked deleted
// stays in the file until the list is closed after a change.
//
// Every change that moves records (insertion, compaction on close, the text import) writes a new
// file beside the list and replaces the list only when that file is complete: a failure or an
// interruption leaves the list as it was.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "time_place/LetterIndex.h"
#include "time_place/PltsTijdRec.h"

namespace orvan {

inline constexpr const char* PlaatsBestandNaam = "GeoCoord.fil";
inline constexpr const char* PlaatsIndexNaam = "GeoCoord.ndx";
inline constexpr const char* PlaatsReserveNaam = "GeoCoord.bak";   // work file of compaction,
                                                                    // the list before an import
inline constexpr const char* PlaatsWerkNaam = "GeoCoord.$$$";      // work file of insertion and import

// The name key of a place: its folded name with "(" kept; the key of "Zürich (CH)" is ZURICH(CH.
std::string NaamSleutel(const std::string& naam);
// The sort key of the list: the name key, two spaces and the folded zone name.
std::string PlaatsSleutel(const PlaatsRec& p);
// The name key of a record as stored (CP1252), without decoding it.
std::string NaamSleutel(const TPlaatsRecBytes& record);
std::string PlaatsSleutel(const TPlaatsRecBytes& record);

// Progress of a long step, 0..100.
using TProcentMelder = std::function<void(int procent)>;

class TPlaatsLijst {
 public:
  // The list in `map` (with a trailing "/"); an empty map means the program folder.
  explicit TPlaatsLijst(std::string map = {});
  ~TPlaatsLijst();   // closes the list as Sluit does (a failure there keeps the old file)
  TPlaatsLijst(const TPlaatsLijst&) = delete;
  TPlaatsLijst& operator=(const TPlaatsLijst&) = delete;

  // Opens the list: a missing file is created empty; the index is read when it is not older than
  // the list and fits its records, else rebuilt (busy cursor) and written.
  bool Open(std::string& fout);
  // Opens the list for reading only: nothing is created or written; a missing file is an empty list.
  bool OpenAlleenLezen(std::string& fout);
  bool IsOpen() const { return open_; }

  int Aantal() const { return static_cast<int>(bytes_.size() / PlaatsRecGrootte); }
  // Record n; false when n is outside the list or the record is damaged (then `p` holds what
  // could be read).
  bool Lees(int n, PlaatsRec& p) const;
  // Record n as stored (zeros when n is outside the list).
  TPlaatsRecBytes Record(int n) const;
  std::string NaamSleutel(int n) const;
  std::string PlaatsSleutel(int n) const;
  const TLetterIndex& Index() const { return index_; }
  bool IndexHerbouwd() const { return indexHerbouwd_; }   // by the last Open

  // The first record whose name key is not smaller than `sleutel` (Aantal() when none).
  int EersteVanaf(const std::string& sleutel) const;

  // Writes record n back in place (as the deletion mark changes) and marks the list changed.
  bool Schrijf(int n, const PlaatsRec& p, std::string& fout);
  // True when a record was written since opening, or the list holds records marked deleted.
  bool IsVeranderd() const { return veranderd_; }

  // Inserts `p` (its deletion mark cleared) after the last record whose key is not greater than
  // its own, reporting 95 * (records read) / (record count) while it copies the list and 100 at
  // the end. `nummer` is the new record's number.
  bool VoegPlaatsToe(const PlaatsRec& p, int& nummer, std::string& fout,
                     const TProcentMelder& voortgang = {});

  // Closes the list; after a change every record not marked deleted is copied to a new list that
  // then replaces the old one (busy cursor). False when that fails: the old list is kept.
  bool Sluit(std::string& fout);

  const std::string& Map() const { return map_; }
  std::string Pad(const char* naam) const { return map_ + naam; }

 private:
  bool LaadBestand(std::string& fout);
  void KiesIndex();

  std::string map_;
  std::vector<std::uint8_t> bytes_;
  TLetterIndex index_{};
  bool open_ = false;
  bool alleenLezen_ = false;
  bool veranderd_ = false;
  bool indexHerbouwd_ = false;
};

// Writes a complete list (the records as they are given, 54 bytes each) and its index into `map`
// through the work file `werkNaam`; the old list is replaced only when the new one is complete.
// With `bewaarOud` the old list is kept as "GeoCoord.bak" (an older one is deleted).
bool SchrijfPlaatsLijst(const std::string& map, const std::vector<std::uint8_t>& records,
                        const char* werkNaam, bool bewaarOud, std::string& fout,
                        const TProcentMelder& voortgang = {});

}  // namespace orvan
