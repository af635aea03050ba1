#include "astro/tests/AstroFixture.h"

#include <cmath>
#include <fstream>
#include <stdexcept>

#include "astro/WiskFies.h"

namespace orvan::test {

THelConst ProefConstanten() {
  THelConst t;
  t.storing[0].resize(AantalAarde);
  t.storing[2].resize(AantalMercurius);
  t.storing[3].resize(AantalVenus);
  t.storing[4].resize(AantalMars);
  t.maan1.resize(AantalMaan1);
  t.maan2.resize(AantalMaan2);
  t.storing[0][0] = {1, -2, 0.0, 12.5, 0, 300.25, 1};
  t.storing[4][61] = {-3, 4, 0.0, 1.0, 0, 2.0, 19};
  t.maan1[0] = {1, 0, 0, 0, 0.0, 0.0, 0.0};
  t.maan2[26] = {0.0, 0, 1, 0, -2};
  return t;
}

void SchrijfProefConstanten(const std::string& map) {
  std::string fout;
  if (!SchrijfHelConst(map + "HelConst.dat", ProefConstanten(), fout)) throw std::runtime_error(fout);
}

void SchrijfProefEfemeris(const std::string& map, int eerste, int laatste, const TProefBaan& baan) {
  for (int n = eerste; n <= laatste; ++n) {
    std::ofstream uit(map + EfemerisBestandsnaam(n), std::ios::binary | std::ios::trunc);
    for (int r = 0; r < EfemRecordsPerBestand; ++r) {
      const double jd = 100000.0 * n + 80.0 * r + 0.5;
      TEfemerisRecord record;
      for (int s = 0; s < EfemSlots; ++s) {
        const TProefPositie p = baan(s, jd);
        record[s].lengte = static_cast<std::int32_t>(std::lround(Norm360(p.lengte) * EfemLengteEenheid)) %
                           (360 * 3600000);
        record[s].straal = static_cast<std::int32_t>(std::lround(p.straal * EfemAfstandEenheid));
        record[s].hoogte = static_cast<std::int32_t>(std::lround(p.hoogte * EfemAfstandEenheid));
      }
      unsigned char bytes[EfemRecordLengte];
      CodeerRecord(record, bytes);
      uit.write(reinterpret_cast<const char*>(bytes), EfemRecordLengte);
    }
    if (!uit) throw std::runtime_error("cannot write the ephemeris fixture");
  }
}

TProefPositie CirkelBaan(int slot, double jd) {
  const double perioden[EfemSlots] = {18500, 4333, 10759, 30687, 60190, 90560};
  const double stralen[EfemSlots] = {13.7, 5.2, 9.55, 19.2, 30.1, 39.5};
  const double hoek = 360.0 * (jd - 2451545.0) / perioden[slot] + 40.0 * slot;
  return {hoek, stralen[slot], 0.1 * stralen[slot] * SinG(hoek - 30.0)};
}

}  // namespace orvan::test
