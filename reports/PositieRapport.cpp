#include "reports/PositieRapport.h"

#include <cstdio>
#include <string>

#include "astro/AstroGlo.h"
#include "graphics/RTFBestanden.h"
#include "graphics/RTFTekst.h"
#include "horoscope/Aspekt.h"
#include "horoscope/TZelfstHoroskoop.h"
#include "reports/AstroTermen.h"
#include "shell/Aspekten.h"
#include "shell/Instellingen.h"
#include "shell/LangUtils.h"
#include "shell/Utf8Tekst.h"

namespace orvan {

namespace {

inline constexpr int LaatsteAspektObject = LaatsteTekenObject;  // the loops run over 1..37

std::string Vet(const std::string& rtf) {
  return TRTFUitBestand::Vet(true) + rtf + TRTFUitBestand::Vet(false);
}

std::string Procent(double waarde) {
  char buf[48];
  std::snprintf(buf, sizeof buf, "%6.1f %%", waarde);
  return buf;
}

// 1. Margins and footer; 2. name, data and Julian day.
void Kop(const TZelfstHoroskoop& h, TRTFUitBestand& r) {
  r.Marges(20, 0, 15, 15);
  r.Voettekst(RtfTekst(h.Naam()), true);
  r.Letter(LetterArial, 10);
  r.Regels(Vet(RtfTekst(h.Naam())));
  r.Regels(" ");
  r.Regels(RtfTekst(h.GegevensTekst()));
  r.Regels(RtfTekst(h.JulDatTekst()));
  r.Regels(" ");
}

// 3, 4. The bodies: longitude, latitude, right ascension, declination, speed, distance, house.
void Posities(const TZelfstHoroskoop& h, TRTFUitBestand& r) {
  r.Letter(LetterCourier, 10);
  r.Regels(Vet(RtfTekst(Vertaal("Hoofding1"))));
  for (int n = ObjZon; n <= ObjLilith; ++n) {
    const std::string regel = ObjektAfk(n) + ": " + LengteTekst(h.Lengte(n)) +
                              BreedteTekst(h.Breedte(n)) + "   " + GraadTekst(h.Rechteklimming(n)) +
                              BreedteTekst(h.Declinatie(n)) + "   " + SnelheidTekst(h.Snelheid(n)) +
                              "  " + AfstandTekst(h.Afstand(n)) + "   " + Vertaal("In") + " " +
                              std::to_string(h.Huis(h.Lengte(n)));
    r.Regels(RtfTekst(regel));
  }
  r.Letter(LetterArial, 7);
  const std::string knoop =
      Instellingen.GebruikWareKnoop ? Vertaal("WareKnoop") : Vertaal("GemKnoop");
  r.Regels(RtfTekst("(" + knoop + ")"));
}

// 5, 6. The cusps, and the warning when the MC was replaced by the IC.
void Huizen(const TZelfstHoroskoop& h, TRTFUitBestand& r) {
  r.Letter(LetterCourier, 10);
  r.Regels(" ");
  r.Regels(TRTFUitBestand::Vet(true) +
           RtfTekst(Vertaal("Huizen") + " (" + HuisSysteemNaam(Instellingen.HuisSys) + "):"));
  r.Regels(RtfTekst(Vertaal("HoofdingHuisPos")) + TRTFUitBestand::Vet(false));
  for (int k = 1; k <= 12; ++k) {
    r.Regels(RtfTekst(ObjektNaam(EersteKuspObject + k - 1) + ": " + LengteTekst(h.Kusp[k]) +
                      "    " + GraadTekst(h.KuspRA[k]) + BreedteTekst(h.KuspDecl[k])));
  }
  if (h.MCICVerwisseld) {
    r.Letter(LetterArial, 7);
    r.Regels(RtfTekst(Vertaal("WaarschASMCVerwisseld")));
    r.Letter(LetterCourier, 10);
  }
}

// 7. The aspects of every pair of aspect objects, with own orbs.
void AspektLijst(const TZelfstHoroskoop& h, TRTFUitBestand& r) {
  r.Regels(" ");
  r.Regels(Vet(RtfTekst(Vertaal("Aspekten") + ":")));
  r.Regels(Vet(RtfTekst(Vertaal("HoofdingAsp"))));
  for (const TAspektVondst& v : AspektenInHoroskoop(h)) {
    const AspektRec& rij = Aspekten[static_cast<std::size_t>(v.aspekt < 0 ? -v.aspekt : v.aspekt)];
    const double ruimtelijk = h.TweeDimHoek(h, v.object1, v.object2) - rij.AspHoek;
    r.Regels(RtfTekst(ObjektNaam(v.object1) + VulAanTekens(rij.Naam, AspektNaamLengte) + " " +
                      ObjektNaam(v.object2) + GraadTekst(v.afwijking) + "  " +
                      GraadTekst(ruimtelijk)));
  }
}

// 8. The triangle of great-circle angles between the aspect objects.
void TweeDimHoeken(const TZelfstHoroskoop& h, TRTFUitBestand& r) {
  r.Regels(" ");
  r.Regels(Vet(RtfTekst(Vertaal("TweeDimHoeken") + ":")));
  r.Letter(LetterCourier, 7);
  std::string kop(7, ' ');
  for (int j = 2; j <= LaatsteAspektObject; ++j)
    if (DoetMeeInAspekten(j)) kop += ObjektAfk(j) + "     ";
  r.Regels(RtfTekst(kop));
  std::string inspringen(2, ' ');
  for (int i = 1; i < LaatsteAspektObject; ++i) {
    if (!DoetMeeInAspekten(i)) continue;
    std::string rij = inspringen + ObjektAfk(i);
    bool gevuld = false;
    for (int j = i + 1; j <= LaatsteAspektObject; ++j) {
      if (!DoetMeeInAspekten(j)) continue;
      rij += GraadTekst(h.TweeDimHoek(h, i, j));
      gevuld = true;
    }
    if (gevuld) r.Regels(RtfTekst(rij));
    inspringen += std::string(8, ' ');
  }
}

// 9. The planet-house matrix.
void PlaneetHuizen(const TZelfstHoroskoop& h, TRTFUitBestand& r) {
  r.Letter(LetterCourier, 10);
  r.Regels(" ");
  r.Regels(Vet(RtfTekst(Vertaal("Planeethuizen") + ":")));
  r.Letter(LetterCourier, 8);
  r.Regels(RtfTekst(Vertaal("PlaneethuizenUitleg")));
  r.Letter(LetterCourier, 7);
  std::string kop(7, ' ');
  for (int j = 1; j <= LaatsteAspektObject; ++j)
    if (DoetMeeInAspekten(j)) kop += ObjektAfk(j) + "    ";
  r.Regels(RtfTekst(kop));
  for (int i = 1; i <= LaatsteAspektObject; ++i) {
    if (!DoetMeeInAspekten(i)) continue;
    std::string rij = ObjektAfk(i);
    for (int j = 1; j <= LaatsteAspektObject; ++j) {
      if (!DoetMeeInAspekten(j)) continue;
      char buf[16];
      std::snprintf(buf, sizeof buf, "%7u", static_cast<unsigned>(h.PlaneetHuis(h, i, j)));
      rij += buf;
    }
    r.Regels(RtfTekst(rij));
  }
}

// 10. Elements, crosses, hemispheres and the weights they were counted with.
void Verdelingen(const TZelfstHoroskoop& h, TRTFUitBestand& r) {
  r.Letter(LetterCourier, 10);
  r.Regels(" ");
  r.Regels(Vet(RtfTekst(Vertaal("PlaVerdelingen") + ":")));
  r.Regels(RtfTekst(VerdelingTitel(TVerdelingTitel::Elementen) + ":"));
  for (int e = 1; e <= 4; ++e) r.Regels(RtfTekst(ElementNaam(e) + Procent(h.Element[e])));
  r.Regels(" ");
  r.Regels(RtfTekst(VerdelingTitel(TVerdelingTitel::Kruisen) + ":"));
  for (int k = 1; k <= 3; ++k) r.Regels(RtfTekst(KruisNaam(k) + Procent(h.Kruis[k])));
  r.Regels(" ");
  r.Regels(RtfTekst(VerdelingTitel(TVerdelingTitel::BovenHorizon) + Procent(h.BovenHorizon)));
  r.Regels(RtfTekst(VerdelingTitel(TVerdelingTitel::OostelijkeHemisfeer) + Procent(h.Oost)));
  r.Regels(" ");
  r.Letter(LetterArial, 7);
  std::string gewichten = VerdelingTitel(TVerdelingTitel::Gewichten) + " ";
  for (int index = 1; index <= TInstellingen::AantalGewichten; ++index) {
    char buf[32];
    std::snprintf(buf, sizeof buf, ":%3d  ",
                  static_cast<int>(Instellingen.Gewicht[static_cast<std::size_t>(index)]));
    gewichten += ObjektAfk(AspektObject(index)) + buf;
  }
  r.Regels(RtfTekst(gewichten));
}

// 11. Every aspect object on the axis of the midpoint of two others.
void Midpunten(const TZelfstHoroskoop& h, TRTFUitBestand& r) {
  r.Letter(LetterCourier, 10);
  r.Regels(" ");
  r.Regels(Vet(RtfTekst(Vertaal("Midpunten") + ":")));
  for (int i = 1; i < LaatsteAspektObject; ++i) {
    if (!DoetMeeInAspekten(i)) continue;
    for (int j = i + 1; j <= LaatsteAspektObject; ++j) {
      if (!DoetMeeInAspekten(j)) continue;
      const double m = Midpunt(h.Lengte(i), h.Lengte(j));
      for (int k = 1; k < LaatsteAspektObject; ++k) {
        if (k == i || k == j || !DoetMeeInAspekten(k)) continue;
        double afwijking = 0;
        if (!MidpuntContact(m, h.Lengte(k), afwijking)) continue;
        r.Regels(RtfTekst(ObjektAfk(i) + "/" + ObjektAfk(j) + ":" + LengteTekst(m) + " = " +
                          ObjektAfk(k) + GraadTekst(afwijking)));
      }
    }
  }
}

// 12. The Arabic parts.
void ArabischePunten(const TZelfstHoroskoop& h, TRTFUitBestand& r) {
  r.Regels(" ");
  r.Regels(Vet(RtfTekst(Vertaal("ArabPtn") + ":")));
  for (int k = 1; k <= AantalArabischePunten; ++k)
    r.Regels(RtfTekst(ArabischPuntNaam(k) + ": " + LengteTekst(h.ArabischPunt(k))));
}

}  // namespace

void PositieRapport(const TZelfstHoroskoop& horoskoop, TRTFUitBestand& rapport) {
  Kop(horoskoop, rapport);
  Posities(horoskoop, rapport);
  Huizen(horoskoop, rapport);
  AspektLijst(horoskoop, rapport);
  TweeDimHoeken(horoskoop, rapport);
  PlaneetHuizen(horoskoop, rapport);
  Verdelingen(horoskoop, rapport);
  Midpunten(horoskoop, rapport);
  ArabischePunten(horoskoop, rapport);
}

}  // namespace orvan
