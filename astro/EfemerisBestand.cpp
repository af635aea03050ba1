#include "astro/EfemerisBestand.h"

#include <algorithm>
#include <cstdlib>

namespace orvan {

namespace {

std::int32_t LeesInt32(const unsigned char* b) {
  const std::uint32_t u = static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
                          static_cast<std::uint32_t>(b[2]) << 16 | static_cast<std::uint32_t>(b[3]) << 24;
  return static_cast<std::int32_t>(u);
}

void SchrijfInt32(std::int32_t x, unsigned char* b) {
  const auto u = static_cast<std::uint32_t>(x);
  b[0] = static_cast<unsigned char>(u);
  b[1] = static_cast<unsigned char>(u >> 8);
  b[2] = static_cast<unsigned char>(u >> 16);
  b[3] = static_cast<unsigned char>(u >> 24);
}

std::int64_t VloerDeling(std::int64_t a, std::int64_t b) {
  std::int64_t q = a / b;
  if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
  return q;
}

}  // namespace

std::string EfemerisBestandsnaam(int n) {
  return "LRZ6_" + std::string(n < 0 ? "M" : "") + std::to_string(std::abs(static_cast<long>(n))) +
         ".PC";
}

int EfemerisBestandNummer(std::int64_t dag) {
  return static_cast<int>(VloerDeling(dag, EfemDagenPerBestand));
}

void CodeerRecord(const TEfemerisRecord& record, unsigned char* bytes) {
  for (int s = 0; s < EfemSlots; ++s) {
    SchrijfInt32(record[s].lengte, bytes + 12 * s);
    SchrijfInt32(record[s].straal, bytes + 12 * s + 4);
    SchrijfInt32(record[s].hoogte, bytes + 12 * s + 8);
  }
}

bool DecodeerRecord(const unsigned char* bytes, TEfemerisRecord& record) {
  for (int s = 0; s < EfemSlots; ++s) {
    TEfemerisWaarde& w = record[s];
    w.lengte = LeesInt32(bytes + 12 * s);
    w.straal = LeesInt32(bytes + 12 * s + 4);
    w.hoogte = LeesInt32(bytes + 12 * s + 8);
    if (w.lengte < 0 || w.lengte >= 360 * 3600000 || w.straal <= 0 ||
        std::abs(static_cast<std::int64_t>(w.hoogte)) > w.straal)
      return false;
  }
  return true;
}

TEfemerisBlok::~TEfemerisBlok() { Sluit(); }

void TEfemerisBlok::Sluit() {
  if (bestand_) std::fclose(bestand_);
  bestand_ = nullptr;
  gehouden_ = false;
}

bool TEfemerisBlok::Open(const std::string& map, int nummer, std::string& fout) {
  Sluit();
  const std::string naam = EfemerisBestandsnaam(nummer);
  std::FILE* f = std::fopen((map + naam).c_str(), "rb");
  if (!f) {
    fout = "ephemeris file \"" + naam + "\" not found";
    return false;
  }
  long lengte = -1;
  if (std::fseek(f, 0, SEEK_END) == 0) lengte = std::ftell(f);
  if (lengte <= 0 || lengte % EfemRecordLengte != 0 ||
      lengte > static_cast<long>(EfemRecordLengte) * EfemRecordsPerBestand) {
    std::fclose(f);
    fout = "ephemeris file \"" + naam + "\" is damaged (its length is no whole number of records)";
    return false;
  }
  bestand_ = f;
  nummer_ = nummer;
  recordsInBestand_ = lengte / EfemRecordLengte;
  return true;
}

bool TEfemerisBlok::Laad(const std::string& map, std::int64_t dag, std::string& fout) {
  if (gehouden_ && dag == dag_) return true;
  gehouden_ = false;
  std::array<TEfemerisRecord, EfemBlokRecords> nieuw;
  // The six records, read in runs of consecutive records of one file (one seek and one read each).
  for (int k = 0; k < EfemBlokRecords;) {
    const std::int64_t epoche = dag + static_cast<std::int64_t>(EfemStap) * (k - 2);
    const int n = EfemerisBestandNummer(epoche);
    if ((!bestand_ || n != nummer_) && !Open(map, n, fout)) return false;
    const long r = static_cast<long>((epoche - static_cast<std::int64_t>(n) * EfemDagenPerBestand) / EfemStap);
    const int rij = static_cast<int>(std::min<long>(EfemBlokRecords - k, EfemRecordsPerBestand - r));
    const std::string naam = EfemerisBestandsnaam(n);
    if (r + rij > recordsInBestand_) {
      Sluit();
      fout = "ephemeris file \"" + naam + "\" does not reach JD " +
             std::to_string(epoche + static_cast<std::int64_t>(EfemStap) * (rij - 1)) + ".5";
      return false;
    }
    unsigned char bytes[EfemRecordLengte * EfemBlokRecords];
    const std::size_t lengte = static_cast<std::size_t>(EfemRecordLengte) * rij;
    if (std::fseek(bestand_, r * EfemRecordLengte, SEEK_SET) != 0 ||
        std::fread(bytes, 1, lengte, bestand_) != lengte) {
      Sluit();
      fout = "ephemeris file \"" + naam + "\" cannot be read at record " + std::to_string(r);
      return false;
    }
    for (int j = 0; j < rij; ++j) {
      if (!DecodeerRecord(bytes + EfemRecordLengte * j, nieuw[k + j])) {
        Sluit();
        fout = "ephemeris file \"" + naam + "\" is damaged at record " + std::to_string(r + j);
        return false;
      }
    }
    k += rij;
  }
  records_ = nieuw;
  dag_ = dag;
  gehouden_ = true;
  return true;
}

}  // namespace orvan
