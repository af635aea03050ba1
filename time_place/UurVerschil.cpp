#include "time_place/UurVerschil.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "shell/LangUtils.h"
#include "time_place/Cp1252.h"
#include "time_place/KonvUtil.h"
#include "time_place/PltsTijdRec.h"
#include "time_place/TijdzoneMap.h"
#include "time_place/UurTabelRegel.h"

namespace orvan {

namespace {

enum class TGelezen { Regel, Einde, Fout };

bool IsLeeg(const std::string& s) {
  return s.find_first_not_of(" \t\r") == std::string::npos;
}

// The next data line; empty lines are skipped.
TGelezen LeesVolgende(std::istream& in, TUurTabelRegel& r) {
  std::string regel;
  while (std::getline(in, regel)) {
    if (IsLeeg(regel)) continue;
    return LeesUurTabelRegel(regel, r) ? TGelezen::Regel : TGelezen::Fout;
  }
  return TGelezen::Einde;
}

// The text with its first "%s" replaced by `waarde` (a translated text is never used as a printf
// format).
std::string VulIn(std::string tekst, const std::string& waarde) {
  const auto p = tekst.find("%s");
  if (p == std::string::npos) return tekst + " " + waarde;
  return tekst.replace(p, 2, waarde);
}

std::string LeesHeelBestand(const std::string& pad) {
  std::ifstream in(pad, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  std::string tekst = s.str();
  // Line ends as the platform writes them.
  std::string uit;
  uit.reserve(tekst.size());
  for (char c : tekst)
    if (c != '\r') uit += c;
  return Cp1252NaarUtf8(uit);
}

}  // namespace

TZoekVerschil ZoekVerschilIn(const std::string& map, const std::string& zone,
                             const TDatumRec& datum, const TTijdRec& tijd) {
  TZoekVerschil geen;
  const std::string pad = ZoneBestand(map, zone, ".uur");
  if (pad.empty()) return geen;
  std::ifstream in(pad, std::ios::binary);
  std::string beschrijving;
  if (!in || !std::getline(in, beschrijving)) return geen;

  TUurTabelRegel huidig;
  if (LeesVolgende(in, huidig) != TGelezen::Regel) return geen;
  const long sleutelDatum = datum.Jaar * 10000L + datum.Maand * 100L + datum.Dag;
  const long sleutelTijd = tijd.Uren * 100L + tijd.Minuten;

  TZoekVerschil z;
  if (!IsEerderDan(huidig, sleutelDatum, sleutelTijd)) {
    z.status = ZoekVoorTabel;
    z.verschil = HmmInTijd(huidig.verschil);
    return z;
  }
  for (;;) {
    TUurTabelRegel volgende;
    const TGelezen g = LeesVolgende(in, volgende);
    if (g == TGelezen::Einde) break;
    if (g == TGelezen::Fout) return geen;
    // Stop at the first line later than the moment; a line at the moment itself applies.
    if (volgende.datum > sleutelDatum ||
        (volgende.datum == sleutelDatum && volgende.tijd > sleutelTijd))
      break;
    huidig = volgende;
  }
  z.status = huidig.onzeker ? ZoekOnzeker : ZoekZeker;
  z.verschil = HmmInTijd(huidig.verschil);
  z.commentaar = Cp1252NaarUtf8(huidig.commentaar);
  return z;
}

TZoekVerschil ZoekVerschil(const std::string& zone, const TDatumRec& datum, const TTijdRec& tijd) {
  return ZoekVerschilIn(TijdzoneMap(), zone, datum, tijd);
}

std::string ZoneBeschrijving(const std::string& map, const std::string& zone) {
  const std::string pad = ZoneBestand(map, zone, ".uur");
  if (pad.empty()) return {};
  std::ifstream in(pad, std::ios::binary);
  std::string regel;
  if (!std::getline(in, regel)) return {};
  if (!regel.empty() && regel.back() == '\r') regel.pop_back();
  return Cp1252NaarUtf8(regel);
}

int MptMinuten(double lengte) {
  return static_cast<int>(std::lround(DmInGraden(lengte) / 15.0 * 60.0));
}

double MptHmm(double lengte) {
  const double h = DmInGraden(lengte) / 15.0;
  const double heel = std::trunc(h);
  return heel + (h - heel) * 3.0 / 5.0;
}

std::string MptTekst(int minuten) {
  const int a = std::abs(minuten);
  char buf[32];
  std::snprintf(buf, sizeof buf, "%s%d.%02d", minuten < 0 ? "-" : "", a / 60, a % 60);
  std::string s = buf;
  if (s.size() < 5) s.insert(0, 5 - s.size(), ' ');
  return s;
}

TVerschilVraag MaakVerschilVraag(const std::string& map, const std::string& zone,
                                 const TZoekVerschil& gevonden, double lengte) {
  TVerschilVraag v;
  v.status = zone == ZoneLokaleTijd ? ZoekLokaleTijd : gevonden.status;
  v.verschil = gevonden.status == ZoekGeenTabel ? TTijdRec{} : gevonden.verschil;
  v.commentaar = gevonden.commentaar;
  v.mptHmm = MptHmm(lengte);
  // The offset is rounded to whole minutes once, so that the text and the prefilled value agree
  // (the h.mm number itself would give 0.60 for 59.6 minutes).
  const int mpt = MptMinuten(lengte);

  if (!zone.empty() && zone != ZoneLokaleTijd) {
    const std::string exc = ZoneBestand(map, zone, ".exc");
    if (!exc.empty()) {
      v.heeftUitzonderingen = true;
      v.uitzonderingen = LeesHeelBestand(exc);
    }
  }

  v.titel = Vertaal("VerschilGMTOnzeker");
  v.verschilLabel = Vertaal("VerschilGMT") + " (+/- hh.mm.ss) ?";
  v.foutmelding = Vertaal("OnmogVerschilGMT");
  v.uitzonderingLabel = "!!! " + Vertaal("UitzReg") + ":";
  switch (v.status) {
    case ZoekOnzeker:
      v.meldRegels.push_back(VulIn(Vertaal("VerschilWaarsch"), TijdTekst(v.verschil)));
      if (!v.commentaar.empty()) v.meldRegels.push_back(v.commentaar);
      break;
    case ZoekLokaleTijd:
      v.meldRegels.push_back(Vertaal("NogGeenOffTijdReg"));
      v.verschil = SecInTijd(mpt * 60);
      break;
    default:
      v.meldRegels.push_back(Vertaal("GeenGeg"));
      break;
  }
  v.meldRegels.push_back(Vertaal("MPT") + ": GMT " + (mpt >= 0 ? "+" : "") + MptTekst(mpt));
  return v;
}

bool BepaalVerschilGMTIn(const std::string& map, const std::string& zone, const TDatumRec& datum,
                         const TTijdRec& tijd, double lengte, TTijdRec& verschil) {
  const TZoekVerschil gevonden = ZoekVerschilIn(map, zone, datum, tijd);
  if (gevonden.status == ZoekZeker) {
    verschil = gevonden.verschil;
    return true;
  }
  const TVerschilVraag vraag = MaakVerschilVraag(map, zone, gevonden, lengte);
  TTijdRec gekozen = vraag.verschil;
  if (!VerschilGMTDialoog().Vraag(vraag, gekozen)) return false;
  verschil = gekozen;
  return true;
}

bool BepaalVerschilGMT(const std::string& zone, const TDatumRec& datum, const TTijdRec& tijd,
                       double lengte, TTijdRec& verschil) {
  return BepaalVerschilGMTIn(TijdzoneMap(), zone, datum, tijd, lengte, verschil);
}

}  // namespace orvan
