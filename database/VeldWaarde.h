#pragma once
// The value of one field of a record: empty (SQL NULL), an integer, a floating-point number or a
// text (UTF-8). The table classes read and write every field through this type.

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace orvan {

class TVeldWaarde {
 public:
  TVeldWaarde() = default;   // empty
  TVeldWaarde(std::int64_t i) : w_(i) {}
  TVeldWaarde(int i) : w_(static_cast<std::int64_t>(i)) {}
  TVeldWaarde(bool b) : w_(static_cast<std::int64_t>(b ? 1 : 0)) {}
  TVeldWaarde(double d) : w_(d) {}
  TVeldWaarde(std::string s) : w_(std::move(s)) {}
  TVeldWaarde(const char* s) : w_(std::string(s)) {}

  bool IsLeeg() const { return std::holds_alternative<std::monostate>(w_); }
  bool IsGeheel() const { return std::holds_alternative<std::int64_t>(w_); }
  bool IsReeel() const { return std::holds_alternative<double>(w_); }
  bool IsGetal() const { return IsGeheel() || IsReeel(); }
  bool IsTekst() const { return std::holds_alternative<std::string>(w_); }

  // Conversions as a grid shows them: an empty value is 0, false or the empty text; a text that
  // is no number gives 0.
  std::int64_t AlsInt() const;     // a real number is rounded to the nearest integer
  double AlsGetal() const;
  bool AlsBool() const;            // not 0
  std::string AlsTekst() const;    // numbers in the shortest form that reads back exactly, '.'

  const std::string* Tekst() const { return std::get_if<std::string>(&w_); }

  // The order of SQLite's ORDER BY with the binary collation: empty first, then numbers by value,
  // then texts byte by byte. Negative, 0 or positive.
  static int Vergelijk(const TVeldWaarde& a, const TVeldWaarde& b);

  friend bool operator==(const TVeldWaarde& a, const TVeldWaarde& b) = default;

 private:
  std::variant<std::monostate, std::int64_t, double, std::string> w_;
};

// Two keys (lists of values) in the order above, field by field.
int VergelijkSleutels(const std::vector<TVeldWaarde>& a, const std::vector<TVeldWaarde>& b);

}  // namespace orvan
