#include "database/Q4HorDBLink.h"

#include <algorithm>

#include "shell/Utf8Tekst.h"
#include "time_place/NaamBew.h"

namespace orvan {

namespace {

std::int16_t Klein(const TPelqTabel& t, int veld) {
  return static_cast<std::int16_t>(std::clamp<std::int64_t>(t.Waarde(veld).AlsInt(), -32768, 32767));
}

// Disables the controls and switches filtering off; restores both on leaving, also on an error.
class TOpslagToestand {
 public:
  explicit TOpslagToestand(TPelqTabel& t) : t_(t), gefilterd_(t.Gefilterd()) {
    t_.SchakelBesturingUit();
    t_.ZetGefilterd(false);
  }
  ~TOpslagToestand() {
    if (t_.Toestand() == TTabelToestand::Wijzigen || t_.Toestand() == TTabelToestand::Toevoegen) t_.Annuleer();
    t_.ZetGefilterd(gefilterd_);
    t_.SchakelBesturingIn();
  }
  TOpslagToestand(const TOpslagToestand&) = delete;
  TOpslagToestand& operator=(const TOpslagToestand&) = delete;

 private:
  TPelqTabel& t_;
  bool gefilterd_;
};

// Edits record `nummer` when it exists, else appends a record with Selekt true; then `vul` sets
// the fields and the post writes them. `nummer` changes only on success.
template <class F>
bool BewaarRecord(TPelqTabel& tabel, std::int32_t& nummer, F vul) {
  try {
    if (!tabel.IsOpen() || tabel.AlleenLezen()) return false;
    TOpslagToestand toestand(tabel);
    if (nummer >= 0 && tabel.ZoekInputNr(nummer)) {
      if (!tabel.Wijzig()) return false;
    } else {
      if (!tabel.Voegtoe() || !tabel.ZetWaarde(tabel.SelektIndex(), TVeldWaarde(true))) return false;
    }
    if (!vul(tabel) || !tabel.Post()) return false;
    nummer = static_cast<std::int32_t>(tabel.LaatstGepost());
    return true;
  } catch (...) {
    return false;
  }
}

}  // namespace

bool LeesHorRecord(const TPelqTabel& tabel, THorData& data, std::int32_t& nummer,
                   std::int32_t& natalNummer) {
  if (!tabel.IsOpen() || tabel.RecNr() < 0 || tabel.Waarde(VeldInputNr).IsLeeg()) return false;
  data.Name = KnipTekens(tabel.Waarde(VeldName).AlsTekst(), NaamLengte);
  data.KeyWords = KnipTekens(tabel.Waarde(VeldKeyWords).AlsTekst(), SteekwoordenLengte);
  data.Plaats.Naam = KnipTekens(tabel.Waarde(VeldPlace).AlsTekst(), NaamLengte);
  data.Plaats.Breedte = static_cast<float>(tabel.Waarde(VeldLat).AlsGetal());
  data.Plaats.Lengte = static_cast<float>(tabel.Waarde(VeldLong).AlsGetal());
  data.Plaats.Zone = KnipTekens(tabel.Waarde(VeldZone).AlsTekst(), ZoneLengte);
  data.Plaats.Gewist = 0;
  data.Info = tabel.Waarde(VeldInfo).AlsTekst();
  data.Datum = {Klein(tabel, VeldDateD), Klein(tabel, VeldDateM), Klein(tabel, VeldDateY)};
  data.GregKal = tabel.Waarde(VeldGregKal).AlsBool();
  data.Tijd = {Klein(tabel, VeldTimeH), Klein(tabel, VeldTimeM), Klein(tabel, VeldTimeS)};
  data.ClockTime = tabel.Waarde(VeldClockTime).AlsBool();
  data.Verschil = {Klein(tabel, VeldDiffH), Klein(tabel, VeldDiffM), Klein(tabel, VeldDiffS)};
  data.Precisie = {Klein(tabel, VeldPrecH), Klein(tabel, VeldPrecM), Klein(tabel, VeldPrecS)};
  data.Sex = static_cast<std::uint8_t>(tabel.Waarde(VeldSex).AlsInt() & 0xFF);
  nummer = static_cast<std::int32_t>(tabel.Waarde(VeldInputNr).AlsInt());
  if (natalNummer >= -1) natalNummer = static_cast<std::int32_t>(tabel.Waarde(VeldOrvanNr).AlsInt());
  return true;
}

bool BewaarHorRecord(THorTabel& tabel, const THorData& data, std::int32_t natalNummer,
                     std::int32_t& nummer) {
  tabel.InvoegenGeblokkeerd = false;
  const bool isMoment = tabel.LaatsteVastVeld >= VeldOrvanNr;
  return BewaarRecord(tabel, nummer, [&](TPelqTabel& t) {
    const std::pair<int, TVeldWaarde> velden[] = {
        {VeldSName, Vouw35(data.Name)},
        {VeldName, data.Name},
        {VeldKeyWords, data.KeyWords},
        {VeldInfo, data.Info},
        {VeldPlace, data.Plaats.Naam},
        {VeldLat, static_cast<double>(data.Plaats.Breedte)},
        {VeldLong, static_cast<double>(data.Plaats.Lengte)},
        {VeldZone, data.Plaats.Zone},
        {VeldDateY, data.Datum.Jaar},
        {VeldDateM, data.Datum.Maand},
        {VeldDateD, data.Datum.Dag},
        {VeldGregKal, data.GregKal},
        {VeldTimeH, data.Tijd.Uren},
        {VeldTimeM, data.Tijd.Minuten},
        {VeldTimeS, data.Tijd.Seconden},
        {VeldClockTime, data.ClockTime},
        {VeldDiffH, data.Verschil.Uren},
        {VeldDiffM, data.Verschil.Minuten},
        {VeldDiffS, data.Verschil.Seconden},
        {VeldPrecH, data.Precisie.Uren},
        {VeldPrecM, data.Precisie.Minuten},
        {VeldPrecS, data.Precisie.Seconden},
        {VeldSex, static_cast<int>(data.Sex)},
    };
    for (const auto& [veld, waarde] : velden)
      if (!t.ZetWaarde(veld, waarde)) return false;
    return !isMoment || t.ZetWaarde(VeldOrvanNr, TVeldWaarde(static_cast<std::int64_t>(natalNummer)));
  });
}

void KoppelHoroskoop(TOrvanHoroskoop& h, TQ4DataModule& dm) {
  h.BewaarGeboorte = [&dm](const THorData& data, std::int32_t& nummer) {
    return BewaarHorRecord(dm.GebTabel, data, GeenRecord, nummer);
  };
  h.LaadGeboorte = [&dm](THorData& data, std::int32_t& nummer) {
    try {
      std::int32_t natal = GeenNatalNummer;
      return LeesHorRecord(dm.GebTabel, data, nummer, natal);
    } catch (...) {
      return false;
    }
  };
  h.BewaarMoment = [&dm](const THorData& data, std::int32_t natalNr, std::int32_t& nummer) {
    return BewaarHorRecord(dm.MomentTabel, data, natalNr, nummer);
  };
  h.LaadMoment = [&dm](THorData& data, std::int32_t& nummer, std::int32_t& natalNr) {
    try {
      if (natalNr < -1) natalNr = GeenRecord;
      return LeesHorRecord(dm.MomentTabel, data, nummer, natalNr);
    } catch (...) {
      return false;
    }
  };
  h.GebEigenschap = [&dm](std::int32_t nummer, const std::string& naam, bool& nietGevonden,
                          bool& heeftWaarde) {
    try {
      return EigenschapVanHoroskoop(dm.GebTabel, nummer, naam, heeftWaarde, nietGevonden);
    } catch (...) {
      nietGevonden = true;
      heeftWaarde = false;
      return 0.0;
    }
  };
  h.MomentEigenschap = [&dm](std::int32_t nummer, const std::string& naam, bool& nietGevonden,
                             bool& heeftWaarde) {
    try {
      return EigenschapVanHoroskoop(dm.MomentTabel, nummer, naam, heeftWaarde, nietGevonden);
    } catch (...) {
      nietGevonden = true;
      heeftWaarde = false;
      return 0.0;
    }
  };
  h.ZoekGeboorte = [&dm](std::int32_t nummer) {
    try {
      return dm.GebTabel.ZoekInputNr(nummer);
    } catch (...) {
      return false;
    }
  };
}

void KoppelRelatie(TRelatie& relatie, TQ4DataModule& dm) {
  relatie.BewaarHaak = [&dm](TRelatie& r) {
    if (!r.PartnerA || !r.PartnerB) return false;
    std::int32_t nummer = r.RecordNummer;
    const bool ok = BewaarRecord(dm.RelatTabel, nummer, [&](TPelqTabel& t) {
      return t.ZetWaarde(RelatVeldPartnerANr, TVeldWaarde(static_cast<std::int64_t>(r.PartnerA->NatalNr))) &&
             t.ZetWaarde(RelatVeldPartnerBNr, TVeldWaarde(static_cast<std::int64_t>(r.PartnerB->NatalNr))) &&
             t.ZetWaarde(RelatVeldKeyWords, r.KeyWords);
    });
    if (ok) r.RecordNummer = nummer;
    return ok;
  };
  relatie.LaadHaak = [&dm](TRelatie& r) {
    try {
      const TQ4RelatTabel& t = dm.RelatTabel;
      if (!t.IsOpen() || t.RecNr() < 0) return false;
      r.RecordNummer = static_cast<std::int32_t>(t.Waarde(RelatVeldInputNr).AlsInt());
      const auto a = static_cast<std::int32_t>(t.Waarde(RelatVeldPartnerANr).AlsInt());
      const auto b = static_cast<std::int32_t>(t.Waarde(RelatVeldPartnerBNr).AlsInt());
      r.KeyWords = t.Waarde(RelatVeldKeyWords).AlsTekst();
      // Partner A first; a partner that is not found ends the loading, so that B stays as it
      // was when A's record is gone.
      for (auto [partner, nr] : {std::pair{r.PartnerA, a}, std::pair{r.PartnerB, b}}) {
        if (!partner) continue;
        partner->NatalNr = nr;
        if (!partner->ZoekGeboorte || !partner->ZoekGeboorte(nr)) break;
        if (partner->LaadGeboorte) partner->LaadGeboorte(partner->Data, partner->NatalNr);
      }
      return true;
    } catch (...) {
      return false;
    }
  };
  // The relationship table's properties are not offered to conditions: no value.
  relatie.EigenschapHaak = [](std::int32_t, const std::string&, bool& nietGevonden, bool& heeftWaarde) {
    nietGevonden = true;
    heeftWaarde = false;
    return 0.0;
  };
  if (relatie.PartnerA) KoppelHoroskoop(*relatie.PartnerA, dm);
  if (relatie.PartnerB) KoppelHoroskoop(*relatie.PartnerB, dm);
}

}  // namespace orvan
