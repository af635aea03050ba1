#include "shell/Instellingen.h"

#include "shell/LangUtils.h"
#include "shell/ProgrammaMap.h"

namespace orvan {

TInstellingen Instellingen;

namespace {

template <std::size_t N>
void ZetVanTot(std::array<bool, N>& a, std::size_t van, std::size_t tot) {
  for (std::size_t i = van; i <= tot && i < N; ++i) a[i] = true;
}

}  // namespace

std::uint8_t LocaleDatuminvoermode() { return SysteemTaal().sub == 1 ? 1 : 0; }

std::string LocaleSymBestandsnaam() { return SysteemTaal().primair == 9 ? "us.sym" : "b.sym"; }

void ZetStandaardInstellingen() {
  TInstellingen s;
  const std::string& map = ProgrammaMap();
  s.Database = map + "standard.hor/";
  s.RefDatabase = s.Database;
  s.Datuminvoermode = LocaleDatuminvoermode();
  s.SymBestandsnaam = LocaleSymBestandsnaam();
  for (int i = 1; i <= TInstellingen::AantalPla; ++i)
    s.PlaSym[i] = map + "pla" + std::to_string(i) + ".bmp";
  for (int i = 1; i <= TInstellingen::AantalTekens; ++i)
    s.TekenSym[i] = map + "tek" + std::to_string(i) + ".bmp";
  ZetVanTot(s.PlaOpTek, 1, 12);
  ZetVanTot(s.PlaAspOpTek, 1, 10);
  ZetVanTot(s.TraObj, 5, 10);
  ZetVanTot(s.SekProgObj, 1, 14);
  s.SekProgObj[23] = true;
  s.PrimDirObj = s.SekProgObj;
  for (int i = TInstellingen::AantalPla + 1; i <= TInstellingen::AantalObjekten; ++i)
    s.Kleuren.Pla[i] = s.Kleuren.Huizen;
  Instellingen = std::move(s);
}

}  // namespace orvan
