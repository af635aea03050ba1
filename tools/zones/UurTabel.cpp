#include "tools/zones/UurTabel.h"

#include <cstdio>
#include <cstdlib>
#include <limits>

#include "tools/zones/DagNummer.h"
#include "tools/zones/PosixTz.h"

namespace orvan::tools {

namespace {

struct TPeriode {
  std::int64_t vanaf;   // UT seconds; the first period starts at the lowest value
  TTzType type;
};

bool IsOnzekerType(const TTzType& t) { return t.afkorting == "LMT" || t.afkorting == "-00"; }

// An offset in seconds as +h:mm or +h:mm:ss.
std::string VerschilTekst(std::int32_t sec) {
  const char teken = sec < 0 ? '-' : '+';
  const std::int32_t a = std::abs(sec);
  char buf[32];
  if (a % 60) std::snprintf(buf, sizeof buf, "%c%d:%02d:%02d", teken, a / 3600, a / 60 % 60, a % 60);
  else std::snprintf(buf, sizeof buf, "%c%d:%02d", teken, a / 3600, a / 60 % 60);
  return buf;
}

int Minuten(std::int32_t sec) {
  // Nearest whole minute, halves away from zero.
  return static_cast<int>(sec >= 0 ? (sec + 30) / 60 : -((-sec + 30) / 60));
}

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
  std::int64_t q = a / b;
  if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
  return q;
}

std::string TypeCommentaar(const TTzType& t, const std::string& stad) {
  if (t.afkorting == "LMT")
    return "LMT local mean time of " + stad + ", " + VerschilTekst(t.utVerschil) +
           "; the place's own mean time may differ";
  if (t.afkorting == "-00") return "no local time in use";
  std::string c = t.afkorting;
  if (t.zomertijd) c += " summer time";
  if (t.utVerschil % 60) c += " (" + VerschilTekst(t.utVerschil) + ")";
  return c;
}

std::string Klok(std::int64_t lokaal, bool metDatum) {
  const std::int64_t m = FloorDiv(lokaal, 60);
  const std::int64_t dagen = FloorDiv(m, 1440);
  const int mvd = static_cast<int>(m - dagen * 1440);
  if (!metDatum) return HmmTekst(mvd);
  const TBurgerDatum d = DatumVanDagen(dagen);
  return std::to_string(d.dag) + "." + std::to_string(d.maand) + "." + std::to_string(d.jaar) + " " +
         HmmTekst(mvd);
}

// The line of a moment in local minutes since 1970.
TUurRegel RegelOp(std::int64_t lokaleMinuten, int verschil, bool onzeker, std::string c) {
  TUurRegel r;
  const std::int64_t dagen = FloorDiv(lokaleMinuten, 1440);
  const TBurgerDatum d = DatumVanDagen(dagen);
  r.jaar = d.jaar;
  r.maand = d.maand;
  r.dag = d.dag;
  r.minuut = static_cast<int>(lokaleMinuten - dagen * 1440);
  r.verschilMinuten = verschil;
  r.onzeker = onzeker;
  r.commentaar = std::move(c);
  return r;
}

std::int64_t Sleutel(const TUurRegel& r) {
  return (static_cast<std::int64_t>(r.jaar) * 10000 + r.maand * 100 + r.dag) * 10000 + r.minuut;
}

void VoegToe(std::vector<TUurRegel>& regels, TUurRegel r) {
  // Lines stay in ascending order: a change that falls before the end of the previous one's
  // uncertain hour replaces what it overlaps.
  while (regels.size() > 1 && Sleutel(regels.back()) >= Sleutel(r)) regels.pop_back();
  regels.push_back(std::move(r));
}

}  // namespace

std::string HmmTekst(int minuten) {
  char buf[24];
  const int a = std::abs(minuten);
  std::snprintf(buf, sizeof buf, "%s%d.%02d", minuten < 0 ? "-" : "", a / 60, a % 60);
  return buf;
}

std::string UurRegelTekst(const TUurRegel& r) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%04d%02d%02d %s %s %c", r.jaar, r.maand, r.dag,
                HmmTekst(r.minuut).c_str(), HmmTekst(r.verschilMinuten).c_str(),
                r.onzeker ? '?' : ' ');
  return std::string(buf) + r.commentaar.substr(0, 255);
}

std::vector<TUurRegel> MaakUurRegels(const TTzif& tz, const std::string& stad, int totJaar,
                                     std::string& fout, bool& ok) {
  ok = true;
  std::vector<TPeriode> perioden;
  perioden.push_back({std::numeric_limits<std::int64_t>::min(), tz.typen.at(0)});
  const std::int64_t grens = DagenSinds1970(totJaar + 1, 1, 1) * 86400;
  for (const auto& o : tz.overgangen)
    if (o.moment < grens) perioden.push_back({o.moment, tz.typen.at(o.type)});
  if (!tz.voet.empty()) {
    TPosixTz regel;
    if (!LeesPosixTz(tz.voet, regel, fout)) {
      ok = false;
      return {};
    }
    const std::int64_t laatste = tz.overgangen.empty() ? std::numeric_limits<std::int64_t>::min()
                                                       : tz.overgangen.back().moment;
    const int vanJaar = tz.overgangen.empty() ? 1970 : DatumVanDagen(FloorDiv(laatste, 86400)).jaar;
    for (const auto& o : PosixOvergangen(regel, vanJaar, totJaar))
      if (o.moment > laatste && o.moment < grens) perioden.push_back({o.moment, o.type});
    if (tz.overgangen.empty() && !regel.heeftRegel) perioden[0].type = regel.standaard;
  }

  std::vector<TUurRegel> regels;
  const TTzType& eerste = perioden[0].type;
  regels.push_back({1, 1, 1, 0, Minuten(eerste.utVerschil), IsOnzekerType(eerste),
                    TypeCommentaar(eerste, stad)});
  TTzType huidig = eerste;
  for (std::size_t i = 1; i < perioden.size(); ++i) {
    const TTzType& nieuw = perioden[i].type;
    if (nieuw.utVerschil == huidig.utVerschil && IsOnzekerType(nieuw) == IsOnzekerType(huidig)) {
      huidig = nieuw;   // only the abbreviation changed: no line, but later comments name it
      continue;
    }
    const std::int64_t t = perioden[i].vanaf;
    const std::int64_t oud = FloorDiv(t + huidig.utVerschil + 30, 60);    // local minutes
    const std::int64_t nw = FloorDiv(t + nieuw.utVerschil + 30, 60);
    const int a = Minuten(huidig.utVerschil), b = Minuten(nieuw.utVerschil);
    if (oud != nw && a != b) {
      const bool terug = nw < oud;
      // Clock readings, with their dates when the change crosses midnight by more than the hour.
      const bool metDatum = std::abs(oud - nw) >= 1440;
      const std::string van = Klok(oud * 60, metDatum), naar = Klok(nw * 60, metDatum);
      std::string c = terug
          ? "clocks set back " + van + " to " + naar + ": " + naar + "-" + van + " came twice, first " +
                HmmTekst(a) + " " + huidig.afkorting + ", then " + HmmTekst(b) + " " + nieuw.afkorting
          : "clocks set forward " + van + " to " + naar + ": " + van + "-" + naar +
                " did not exist; " + HmmTekst(a) + " " + huidig.afkorting + " assumed";
      VoegToe(regels, RegelOp(terug ? nw : oud, a, true, std::move(c)));
      VoegToe(regels, RegelOp(terug ? oud : nw, b, IsOnzekerType(nieuw),
                              TypeCommentaar(nieuw, stad)));
    } else {
      VoegToe(regels, RegelOp(oud, b, IsOnzekerType(nieuw), TypeCommentaar(nieuw, stad)));
    }
    huidig = nieuw;
  }
  return regels;
}

}  // namespace orvan::tools
