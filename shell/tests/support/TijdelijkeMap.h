#pragma once
// A fresh program folder for a test: ORVAN_HOME points at a new temporary folder for the lifetime of
// the object (filled from the shipped data of the build), and the previous one is restored after.

#include <string>

namespace orvan::test {

class TTijdelijkeMap {
 public:
  // With `vullen` the folder is filled with the shipped data, else it stays empty.
  explicit TTijdelijkeMap(bool vullen = true);
  ~TTijdelijkeMap();
  TTijdelijkeMap(const TTijdelijkeMap&) = delete;
  TTijdelijkeMap& operator=(const TTijdelijkeMap&) = delete;

  const std::string& Pad() const { return pad_; }   // with a trailing "/"

 private:
  std::string pad_;
  std::string vorige_;
  bool hadVorige_ = false;
};

// A new empty temporary folder (with a trailing "/"), removed by the test main at the end.
std::string NieuweTijdelijkeMap();

// The environment of every test run, set by the test mains before anything else: HOME, the XDG
// folders and ORVAN_HOME point into a new temporary folder (returned, for removal at the end) and
// the locale is en_US.UTF-8.
std::string ZetTestOmgeving();

// Starts the language table of the current program folder in language `taal` (1..4).
bool StartTaal(int taal);

}  // namespace orvan::test
