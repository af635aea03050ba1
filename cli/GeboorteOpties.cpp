#include "cli/GeboorteOpties.h"

#include "astro/RwHsCalc.h"
#include "cli/Argumenten.h"
#include "horoscope/THorData.h"
#include "time_place/JulDayF.h"
#include "time_place/KonvUtil.h"

namespace orvan::cli {

TGeboorteOpties NeemGeboorteOpties(TArgumenten& args) {
  TGeboorteOpties o;
  o.ut = NeemVlag(args, "ut");
  o.juliaans = NeemVlag(args, "julian");
  o.datum = NeemOptie(args, "date", o.ontbreekt);
  o.tijd = NeemOptie(args, "time", o.ontbreekt);
  o.verschil = NeemOptie(args, "diff", o.ontbreekt);
  o.breedte = NeemOptie(args, "lat", o.ontbreekt);
  o.lengte = NeemOptie(args, "long", o.ontbreekt);
  o.huis = NeemOptie(args, "house", o.ontbreekt);
  return o;
}

int LeesPlaatsOpties(const std::string& opdracht, const TGeboorteOpties& o, float& breedteDm,
                     float& lengteDm, int& huisSysteem) {
  if (!o.breedte) return Fout(opdracht, "--lat is required");
  if (!o.lengte) return Fout(opdracht, "--long is required");
  if (!LeesGeo(*o.breedte, SoortBreedte, breedteDm))
    return Fout(opdracht, "invalid --lat: \"" + *o.breedte + "\"");
  if (!LeesGeo(*o.lengte, SoortLengte, lengteDm))
    return Fout(opdracht, "invalid --long: \"" + *o.lengte + "\"");
  huisSysteem = -1;
  if (o.huis) {
    huisSysteem = o.huis->size() == 1 ? HuisSysteemIndex((*o.huis)[0]) : -1;
    if (huisSysteem < 0)
      return Fout(opdracht, "invalid --house: \"" + *o.huis + "\" (one of R C V E K P Y)");
  }
  return 0;
}

int LeesMomentOpties(const std::string& opdracht, const TGeboorteOpties& o, THorData& d) {
  if (!o.datum) return Fout(opdracht, "--date is required");
  if (!o.tijd) return Fout(opdracht, "--time is required");
  if (o.ut == o.verschil.has_value())
    return Fout(opdracht, "give either --ut or --diff H:M:S (clock time minus universal time)");
  if (!LeesDatum(*o.datum, DatumInternationaal, d.Datum))
    return Fout(opdracht, "invalid --date: \"" + *o.datum + "\" (day month year)");
  if (!LeesTijd(*o.tijd, SoortKloktijd, d.Tijd))
    return Fout(opdracht, "invalid --time: \"" + *o.tijd + "\"");
  d.ClockTime = !o.ut;
  if (o.verschil && !LeesTijd(*o.verschil, SoortTijdverschil, d.Verschil))
    return Fout(opdracht, "invalid --diff: \"" + *o.verschil + "\"");
  d.GregKal = !o.juliaans;
  return 0;
}

}  // namespace orvan::cli
