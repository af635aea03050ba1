#include "database/FilterTekst.h"

#include <cctype>
#include <cstdlib>

#include "database/DbVerbinding.h"
#include "database/RecordLezer.h"

namespace orvan {

namespace {

enum class TSoort { Naam, Getal, Tekst, Operator, Open, Dicht, Einde };

struct TWoord {
  TSoort soort = TSoort::Einde;
  std::string tekst;
  bool gehaakt = false;   // a [bracketed] name: never a keyword
};

class TFilterLezer {
 public:
  TFilterLezer(const std::string& tekst, const std::vector<TVeldDef>& velden, TSqlVoorwaarde& uit)
      : t_(tekst), velden_(velden), uit_(uit) {}

  bool Lees(std::string& fout) {
    if (!Volgende()) return Mislukt(fout);
    if (w_.soort == TSoort::Einde) return true;
    if (!Uitdrukking(uit_.sql) || w_.soort != TSoort::Einde) {
      if (fout_.empty()) fout_ = "unexpected \"" + w_.tekst + "\"";
      return Mislukt(fout);
    }
    return true;
  }

 private:
  bool Mislukt(std::string& fout) {
    fout = "Invalid filter \"" + t_ + "\": " + (fout_.empty() ? "syntax error" : fout_);
    return false;
  }

  static bool IsNaamTeken(unsigned char c) { return std::isalnum(c) || c == '_' || c >= 0x80; }

  bool IsSleutel(const char* woord) const {
    if (w_.soort != TSoort::Naam || w_.gehaakt) return false;
    std::string klein;
    for (char c : w_.tekst) klein += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return klein == woord;
  }

  bool Volgende() {
    while (p_ < t_.size() && std::isspace(static_cast<unsigned char>(t_[p_]))) ++p_;
    w_ = TWoord();
    if (p_ >= t_.size()) return true;
    const char c = t_[p_];
    if (c == '(' || c == ')') {
      w_.soort = c == '(' ? TSoort::Open : TSoort::Dicht;
      w_.tekst = std::string(1, c);
      ++p_;
      return true;
    }
    if (c == '=' || c == '<' || c == '>' || c == '!') {
      w_.soort = TSoort::Operator;
      w_.tekst = std::string(1, c);
      ++p_;
      if (p_ < t_.size() && (t_[p_] == '=' || (c == '<' && t_[p_] == '>'))) w_.tekst += t_[p_++];
      if (w_.tekst == "!") {
        fout_ = "unknown operator !";
        return false;
      }
      return true;
    }
    if (c == '\'') {
      w_.soort = TSoort::Tekst;
      for (++p_;; ++p_) {
        if (p_ >= t_.size()) {
          fout_ = "text without its closing quote";
          return false;
        }
        if (t_[p_] == '\'') {
          if (p_ + 1 < t_.size() && t_[p_ + 1] == '\'') {
            w_.tekst += '\'';
            ++p_;
            continue;
          }
          ++p_;
          return true;
        }
        w_.tekst += t_[p_];
      }
    }
    if (c == '[' || c == '"') {
      const char sluit = c == '[' ? ']' : '"';
      const auto eind = t_.find(sluit, p_ + 1);
      if (eind == std::string::npos) {
        fout_ = "name without its closing " + std::string(1, sluit);
        return false;
      }
      w_.soort = TSoort::Naam;
      w_.gehaakt = true;
      w_.tekst = t_.substr(p_ + 1, eind - p_ - 1);
      p_ = eind + 1;
      return true;
    }
    if (std::isdigit(static_cast<unsigned char>(c)) || c == '.' ||
        ((c == '-' || c == '+') && p_ + 1 < t_.size() &&
         (std::isdigit(static_cast<unsigned char>(t_[p_ + 1])) || t_[p_ + 1] == '.'))) {
      const char* begin = t_.c_str() + p_;
      char* eind = nullptr;
      std::strtod(begin, &eind);
      if (eind == begin) {
        fout_ = "invalid number";
        return false;
      }
      w_.soort = TSoort::Getal;
      w_.tekst = std::string(begin, static_cast<std::size_t>(eind - begin));
      p_ += static_cast<std::size_t>(eind - begin);
      return true;
    }
    if (IsNaamTeken(static_cast<unsigned char>(c))) {
      w_.soort = TSoort::Naam;
      while (p_ < t_.size() && IsNaamTeken(static_cast<unsigned char>(t_[p_]))) w_.tekst += t_[p_++];
      return true;
    }
    fout_ = "unexpected character '" + std::string(1, c) + "'";
    return false;
  }

  bool Uitdrukking(std::string& sql) {
    if (!Term(sql)) return false;
    while (IsSleutel("or")) {
      std::string rechts;
      if (!Volgende() || !Term(rechts)) return false;
      sql = "(" + sql + " or " + rechts + ")";
    }
    return true;
  }

  bool Term(std::string& sql) {
    if (!Factor(sql)) return false;
    while (IsSleutel("and")) {
      std::string rechts;
      if (!Volgende() || !Factor(rechts)) return false;
      sql = "(" + sql + " and " + rechts + ")";
    }
    return true;
  }

  bool Factor(std::string& sql) {
    if (IsSleutel("not")) {
      std::string binnen;
      if (!Volgende() || !Factor(binnen)) return false;
      sql = "(not " + binnen + ")";
      return true;
    }
    if (w_.soort == TSoort::Open) {
      std::string binnen;
      if (!Volgende() || !Uitdrukking(binnen)) return false;
      if (w_.soort != TSoort::Dicht) {
        fout_ = "missing )";
        return false;
      }
      sql = "(" + binnen + ")";
      return Volgende();
    }
    return Vergelijking(sql);
  }

  // One operand: SQL text (a quoted column or "?") with its parameter; `leeg` for null.
  bool Operand(std::string& sql, bool& leeg) {
    leeg = false;
    switch (w_.soort) {
      case TSoort::Getal: {
        const std::string& g = w_.tekst;
        const bool geheel = g.find_first_of(".eE") == std::string::npos;
        if (geheel)
          uit_.parameters.emplace_back(static_cast<std::int64_t>(std::strtoll(g.c_str(), nullptr, 10)));
        else
          uit_.parameters.emplace_back(std::strtod(g.c_str(), nullptr));
        sql = "?";
        return Volgende();
      }
      case TSoort::Tekst:
        uit_.parameters.emplace_back(w_.tekst);
        sql = "?";
        return Volgende();
      case TSoort::Naam: {
        if (IsSleutel("true") || IsSleutel("false")) {
          uit_.parameters.emplace_back(IsSleutel("true"));
          sql = "?";
          return Volgende();
        }
        if (IsSleutel("null")) {
          leeg = true;
          return Volgende();
        }
        const int n = ZoekVeld(velden_, w_.tekst);
        if (n < 0) {
          fout_ = "unknown field \"" + w_.tekst + "\"";
          return false;
        }
        sql = CiteerNaam(velden_[static_cast<std::size_t>(n)].naam);
        return Volgende();
      }
      default:
        fout_ = w_.soort == TSoort::Einde ? "incomplete comparison" : "unexpected \"" + w_.tekst + "\"";
        return false;
    }
  }

  bool Vergelijking(std::string& sql) {
    std::string links, rechts;
    bool linksLeeg = false, rechtsLeeg = false;
    if (!Operand(links, linksLeeg)) return false;
    if (w_.soort != TSoort::Operator) {
      fout_ = "comparison expected";
      return false;
    }
    std::string op = w_.tekst == "!=" ? "<>" : w_.tekst;
    if (!Volgende() || !Operand(rechts, rechtsLeeg)) return false;
    if (linksLeeg || rechtsLeeg) {
      if (linksLeeg && rechtsLeeg) {
        fout_ = "null compared with null";
        return false;
      }
      if (op != "=" && op != "<>") {
        fout_ = "null can only be compared with = or <>";
        return false;
      }
      sql = "(" + (linksLeeg ? rechts : links) + (op == "=" ? " is null)" : " is not null)");
      return true;
    }
    sql = "(" + links + " " + op + " " + rechts + ")";
    return true;
  }

  const std::string& t_;
  const std::vector<TVeldDef>& velden_;
  TSqlVoorwaarde& uit_;
  std::size_t p_ = 0;
  TWoord w_;
  std::string fout_;
};

}  // namespace

bool VertaalFilterTekst(const std::string& tekst, const std::vector<TVeldDef>& velden,
                        TSqlVoorwaarde& uit, std::string& fout) {
  TSqlVoorwaarde resultaat;
  TFilterLezer lezer(tekst, velden, resultaat);
  if (!lezer.Lees(fout)) return false;
  uit = std::move(resultaat);
  return true;
}

}  // namespace orvan
