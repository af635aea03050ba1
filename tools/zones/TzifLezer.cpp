#include "tools/zones/TzifLezer.h"

#include <fstream>
#include <iterator>

namespace orvan::tools {

namespace {

inline constexpr std::size_t kKopGrootte = 44;

struct TKop {
  int versie = 0;
  std::uint32_t isutcnt = 0, isstdcnt = 0, leapcnt = 0, timecnt = 0, typecnt = 0, charcnt = 0;
};

std::uint32_t Lees32(const std::vector<std::uint8_t>& b, std::size_t p) {
  return (std::uint32_t{b[p]} << 24) | (std::uint32_t{b[p + 1]} << 16) |
         (std::uint32_t{b[p + 2]} << 8) | std::uint32_t{b[p + 3]};
}

std::int64_t Lees64(const std::vector<std::uint8_t>& b, std::size_t p) {
  const std::uint64_t hoog = Lees32(b, p), laag = Lees32(b, p + 4);
  return static_cast<std::int64_t>((hoog << 32) | laag);
}

bool LeesKop(const std::vector<std::uint8_t>& b, std::size_t p, TKop& kop, std::string& fout) {
  if (b.size() < p + kKopGrootte || b[p] != 'T' || b[p + 1] != 'Z' || b[p + 2] != 'i' ||
      b[p + 3] != 'f') {
    fout = "no TZif header";
    return false;
  }
  const std::uint8_t v = b[p + 4];
  if (v == 0) kop.versie = 1;
  else if (v >= '2' && v <= '9') kop.versie = v - '0';
  else {
    fout = "unknown TZif version";
    return false;
  }
  kop.isutcnt = Lees32(b, p + 20);
  kop.isstdcnt = Lees32(b, p + 24);
  kop.leapcnt = Lees32(b, p + 28);
  kop.timecnt = Lees32(b, p + 32);
  kop.typecnt = Lees32(b, p + 36);
  kop.charcnt = Lees32(b, p + 40);
  if (kop.typecnt == 0 || kop.charcnt == 0 || (kop.isutcnt != 0 && kop.isutcnt != kop.typecnt) ||
      (kop.isstdcnt != 0 && kop.isstdcnt != kop.typecnt)) {
    fout = "inconsistent TZif counts";
    return false;
  }
  return true;
}

// The size of the data block that follows a header, with times of `tijdBytes` bytes.
std::uint64_t BlokGrootte(const TKop& k, std::uint64_t tijdBytes) {
  return std::uint64_t{k.timecnt} * tijdBytes + k.timecnt + std::uint64_t{k.typecnt} * 6 +
         k.charcnt + std::uint64_t{k.leapcnt} * (tijdBytes + 4) + k.isstdcnt + k.isutcnt;
}

bool LeesBlok(const std::vector<std::uint8_t>& b, std::size_t p, const TKop& k,
              std::size_t tijdBytes, TTzif& tz, std::string& fout) {
  if (b.size() - p < BlokGrootte(k, tijdBytes)) {
    fout = "TZif file cut short";
    return false;
  }
  tz.overgangen.assign(k.timecnt, {});
  for (std::uint32_t i = 0; i < k.timecnt; ++i, p += tijdBytes) {
    tz.overgangen[i].moment = tijdBytes == 8
        ? Lees64(b, p) : static_cast<std::int64_t>(static_cast<std::int32_t>(Lees32(b, p)));
    if (i > 0 && tz.overgangen[i].moment <= tz.overgangen[i - 1].moment) {
      fout = "TZif transitions out of order";
      return false;
    }
  }
  for (std::uint32_t i = 0; i < k.timecnt; ++i, ++p) {
    if (b[p] >= k.typecnt) {
      fout = "TZif transition names no type";
      return false;
    }
    tz.overgangen[i].type = b[p];
  }
  const std::size_t typen = p;
  const std::size_t tekens = typen + std::size_t{k.typecnt} * 6;
  if (b[tekens + k.charcnt - 1] != 0) {
    fout = "TZif abbreviations not terminated";
    return false;
  }
  tz.typen.assign(k.typecnt, {});
  for (std::uint32_t i = 0; i < k.typecnt; ++i) {
    const std::size_t q = typen + std::size_t{i} * 6;
    auto& t = tz.typen[i];
    t.utVerschil = static_cast<std::int32_t>(Lees32(b, q));
    t.zomertijd = b[q + 4] != 0;
    const std::uint8_t index = b[q + 5];
    if (index >= k.charcnt || b[q + 4] > 1 || t.utVerschil == INT32_MIN) {
      fout = "TZif type out of range";
      return false;
    }
    t.afkorting = reinterpret_cast<const char*>(&b[tekens + index]);
  }
  return true;
}

}  // namespace

bool LeesTzif(const std::vector<std::uint8_t>& b, TTzif& tz, std::string& fout) {
  tz = TTzif{};
  TKop kop;
  if (!LeesKop(b, 0, kop, fout)) return false;
  tz.versie = kop.versie;
  if (kop.versie == 1) return LeesBlok(b, kKopGrootte, kop, 4, tz, fout);

  const std::uint64_t v1 = BlokGrootte(kop, 4);
  if (b.size() - kKopGrootte < v1) {
    fout = "TZif file cut short";
    return false;
  }
  const std::size_t kop2 = kKopGrootte + static_cast<std::size_t>(v1);
  TKop k2;
  if (!LeesKop(b, kop2, k2, fout)) return false;
  const std::size_t blok2 = kop2 + kKopGrootte;
  if (!LeesBlok(b, blok2, k2, 8, tz, fout)) return false;

  // Footer: "\n" TZ string "\n".
  std::size_t p = blok2 + static_cast<std::size_t>(BlokGrootte(k2, 8));
  if (p < b.size()) {
    if (b[p] != '\n') {
      fout = "TZif footer malformed";
      return false;
    }
    std::string voet;
    for (++p; p < b.size() && b[p] != '\n'; ++p) voet += static_cast<char>(b[p]);
    if (p >= b.size()) {
      fout = "TZif footer malformed";
      return false;
    }
    tz.voet = voet;
  }
  return true;
}

bool LeesTzifBestand(const std::string& pad, TTzif& tz, std::string& fout) {
  std::ifstream in(pad, std::ios::binary);
  if (!in) {
    fout = "Cannot read \"" + pad + "\"";
    return false;
  }
  const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                        std::istreambuf_iterator<char>());
  if (!LeesTzif(bytes, tz, fout)) {
    fout = "\"" + pad + "\": " + fout;
    return false;
  }
  return true;
}

}  // namespace orvan::tools
