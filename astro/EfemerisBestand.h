#pragma once
// The ephemeris files of Jupiter to Pluto and Chiron. A file holds up to 1250 little-endian records,
// one every 80 days: file n holds the tabular epochs JD = 100000 n + 80 r + 0.5 (r = 0..1249) with
// record r at byte offset 72 r. A record has six slots (0 Chiron, 1 Jupiter, 2 Saturn, 3 Uranus,
// 4 Neptune, 5 Pluto) of three signed 32-bit integers: the heliocentric ecliptic longitude of the
// mean equinox of date in units of 0.001 arcsecond, the radius vector in units of 1e-7 AU and the
// height above the ecliptic (z) in units of 1e-7 AU, geometric (no light time, no aberration).

#include <array>
#include <cstdint>
#include <cstdio>
#include <string>

namespace orvan {

inline constexpr int EfemRecordLengte = 72;           // bytes
inline constexpr int EfemRecordsPerBestand = 1250;
inline constexpr int EfemDagenPerBestand = 100000;
inline constexpr int EfemStap = 80;                   // days between tabular epochs
inline constexpr int EfemSlots = 6;
inline constexpr int EfemBlokRecords = 6;             // records of an interpolation block
inline constexpr double EfemLengteEenheid = 3600000.0;   // units per degree
inline constexpr double EfemAfstandEenheid = 1e7;        // units per AU

enum TEfemSlot { SlotChiron = 0, SlotJupiter, SlotSaturnus, SlotUranus, SlotNeptunus, SlotPluto };

struct TEfemerisWaarde {
  std::int32_t lengte = 0;   // 0.001 arcsecond
  std::int32_t straal = 0;   // 1e-7 AU
  std::int32_t hoogte = 0;   // 1e-7 AU
};
using TEfemerisRecord = std::array<TEfemerisWaarde, EfemSlots>;

// "LRZ6_" + |n| + ".PC", with "M" before the number when n is negative.
std::string EfemerisBestandsnaam(int n);

// The number of the file that holds the tabular epoch whose JD is dag + 0.5 (dag a multiple of 80).
int EfemerisBestandNummer(std::int64_t dag);

// The 72 bytes of a record, and back. DecodeerRecord is false for a record that cannot be a
// position: a longitude outside 0..360 degrees, a radius vector that is not positive or a height
// larger than the radius vector (a damaged file or an empty slot).
void CodeerRecord(const TEfemerisRecord& record, unsigned char* bytes);
bool DecodeerRecord(const unsigned char* bytes, TEfemerisRecord& record);

// The six records of an interpolation block, read through one open file that stays open between
// requests and is replaced only when another file is needed.
class TEfemerisBlok {
 public:
  TEfemerisBlok() = default;
  ~TEfemerisBlok();
  TEfemerisBlok(const TEfemerisBlok&) = delete;
  TEfemerisBlok& operator=(const TEfemerisBlok&) = delete;

  // Makes the block of the tabular epochs dag - 160 .. dag + 240 (JD = those + 0.5) current, from
  // the files in `map` (with a trailing "/"). Nothing is read when it is already current. On failure
  // the reason is in `fout`, no file stays open and no block is held.
  bool Laad(const std::string& map, std::int64_t dag, std::string& fout);

  bool Gehouden() const { return gehouden_; }
  std::int64_t Dag() const { return dag_; }
  // Record k (0..5) of the current block: the epoch dag + 80 (k - 2).
  const TEfemerisRecord& Record(int k) const { return records_[k]; }

  bool BestandOpen() const { return bestand_ != nullptr; }
  int OpenNummer() const { return nummer_; }
  void Sluit();   // closes the file and forgets the block

 private:
  bool Open(const std::string& map, int nummer, std::string& fout);

  std::FILE* bestand_ = nullptr;
  int nummer_ = 0;
  long recordsInBestand_ = 0;
  bool gehouden_ = false;
  std::int64_t dag_ = 0;
  std::array<TEfemerisRecord, EfemBlokRecords> records_{};
};

}  // namespace orvan
