#include "database/Q4EigAdmin.h"

#include "shell/Interaktie.h"
#include "shell/LangUtils.h"

namespace orvan {

TPelqTabel& EigAdminTabel(TQ4DataModule& dm, TEigTabel keuze) {
  switch (keuze) {
    case TEigTabel::Gebeurtenissen: return dm.MomentTabel;
    case TEigTabel::Relaties: return dm.RelatTabel;
    case TEigTabel::Geboorte: break;
  }
  return dm.GebTabel;
}

std::vector<std::string> EigAdminNamen(TQ4DataModule& dm, TEigTabel keuze) {
  return EigAdminTabel(dm, keuze).EigenschapNamen();
}

bool EigAdminMaak(TQ4DataModule& dm, TEigTabel keuze, const std::string& naam) {
  if (EigAdminTabel(dm, keuze).MaakEigenschap(naam)) return true;
  Meldingen().Melding("", FoutMaakEigenschap, "");
  return false;
}

bool EigAdminVerwijder(TQ4DataModule& dm, TEigTabel keuze, const std::string& naam) {
  if (Meldingen().Vraag(Vertaal("Opgelet"), VulIn(Vertaal("BentUZekerVerwEig"), naam), "EigenschBijHor") !=
      TAntwoord::Ja)
    return false;
  return EigAdminTabel(dm, keuze).VerwijderEigenschap(naam);
}

std::string VulIn(const std::string& tekst, const std::string& waarde) {
  const auto p = tekst.find("%s");
  return p == std::string::npos ? tekst : tekst.substr(0, p) + waarde + tekst.substr(p + 2);
}

}  // namespace orvan
