#include "time_place/PlaatsLijstModel.h"

#include <algorithm>
#include <cstdio>

#include "shell/Interaktie.h"
#include "shell/LangUtils.h"
#include "time_place/Cp1252.h"
#include "time_place/NaamBew.h"

namespace orvan {

namespace {

inline constexpr int RegelBreedte = 42;
inline constexpr int LengteBreedte = 8;

}  // namespace

std::string PlaatsRegel(const PlaatsRec& p) {
  const int naamLengte = static_cast<int>(Codepunten(p.Naam).size());
  char getallen[64];
  std::snprintf(getallen, sizeof getallen, "%*.2f%*.2f", std::max(RegelBreedte - naamLengte, 0),
                static_cast<double>(p.Breedte), LengteBreedte, static_cast<double>(p.Lengte));
  return p.Naam + getallen + " " + p.Zone;
}

TPlaatsLijstModel::TPlaatsLijstModel(std::string map) : lijst_(std::move(map)) {}

TPlaatsLijstModel::~TPlaatsLijstModel() { Sluit(); }

void TPlaatsLijstModel::MeldFout(const char* sleutel, const std::string& fout) const {
  Meldingen().Melding(Vertaal("Opgelet"), Vertaal(sleutel) + " " + fout, "");
}

std::string TPlaatsLijstModel::Sleutel() const { return lijst_.NaamSleutel(huidige_); }

std::string TPlaatsLijstModel::Regel() const { return PlaatsRegel(rec_); }

bool TPlaatsLijstModel::LeesHuidige() { return lijst_.Lees(huidige_, rec_); }

bool TPlaatsLijstModel::SchrijfHuidige() {
  std::string fout;
  if (lijst_.Schrijf(huidige_, rec_, fout)) return true;
  MeldFout(TaalSleutel("PlaatsLijstNietGeschreven"), fout);
  return false;
}

bool TPlaatsLijstModel::Open() {
  std::string fout;
  if (!lijst_.Open(fout)) {
    MeldFout(TaalSleutel("PlaatsLijstNietGelezen"), fout);
    huidige_ = -1;
    rec_ = PlaatsRec{};
    Wis();
    return false;
  }
  prefix_.clear();
  GaNaar(0);
  return true;
}

bool TPlaatsLijstModel::IsToegestaan(char c) const {
  return c == '(' || TLijstViewerModel::IsToegestaan(c);
}

void TPlaatsLijstModel::EersteLetter(char letter) {
  if (letter >= 'A' && letter <= 'Z') ZetHuidige(lijst_.Index()[letter - 'A']);
}

std::string TPlaatsLijstModel::VouwVoorSelektie(const std::string& teken) const {
  return VouwHaakjes(teken);
}

bool TPlaatsLijstModel::WisselWissen() {
  if (huidige_ < 0) return false;
  rec_.Gewist = rec_.Gewist ? 0 : 1;
  const bool ok = SchrijfHuidige();
  if (!ok) LeesHuidige();
  Toon();
  return ok;
}

bool TPlaatsLijstModel::VoegPlaatsToe(const PlaatsRec& p) {
  if (OnBewarenBezig) OnBewarenBezig(-1);
  Voortgang().Toon(Vertaal("PlaatsBewaren"), false);
  int nummer = -1;
  std::string fout;
  const bool ok = lijst_.VoegPlaatsToe(p, nummer, fout, [this](int procent) {
    Voortgang().Zet(procent);
    if (OnBewarenBezig && procent < 100) OnBewarenBezig(procent);
  });
  Voortgang().Verberg();
  if (ok) GaNaar(nummer);
  if (OnBewarenBezig) OnBewarenBezig(100);
  if (!ok) MeldFout(TaalSleutel("PlaatsLijstNietGeschreven"), fout);
  return ok;
}

std::uint8_t TPlaatsLijstModel::NieuwItem() {
  std::uint8_t kode = InvoerGeannuleerd;
  if (!OnNieuwePlaats) return kode;
  PlaatsRec nieuw = rec_;
  OnNieuwePlaats(nieuw, kode);
  if (kode == InvoerBewaren && VoegPlaatsToe(nieuw)) {
    const int nummer = huidige_;
    ZoekOp(nieuw.Naam);
    // Among places of the same name the browser shows the one just stored.
    if (huidige_ != nummer) GaNaar(nummer);
  } else {
    Herstel();
  }
  return kode;
}

bool TPlaatsLijstModel::Sluit() {
  std::string fout;
  if (lijst_.Sluit(fout)) return true;
  MeldFout(TaalSleutel("PlaatsLijstNietGeschreven"), fout);
  return false;
}

}  // namespace orvan
