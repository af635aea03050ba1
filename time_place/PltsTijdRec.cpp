#include "time_place/PltsTijdRec.h"

#include <bit>
#include <cmath>
#include <cstddef>
#include <vector>

#include "time_place/Cp1252.h"
#include "time_place/KonvUtil.h"

namespace orvan {

namespace {

inline constexpr std::size_t NaamPositie = PlaatsNaamPositie;
inline constexpr std::size_t NaamMax = PlaatsNaamMax;
inline constexpr std::size_t BreedtePositie = PlaatsBreedtePositie;
inline constexpr std::size_t LengtePositie = PlaatsLengtePositie;
inline constexpr std::size_t ZonePositie = PlaatsZonePositie;
inline constexpr std::size_t ZoneMax = PlaatsZoneMax;
inline constexpr std::size_t GewistPositie = PlaatsGewistPositie;

void SchrijfTekst(TPlaatsRecBytes& b, std::size_t positie, std::size_t max, const std::string& utf8) {
  std::string tekst = Utf8NaarCp1252(utf8);
  if (tekst.size() > max) tekst.resize(max);
  b[positie] = static_cast<std::uint8_t>(tekst.size());
  for (std::size_t i = 0; i < tekst.size(); ++i)
    b[positie + 1 + i] = static_cast<std::uint8_t>(tekst[i]);
}

bool LeesTekst(const TPlaatsRecBytes& b, std::size_t positie, std::size_t max, std::string& utf8) {
  const std::size_t lengte = b[positie];
  if (lengte > max) return false;
  std::string tekst;
  for (std::size_t i = 0; i < lengte; ++i) tekst += static_cast<char>(b[positie + 1 + i]);
  utf8 = Cp1252NaarUtf8(tekst);
  return true;
}

void SchrijfFloat(TPlaatsRecBytes& b, std::size_t positie, float x) {
  const auto bits = std::bit_cast<std::uint32_t>(x);
  for (std::size_t i = 0; i < 4; ++i) b[positie + i] = static_cast<std::uint8_t>(bits >> (8 * i));
}

float LeesFloat(const TPlaatsRecBytes& b, std::size_t positie) {
  std::uint32_t bits = 0;
  for (std::size_t i = 0; i < 4; ++i) bits |= std::uint32_t{b[positie + i]} << (8 * i);
  return std::bit_cast<float>(bits);
}

// Lines of a text; "\r\n", "\n" and "\r" all end a line.
std::vector<std::string> Regels(const std::string& tekst) {
  std::vector<std::string> regels(1);
  for (std::size_t i = 0; i < tekst.size(); ++i) {
    const char c = tekst[i];
    if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < tekst.size() && tekst[i + 1] == '\n') ++i;
      regels.emplace_back();
    } else {
      regels.back() += c;
    }
  }
  return regels;
}


}  // namespace

double DmInGraden(double x) {
  const double heel = std::trunc(x);
  return heel + (x - heel) * 5.0 / 3.0;
}

double GradenInDm(double x) {
  const double heel = std::trunc(x);
  return heel + (x - heel) * 3.0 / 5.0;
}

TTijdRec HmmInTijd(double x) {
  // Whole hundredths, rounded: 5.30 stored as 5.2999... is 5h30m, and minutes that round up to
  // 100 carry into the hours. The sign of the minutes follows the hours (-5.30 is -5h -30m).
  const long honderdsten = std::lround(x * 100.0);
  TTijdRec t;
  t.Uren = static_cast<std::int16_t>(honderdsten / 100);
  t.Minuten = static_cast<std::int16_t>(honderdsten % 100);
  return t;
}

TDatumTijd MomentInUT(const TDatumRec& datum, const TTijdRec& tijd, bool klokTijd,
                      const TTijdRec& verschil) {
  if (!klokTijd) return TDatumTijd{datum, tijd};
  return DatumTijdPlusSec(datum, tijd, -TijdInSec(verschil));
}

TPlaatsRecBytes SchrijfPlaatsRec(const PlaatsRec& p) {
  TPlaatsRecBytes b{};
  SchrijfTekst(b, NaamPositie, NaamMax, p.Naam);
  SchrijfFloat(b, BreedtePositie, p.Breedte);
  SchrijfFloat(b, LengtePositie, p.Lengte);
  SchrijfTekst(b, ZonePositie, ZoneMax, p.Zone);
  b[GewistPositie] = p.Gewist;
  return b;
}

bool LeesPlaatsRec(const TPlaatsRecBytes& bytes, PlaatsRec& p) {
  PlaatsRec gelezen;
  if (!LeesTekst(bytes, NaamPositie, NaamMax, gelezen.Naam) ||
      !LeesTekst(bytes, ZonePositie, ZoneMax, gelezen.Zone))
    return false;
  gelezen.Breedte = LeesFloat(bytes, BreedtePositie);
  gelezen.Lengte = LeesFloat(bytes, LengtePositie);
  gelezen.Gewist = bytes[GewistPositie];
  p = std::move(gelezen);
  return true;
}

bool LeesKlembordGegevens(const std::string& tekst, TKlembordGegevens& gegevens) {
  // Line numbers of the values, counted from 0.
  constexpr std::size_t DatumRegel = 0, TijdRegel = 1, PlaatsRegel = 2, BreedteRegel = 5,
                        LengteRegel = 6, VerschilRegel = 9;
  const std::vector<std::string> regels = Regels(tekst);
  if (regels.size() <= VerschilRegel) return false;

  TKlembordGegevens g;
  if (!LeesDatum(regels[DatumRegel], DatumAmerikaans, g.datum)) return false;
  if (!LeesTijd(regels[TijdRegel], SoortKloktijd, g.tijd)) return false;
  g.plaats = EersteTekens(regels[PlaatsRegel], NaamMax);
  if (!LeesGeo(regels[BreedteRegel], SoortBreedte, g.breedte)) return false;
  if (!LeesGeo(regels[LengteRegel], SoortLengte, g.lengte)) return false;

  // The source counts the difference positive west of Greenwich: "-1:00" is one hour east.
  std::string verschil = Snoei(regels[VerschilRegel]);
  const bool oost = !verschil.empty() && verschil[0] == '-';
  if (oost) {
    verschil.erase(0, 1);
    if (!Snoei(verschil).empty() && Snoei(verschil)[0] == '-') return false;   // "--1:00"
  }
  if (!LeesTijd(verschil, SoortTijdverschil, g.verschil)) return false;
  if (!oost) {
    g.verschil.Uren = static_cast<std::int16_t>(-g.verschil.Uren);
    g.verschil.Minuten = static_cast<std::int16_t>(-g.verschil.Minuten);
    g.verschil.Seconden = static_cast<std::int16_t>(-g.verschil.Seconden);
  }
  gegevens = std::move(g);
  return true;
}

}  // namespace orvan
