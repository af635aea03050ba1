#pragma once
// The logic of the one-line list browser: a read-only line that shows one entry of a sorted list,
// in which the user types the first letters of an entry's key and the browser jumps to the first
// match. The widget shows `Tekst()` with its first `SelektieLengte()` characters selected (in red
// when `IsGewist()`), passes typed characters to `ToetsDruk` and keys to `ToetsNeer`, beeps on
// `OnPiep` and redraws on `OnVeranderd`.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace orvan {

// The keys the browser handles.
enum class TLijstToets { Terug, Links, Rechts, Begin, Einde, Op, Neer, Invoegen, CtrlWissen };

class TLijstViewerModel {
 public:
  explicit TLijstViewerModel(std::size_t maxPrefix = 35) : maxPrefix_(maxPrefix) {}
  virtual ~TLijstViewerModel() = default;
  TLijstViewerModel(const TLijstViewerModel&) = delete;
  TLijstViewerModel& operator=(const TLijstViewerModel&) = delete;

  // The operations, in this order in every browser.
  virtual std::string Sleutel() const = 0;   // the key of the current entry (folded, upper case)
  virtual std::string Regel() const = 0;     // the display line of the current entry
  virtual bool LeesHuidige() = 0;            // reads the current entry
  virtual bool SchrijfHuidige() = 0;         // writes it back and marks the list changed
  // Makes entry n current (clamped to 0..count-1), reads it and shows its line.
  virtual void GaNaar(int n);
  virtual bool Open() = 0;
  virtual void ToetsNeer(TLijstToets toets);
  virtual void ToetsDruk(char c);
  virtual std::uint8_t NieuwItem() { return 0; }
  virtual bool IsGewist() const { return false; }
  virtual bool WisselWissen() { return false; }
  // Shows the current line again with an empty prefix.
  virtual void Herstel();
  // Clears the line (no entry shown).
  virtual void Wis();

  virtual int Aantal() const = 0;
  int Huidige() const { return huidige_; }
  const std::string& Prefix() const { return prefix_; }

  // Positions on a name by replaying it as typed keys: the prefix is cleared and the folded
  // characters of the name are typed one by one (so "Zürich" is typed as Z, U, R, I, C, H).
  void ZoekOp(const std::string& naam);
  // Forgets the typed prefix without moving or redrawing: the next letter starts a new name.
  void WisPrefix() { prefix_.clear(); }

  // What the widget shows.
  const std::string& Tekst() const { return tekst_; }
  // The number of characters (code points) of Tekst() that the prefix matches: every character
  // whose folded form has letters counts by their number; characters that fold to nothing
  // (blanks, apostrophes, parentheses, commas, hyphens, full stops) are included without counting.
  std::size_t SelektieLengte() const { return selektie_; }

  std::function<void()> OnVeranderd;
  std::function<void()> OnPiep;

 protected:
  // Whether a typed character may join the prefix: the letters A..Z and a..z.
  virtual bool IsToegestaan(char c) const;
  // Called before the first letter of an empty prefix is appended (the place browser jumps by
  // its letter index).
  virtual void EersteLetter(char /*letter*/) {}
  // The folded form of one character of the display line, for the selection.
  virtual std::string VouwVoorSelektie(const std::string& teken) const = 0;
  // Makes entry n current and reads it without showing it.
  void ZetHuidige(int n);
  void Toon();
  void Piep();

  std::size_t maxPrefix_;
  int huidige_ = -1;
  std::string prefix_;

 private:
  void Positioneer();

  std::string tekst_;
  std::size_t selektie_ = 0;
};

}  // namespace orvan
