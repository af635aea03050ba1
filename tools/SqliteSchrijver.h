#pragma once
// Writes one table into a new SQLite file: the file is built beside its target and renamed into
// place only when complete, so a failed build never leaves a half table behind.

#include <string>
#include <vector>

namespace orvan::tools {

struct TKolom {
  std::string naam;
  std::string type;   // SQLite type: TEXT, INTEGER, REAL
};

bool SchrijfTabel(const std::string& pad, const std::string& tabel,
                  const std::vector<TKolom>& kolommen,
                  const std::vector<std::vector<std::string>>& rijen,
                  const std::vector<std::string>& indexen, std::string& fout);

}  // namespace orvan::tools
