#pragma once
// A file that replaces another only when it is complete. The new contents go to a work file beside
// the target; `Vervang` flushes it to disk and renames it over the target in one step, so whoever
// reads the target sees the old file or the complete new one, never a part. A work file that is
// not completed (a failed write, an abort, an early return) is removed by the destructor.

#include <cstddef>
#include <string>

namespace orvan {

class TVervangBestand {
 public:
  TVervangBestand() = default;
  ~TVervangBestand();
  TVervangBestand(const TVervangBestand&) = delete;
  TVervangBestand& operator=(const TVervangBestand&) = delete;

  // Creates the work file `werkPad` afresh (an old one is removed first).
  bool Open(const std::string& werkPad, std::string& fout);
  // Appends bytes. After the first failure every later call fails too and `Vervang` reports it.
  bool Schrijf(const void* data, std::size_t n);
  // Writes what is buffered, flushes the work file to disk and closes it; it stays under its own
  // name (for callers that rotate files themselves).
  bool Voltooi(std::string& fout);
  // Voltooi, then renames the work file over `doelPad`.
  bool Vervang(const std::string& doelPad, std::string& fout);
  // Removes the work file (also done by the destructor when it was not completed).
  void Verwerp();

 private:
  bool Leeg();   // writes the buffer out

  int fd_ = -1;
  std::string pad_;
  std::string buffer_;
  int foutNummer_ = 0;
  bool voltooid_ = false;
};

// Renames `van` over `naar` and flushes the folder entry; false with the reason in `fout`.
bool HernoemBestand(const std::string& van, const std::string& naar, std::string& fout);

}  // namespace orvan
