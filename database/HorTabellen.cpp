#include "database/HorTabellen.h"

namespace orvan {

double EigenschapVanHoroskoop(TPelqTabel& tabel, std::int64_t nummer, const std::string& naam,
                              bool& heeftWaarde, bool& nietGevonden) {
  heeftWaarde = false;
  nietGevonden = !tabel.ZoekInputNr(nummer);
  if (nietGevonden) return 0;
  const int veld = tabel.VeldNummer(naam);
  if (veld < 0) return 0;
  const TVeldWaarde w = tabel.Waarde(veld);
  if (w.IsLeeg()) return 0;
  heeftWaarde = true;
  return w.AlsGetal();
}

}  // namespace orvan
