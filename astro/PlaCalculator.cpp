#include "astro/PlaCalculator.h"

#include <filesystem>
#include <memory>
#include <string>

#include "shell/Interaktie.h"
#include "shell/ProgrammaMap.h"

namespace orvan {

namespace {
std::unique_ptr<TPlaCalculator> calculator;
}

bool StartPlaCalculator() {
  auto nieuw = std::make_unique<TPlaCalculator>(ProgrammaMap());
  std::string fout;
  const bool ok = nieuw->LaadConstanten(fout);
  calculator = std::move(nieuw);
  if (ok) return true;
  std::error_code ec;
  std::string melding = HelConstNietGevonden;
  if (std::filesystem::exists(ProgrammaMap() + "HelConst.dat", ec)) melding += "\n" + fout + ".";
  Meldingen().Melding("", melding, "");
  Toepassing().Beeindig(1);
  return false;
}

TPlaCalculator& PlaCalculator() {
  if (!calculator) StartPlaCalculator();
  return *calculator;
}

void HerstelPlaCalculator() { calculator.reset(); }

}  // namespace orvan
