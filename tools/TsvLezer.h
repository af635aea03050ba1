#pragma once
// Reads the tab-separated sources of the shipped data: a header line naming the columns, then one
// row a line. Empty lines and lines starting with "#" are skipped. In a field, "\n", "\t" and "\\"
// stand for a line break, a tab and a backslash.

#include <string>
#include <vector>

namespace orvan::tools {

struct TTsvTabel {
  std::vector<std::string> kolommen;
  std::vector<std::vector<std::string>> rijen;
  std::vector<int> regelNummers;   // source line of each row, for messages
};

// False with a message naming the file and line when the file cannot be read or a row has another
// number of fields than the header.
bool LeesTsv(const std::string& pad, TTsvTabel& tabel, std::string& fout);

}  // namespace orvan::tools
