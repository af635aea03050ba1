#include "shell/ProgrammaMap.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace orvan {

namespace {

bool opgelost = false;
std::string programmaMap;

std::string MetSlash(std::string s) {
  if (s.empty() || s.back() != '/') s += '/';
  return s;
}

std::string OmgevingsMap() {
  if (const char* thuis = std::getenv("ORVAN_HOME"); thuis && *thuis) return MetSlash(thuis);
  if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg)
    return MetSlash(std::string(xdg) + "/orvan");
  const char* home = std::getenv("HOME");
  return MetSlash(std::string(home && *home ? home : ".") + "/.local/share/orvan");
}

// Files that belong to the program rather than to the user: a newer shipped copy replaces them.
bool IsProgrammaBestand(const fs::path& relatief) {
  const std::string naam = relatief.filename().string();
  const std::string eerste = relatief.begin()->string();
  return naam == "strings.db" || naam == "LangID" || naam == "HelConst.dat" ||
         (naam.rfind("LRZ6_", 0) == 0 && relatief.extension() == ".PC") || eerste == "help";
}

bool KopieerVeilig(const fs::path& van, const fs::path& naar, std::string& fout) {
  std::error_code ec;
  fs::path tijdelijk = naar;
  tijdelijk += ".part";
  fs::copy_file(van, tijdelijk, fs::copy_options::overwrite_existing, ec);
  if (!ec) fs::rename(tijdelijk, naar, ec);
  if (ec) {
    fs::remove(tijdelijk);
    fout = "Cannot copy \"" + van.string() + "\" to \"" + naar.string() + "\": " + ec.message();
    return false;
  }
  return true;
}

}  // namespace

std::string GeleverdeDataMap() {
  std::error_code ec;
  const fs::path programma = fs::read_symlink("/proc/self/exe", ec);
  if (!ec) {
    const fs::path naast = programma.parent_path().parent_path() / "share" / "orvan";
    if (fs::exists(naast / "strings.db", ec))
      return MetSlash(naast.string());
  }
  for (const char* kandidaat : {ORVAN_BUILD_DATA_DIR, ORVAN_INSTALL_DATA_DIR})
    if (fs::exists(fs::path(kandidaat) / "strings.db", ec)) return MetSlash(kandidaat);
  return {};
}

bool VulProgrammaMap(const std::string& bron, const std::string& map, std::string& fout) {
  std::error_code ec;
  fs::create_directories(map, ec);
  if (ec) {
    fout = "Cannot create the program folder \"" + map + "\": " + ec.message();
    return false;
  }
  if (bron.empty() || !fs::is_directory(bron, ec)) return true;
  for (auto it = fs::recursive_directory_iterator(bron, ec); !ec && it != fs::end(it);
       it.increment(ec)) {
    const fs::path relatief = fs::relative(it->path(), bron, ec);
    const fs::path doel = fs::path(map) / relatief;
    if (it->is_directory(ec)) {
      fs::create_directories(doel, ec);
      continue;
    }
    if (!it->is_regular_file(ec)) continue;
    bool kopieer = !fs::exists(doel, ec);
    if (!kopieer && IsProgrammaBestand(relatief))
      kopieer = fs::last_write_time(it->path(), ec) > fs::last_write_time(doel, ec);
    if (kopieer && !KopieerVeilig(it->path(), doel, fout)) return false;
  }
  if (ec) {
    fout = "Cannot read the shipped data in \"" + bron + "\": " + ec.message();
    return false;
  }
  return true;
}

bool OpenProgrammaMap(std::string& fout) {
  programmaMap = OmgevingsMap();
  opgelost = true;
  return VulProgrammaMap(GeleverdeDataMap(), programmaMap, fout);
}

const std::string& ProgrammaMap() {
  if (!opgelost) {
    std::string fout;
    OpenProgrammaMap(fout);
  }
  return programmaMap;
}

void GebruikProgrammaMap(const std::string& map) {
  programmaMap = MetSlash(map);
  opgelost = true;
}

void HerstelProgrammaMap() {
  opgelost = false;
  programmaMap.clear();
}

}  // namespace orvan
