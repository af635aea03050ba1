#pragma once
// The file and folder choice behind the chooser dialog (BestandSelekt.h), without widgets: splitting
// the given path, finding the entries that match the extension and building the chosen path.

#include <cstddef>
#include <string>
#include <vector>

namespace orvan {

struct TPadDelen {
  std::string map;        // with a trailing "/"; empty when the path names no folder
  std::string naam;       // without extension
  std::string extensie;   // without the "."
};

// Splits a path into folder, name and extension; a trailing "/" is removed first, so that a folder
// path ("…/standard.hor/") splits like a file path.
TPadDelen SplitsPad(std::string pad);

struct TGevondenNaam {
  std::string naam;           // shown in the list: the entry's name without extension
  std::string bestandsnaam;   // the entry's own name in the folder, with its extension as written
};

// The entries of `map` whose extension is `extensie` (letter case ignored): the sub-folders in
// folder mode, the files otherwise; sorted by name, letter case ignored.
std::vector<TGevondenNaam> ZoekNamen(const std::string& map, const std::string& extensie,
                                     bool mapMode);

enum class TKeuzeFout {
  Geen,       // the result is valid (empty when nothing was chosen)
  Ongeldig,   // the typed name is no plain name in the folder ("/", "." or "..")
  TeLang,     // the result is longer than the maximum length
};

// The path of the choice `keuze`: folder + name + "." + extension, followed by "/" in folder mode.
// A name from the list keeps the entry's own spelling; a typed name that already ends in the
// extension gets it once. An empty choice gives an empty result. `maxLengte` 0 means no limit; a
// longer result is refused rather than cut, since a cut path names another file.
TKeuzeFout KeuzeResultaat(const std::string& map, const std::string& keuze,
                          const std::string& extensie, bool mapMode,
                          const std::vector<TGevondenNaam>& gevonden, std::size_t maxLengte,
                          std::string& resultaat);

}  // namespace orvan
