#pragma once
// A settings text file in the Windows profile layout: a line "[section]" before each section and
// a line "key=value" for each key. Section and key names are matched without regard to ASCII
// letter case and the first occurrence wins, as the profile functions do. Reading never fails:
// lines that are neither a section nor a key (garbage, ";" or "#" comments, a broken section
// header and the keys under it, keys before the first section) are left out.

#include <string>
#include <string_view>
#include <vector>

namespace orvan {

class TIniBestand {
 public:
  struct TSleutel {
    std::string naam;
    std::string waarde;
  };
  struct TSektie {
    std::string naam;
    std::vector<TSleutel> sleutels;
  };

  // Parses the text of a file (LF or CR LF line ends, an optional UTF-8 byte order mark).
  static TIniBestand VanTekst(std::string_view tekst);

  // Reads a file. False with the reason when it cannot be opened or read.
  bool Laad(const std::string& pad, std::string& fout);

  // The value of a key, or nullptr when the section or the key is absent.
  const std::string* Zoek(std::string_view sektie, std::string_view sleutel) const;

  // Sets a key: replaces the value of its first occurrence, or adds it at the end of the first
  // section of that name, or adds the section at the end of the file.
  void Zet(std::string_view sektie, std::string_view sleutel, std::string waarde);

  const std::vector<TSektie>& Secties() const { return secties_; }

  // The file text: each section with its keys, a blank line between sections. Line breaks and
  // NUL characters in a value become blanks, so that no value can add lines to the file.
  std::string Tekst() const;

 private:
  std::vector<TSektie> secties_;
};

}  // namespace orvan
