#include "tools/zones/PosixTz.h"

#include <algorithm>
#include <cctype>

#include "tools/zones/DagNummer.h"

namespace orvan::tools {

namespace {

class TLezer {
 public:
  explicit TLezer(const std::string& s) : s_(s) {}
  bool Einde() const { return p_ >= s_.size(); }
  char Kijk() const { return Einde() ? '\0' : s_[p_]; }
  bool Neem(char c) {
    if (Kijk() != c) return false;
    ++p_;
    return true;
  }

  // A zone abbreviation: three or more letters, or "<...>" with letters, digits, "+" and "-".
  bool Naam(std::string& naam) {
    naam.clear();
    if (Neem('<')) {
      while (!Einde() && Kijk() != '>') {
        const char c = s_[p_++];
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '+' && c != '-') return false;
        naam += c;
      }
      return Neem('>') && naam.size() >= 3;
    }
    while (std::isalpha(static_cast<unsigned char>(Kijk()))) naam += s_[p_++];
    return naam.size() >= 3;
  }

  bool Getal(int& waarde, int maxCijfers) {
    int n = 0;
    waarde = 0;
    while (n < maxCijfers && std::isdigit(static_cast<unsigned char>(Kijk()))) {
      waarde = waarde * 10 + (s_[p_++] - '0');
      ++n;
    }
    return n > 0;
  }

  // [+|-]hh[:mm[:ss]] in seconds; hours up to `maxUren`.
  bool Tijd(std::int32_t& sec, int maxUren) {
    int teken = 1;
    if (Neem('-')) teken = -1;
    else Neem('+');
    int u = 0, m = 0, s = 0;
    if (!Getal(u, 3) || u > maxUren) return false;
    if (Neem(':')) {
      if (!Getal(m, 2) || m > 59) return false;
      if (Neem(':') && (!Getal(s, 2) || s > 59)) return false;
    }
    sec = teken * (u * 3600 + m * 60 + s);
    return true;
  }

  bool Dag(TPosixDag& d) {
    if (Neem('J')) {
      d.soort = TPosixDag::Soort::Juliaans1;
      if (!Getal(d.n, 3) || d.n < 1 || d.n > 365) return false;
    } else if (Neem('M')) {
      d.soort = TPosixDag::Soort::MaandWeekDag;
      if (!Getal(d.maand, 2) || d.maand < 1 || d.maand > 12 || !Neem('.') || !Getal(d.week, 1) ||
          d.week < 1 || d.week > 5 || !Neem('.') || !Getal(d.weekdag, 1) || d.weekdag > 6)
        return false;
    } else {
      d.soort = TPosixDag::Soort::Juliaans0;
      if (!Getal(d.n, 3) || d.n > 365) return false;
    }
    d.tijd = 7200;
    if (Neem('/') && !Tijd(d.tijd, 167)) return false;
    return true;
  }

 private:
  const std::string& s_;
  std::size_t p_ = 0;
};

// The day number (days since 1970) of a rule day in a year.
std::int64_t DagVan(const TPosixDag& d, int jaar) {
  const std::int64_t eersteJan = DagenSinds1970(jaar, 1, 1);
  switch (d.soort) {
    case TPosixDag::Soort::Juliaans1: {
      std::int64_t dag = eersteJan + d.n - 1;
      if (IsSchrikkeljaar(jaar) && d.n >= 60) ++dag;   // from 1 March on, skip 29 February
      return dag;
    }
    case TPosixDag::Soort::Juliaans0:
      return eersteJan + d.n;
    case TPosixDag::Soort::MaandWeekDag:
      break;
  }
  const std::int64_t eerste = DagenSinds1970(jaar, d.maand, 1);
  std::int64_t dag = eerste + (d.weekdag - Weekdag(eerste) + 7) % 7 + 7 * (d.week - 1);
  const std::int64_t laatste = eerste + DagenInMaand(jaar, d.maand) - 1;
  while (dag > laatste) dag -= 7;
  return dag;
}

}  // namespace

bool LeesPosixTz(const std::string& tekst, TPosixTz& tz, std::string& fout) {
  tz = TPosixTz{};
  TLezer l(tekst);
  std::int32_t west = 0;
  bool ok = l.Naam(tz.standaard.afkorting) && l.Tijd(west, 24);
  tz.standaard.utVerschil = -west;
  if (ok && !l.Einde()) {
    tz.heeftZomertijd = true;
    tz.zomer.zomertijd = true;
    ok = l.Naam(tz.zomer.afkorting);
    tz.zomer.utVerschil = tz.standaard.utVerschil + 3600;
    if (ok && l.Kijk() != ',' && !l.Einde()) {
      ok = l.Tijd(west, 24);
      tz.zomer.utVerschil = -west;
    }
    if (ok && l.Neem(',')) {
      tz.heeftRegel = true;
      ok = l.Dag(tz.begin) && l.Neem(',') && l.Dag(tz.einde);
    }
  }
  if (!ok || !l.Einde()) {
    fout = "malformed TZ string \"" + tekst + "\"";
    return false;
  }
  return true;
}

std::vector<TPosixOvergang> PosixOvergangen(const TPosixTz& tz, int van, int tot) {
  std::vector<TPosixOvergang> lijst;
  if (!tz.heeftZomertijd || !tz.heeftRegel) return lijst;
  for (int jaar = van; jaar <= tot; ++jaar) {
    const std::int64_t begin =
        DagVan(tz.begin, jaar) * 86400 + tz.begin.tijd - tz.standaard.utVerschil;
    const std::int64_t einde = DagVan(tz.einde, jaar) * 86400 + tz.einde.tijd - tz.zomer.utVerschil;
    lijst.push_back({begin, tz.zomer});
    lijst.push_back({einde, tz.standaard});
  }
  std::stable_sort(lijst.begin(), lijst.end(),
                   [](const TPosixOvergang& a, const TPosixOvergang& b) { return a.moment < b.moment; });
  // Of changes at the same moment the later one holds (a year-round summer time written as
  // "0/0,J365/25" ends one year where the next begins).
  std::vector<TPosixOvergang> uit;
  for (const auto& o : lijst) {
    if (!uit.empty() && uit.back().moment == o.moment) uit.back() = o;
    else uit.push_back(o);
  }
  return uit;
}

}  // namespace orvan::tools
