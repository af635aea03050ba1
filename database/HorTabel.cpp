#include "database/HorTabel.h"

namespace orvan {

bool THorTabel::Initialiseer(const std::string& map, const std::string& bestandsnaam, bool alleenLezen) {
  ZetVeldZichtbaar("SName", false);
  return TPelqTabel::Initialiseer(map, bestandsnaam, alleenLezen);
}

void THorTabel::MaakVelden() {
  TPelqTabel::MaakVelden();
  VoegVeldToe("InputNr", TVeldSoort::AutoNummer, 0, false);
  VoegVeldToe("SName", TVeldSoort::Tekst, NaamLengte, false);
  VoegVeldToe("Name", TVeldSoort::Tekst, NaamLengte, false);
  VoegVeldToe("KeyWords", TVeldSoort::Tekst, SteekwoordenLengte, false);
  VoegVeldToe("Info", TVeldSoort::Memo, 0, false);
  VoegVeldToe("Place", TVeldSoort::Tekst, NaamLengte, false);
  VoegVeldToe("Lat", TVeldSoort::Bcd, 0, true);
  VoegVeldToe("Long", TVeldSoort::Bcd, 0, true);
  VoegVeldToe("Zone", TVeldSoort::Tekst, ZoneLengte, false);
  VoegVeldToe("DateY", TVeldSoort::KleinGetal, 0, true);
  VoegVeldToe("DateM", TVeldSoort::KleinGetal, 0, true);
  VoegVeldToe("DateD", TVeldSoort::KleinGetal, 0, true);
  VoegVeldToe("GregKal", TVeldSoort::Boolean, 0, true);
  VoegVeldToe("TimeH", TVeldSoort::KleinGetal, 0, true);
  VoegVeldToe("TimeM", TVeldSoort::KleinGetal, 0, true);
  VoegVeldToe("TimeS", TVeldSoort::KleinGetal, 0, true);
  VoegVeldToe("ClockTime", TVeldSoort::Boolean, 0, true);
  VoegVeldToe("DiffH", TVeldSoort::KleinGetal, 0, true);
  VoegVeldToe("DiffM", TVeldSoort::KleinGetal, 0, true);
  VoegVeldToe("DiffS", TVeldSoort::KleinGetal, 0, true);
  VoegVeldToe("PrecH", TVeldSoort::KleinGetal, 0, true);
  VoegVeldToe("PrecM", TVeldSoort::KleinGetal, 0, true);
  VoegVeldToe("PrecS", TVeldSoort::KleinGetal, 0, true);
  VoegVeldToe("Sex", TVeldSoort::KleinGetal, 0, true);
}

void THorTabel::MaakIndexen() {
  TPelqTabel::MaakIndexen();
  VoegIndexToe("SName", "SName");
  VoegIndexToe("Tijd", "DateY;DateM;DateD;TimeH;TimeM;TimeS");
}

bool THorTabel::CheckIndexen() {
  return ControleerIndexen({{"SName", "SName"},
                            {"Tijd", "DateY;DateM;DateD;TimeH;TimeM;TimeS"},
                            {"Verjaardag", "DateM;DateD;TimeH;TimeM;TimeS"}});
}

void THorTabel::DatumStatistiek(TDatumRec& eerste, TDatumRec& laatste) {
  eerste = laatste = TDatumRec();
  if (!IsOpen()) return;
  SchakelBesturingUit();
  const std::string index = IndexNaam();
  const TBladwijzer bladwijzer = Bladwijzer();
  auto datum = [this] {
    TDatumRec d;
    d.Dag = static_cast<std::int16_t>(Waarde(VeldDateD).AlsInt());
    d.Maand = static_cast<std::int16_t>(Waarde(VeldDateM).AlsInt());
    d.Jaar = static_cast<std::int16_t>(Waarde(VeldDateY).AlsInt());
    return d;
  };
  if (ZetIndex("Tijd") && !IsLeeg()) {
    Eerste();
    eerste = datum();
    Laatste();
    laatste = datum();
  }
  ZetIndex(index);
  GaNaarBladwijzer(bladwijzer);
  SchakelBesturingIn();
}

bool THorTabel::IsErOverlap(double lengte, double start) {
  if (!IsOpen()) return false;
  SchakelBesturingUit();
  const std::string index = IndexNaam();
  const TBladwijzer bladwijzer = Bladwijzer();
  bool overlap = false;
  if (ZetIndex("Tijd") && !IsLeeg()) {
    Laatste();
    const double laatste = JD_AD_KT();
    Eerste();
    const double eerste = JD_AD_KT();
    overlap = laatste >= start && eerste <= start + lengte;
  }
  ZetIndex(index);
  GaNaarBladwijzer(bladwijzer);
  SchakelBesturingIn();
  return overlap;
}

double THorTabel::JD_AD_KT() const {
  const double uren = static_cast<double>(Waarde(VeldTimeH).AlsInt()) +
                      static_cast<double>(Waarde(VeldTimeM).AlsInt()) / 60.0 +
                      static_cast<double>(Waarde(VeldTimeS).AlsInt()) / 3600.0;
  return JulDag(static_cast<int>(Waarde(VeldDateM).AlsInt()), static_cast<int>(Waarde(VeldDateD).AlsInt()),
                static_cast<int>(Waarde(VeldDateY).AlsInt()), Waarde(VeldGregKal).AlsBool(), uren);
}

double THorTabel::JD_AD_GMT() const {
  if (!Waarde(VeldClockTime).AlsBool()) return JD_AD_KT();
  const double verschil = static_cast<double>(Waarde(VeldDiffH).AlsInt() * 3600 + Waarde(VeldDiffM).AlsInt() * 60 +
                                              Waarde(VeldDiffS).AlsInt());
  return JD_AD_KT() - verschil / 86400.0;
}

}  // namespace orvan
