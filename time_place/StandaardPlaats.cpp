#include "time_place/StandaardPlaats.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <string_view>

namespace orvan {

namespace {

struct THoofdstad {
  const char* land;
  const char* plaats;
};

// Sorted by country code.
constexpr THoofdstad Hoofdsteden[] = {
#include "time_place/Hoofdsteden.inc"
};

std::string LocaleTekst() {
  for (const char* naam : {"LC_ALL", "LC_MESSAGES", "LANG"})
    if (const char* waarde = std::getenv(naam); waarde && *waarde) return waarde;
  return {};
}

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

char Hoofdletter(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

std::string LandVanLocale() {
  std::string locale = LocaleTekst();
  locale = locale.substr(0, locale.find_first_of(".@"));
  const std::size_t streep = locale.find('_');
  if (streep != std::string::npos) {
    const std::string gebied = locale.substr(streep + 1);
    if (gebied.size() == 2 && IsLetter(gebied[0]) && IsLetter(gebied[1]))
      return {Hoofdletter(gebied[0]), Hoofdletter(gebied[1])};
    return {};
  }
  const std::string taal = locale;
  if (taal == "nl") return "NL";
  if (taal == "en") return "GB";
  if (taal == "fr") return "FR";
  if (taal == "de") return "DE";
  return {};
}

std::string HoofdstadVan(const std::string& landKode) {
  const auto it = std::lower_bound(
      std::begin(Hoofdsteden), std::end(Hoofdsteden), landKode,
      [](const THoofdstad& h, const std::string& kode) { return std::string_view(h.land) < kode; });
  if (it == std::end(Hoofdsteden) || it->land != landKode) return {};
  return it->plaats;
}

std::string StandaardPlaatsNaam() {
  std::string plaats = HoofdstadVan(LandVanLocale());
  return plaats.empty() ? StandaardPlaatsZonderLand : plaats;
}

}  // namespace orvan
