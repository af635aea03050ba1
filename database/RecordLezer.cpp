#include "database/RecordLezer.h"

#include <cctype>

namespace orvan {

bool ZelfdeNaam(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

int ZoekVeld(const std::vector<TVeldDef>& velden, const std::string& naam) {
  for (std::size_t i = 0; i < velden.size(); ++i)
    if (ZelfdeNaam(velden[i].naam, naam)) return static_cast<int>(i);
  return -1;
}

}  // namespace orvan
