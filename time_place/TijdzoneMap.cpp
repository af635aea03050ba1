#include "time_place/TijdzoneMap.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

#include "shell/ProgrammaMap.h"

namespace orvan {

inline constexpr std::size_t MaxZoneNaam = 8;

std::string TijdzoneMap() { return ProgrammaMap() + "zones/"; }

bool IsGeldigeZoneNaam(const std::string& zone) {
  if (zone.empty() || zone.size() > MaxZoneNaam) return false;
  return std::all_of(zone.begin(), zone.end(), [](char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '-' || c == '+';
  });
}

std::string ZoneBestand(const std::string& map, const std::string& zone, const std::string& extensie) {
  if (!IsGeldigeZoneNaam(zone)) return {};
  std::string hoofdletters = zone;
  for (char& c : hoofdletters) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  std::error_code ec;
  for (const std::string& naam : {zone, hoofdletters}) {
    const std::string pad = map + naam + extensie;
    if (std::filesystem::is_regular_file(pad, ec)) return pad;
  }
  return {};
}

}  // namespace orvan
