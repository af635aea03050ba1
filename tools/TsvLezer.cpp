#include "tools/TsvLezer.h"

#include <fstream>

namespace orvan::tools {

namespace {

std::vector<std::string> SplitsVelden(const std::string& regel) {
  std::vector<std::string> velden(1);
  for (std::size_t i = 0; i < regel.size(); ++i) {
    const char c = regel[i];
    if (c == '\t') {
      velden.emplace_back();
    } else if (c == '\\' && i + 1 < regel.size()) {
      const char v = regel[++i];
      velden.back() += v == 'n' ? '\n' : v == 't' ? '\t' : v;
    } else {
      velden.back() += c;
    }
  }
  return velden;
}

}  // namespace

bool LeesTsv(const std::string& pad, TTsvTabel& tabel, std::string& fout) {
  std::ifstream in(pad, std::ios::binary);
  if (!in) {
    fout = pad + ": cannot open";
    return false;
  }
  std::string regel;
  int nummer = 0;
  bool kop = true;
  while (std::getline(in, regel)) {
    ++nummer;
    if (!regel.empty() && regel.back() == '\r') regel.pop_back();
    if (regel.empty() || regel[0] == '#') continue;
    std::vector<std::string> velden = SplitsVelden(regel);
    if (kop) {
      tabel.kolommen = std::move(velden);
      kop = false;
      continue;
    }
    if (velden.size() != tabel.kolommen.size()) {
      fout = pad + ":" + std::to_string(nummer) + ": " + std::to_string(velden.size()) +
             " fields, the header has " + std::to_string(tabel.kolommen.size());
      return false;
    }
    tabel.rijen.push_back(std::move(velden));
    tabel.regelNummers.push_back(nummer);
  }
  if (kop) {
    fout = pad + ": no header line";
    return false;
  }
  return true;
}

}  // namespace orvan::tools
