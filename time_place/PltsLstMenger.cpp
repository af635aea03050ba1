#include "time_place/PltsLstMenger.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "shell/Interaktie.h"
#include "shell/ProgrammaMap.h"
#include "time_place/NaamBew.h"
#include "time_place/VervangBestand.h"

namespace fs = std::filesystem;

namespace orvan {

namespace {

inline constexpr std::size_t NaamVeld = PlaatsNaamPositie;
inline constexpr std::size_t NaamMax = PlaatsNaamMax;
inline constexpr std::size_t ZoneVeld = PlaatsZonePositie;
inline constexpr std::size_t ZoneMax = PlaatsZoneMax;
inline constexpr std::size_t GewistVeld = PlaatsGewistPositie;
inline constexpr std::size_t Vouw35Max = 35;

// The folded text of a length-prefixed CP1252 field; "(" is kept when `haakjes`.
std::string VouwVeld(const std::uint8_t* veld, std::size_t max, bool haakjes) {
  const std::size_t lengte = std::min<std::size_t>(veld[0], max);
  std::string uit;
  for (std::size_t i = 1; i <= lengte; ++i) {
    if (haakjes && veld[i] == '(')
      uit += '(';
    else
      uit += VouwTeken(veld[i]);
  }
  return uit;
}

TPlaatsRecBytes RecordOp(const std::vector<std::uint8_t>& bytes, int n) {
  TPlaatsRecBytes r;
  std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(n * PlaatsRecGrootte), PlaatsRecGrootte,
              r.begin());
  return r;
}

bool LeesBestand(const std::string& pad, std::vector<std::uint8_t>& bytes, std::string& fout) {
  std::ifstream in(pad, std::ios::binary);
  if (!in) {
    fout = "cannot read \"" + pad + "\": " + std::strerror(errno);
    return false;
  }
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (in.bad()) {
    fout = "cannot read \"" + pad + "\"";
    return false;
  }
  // A part record at the end (a damaged file) is not part of the list.
  bytes.resize(bytes.size() / PlaatsRecGrootte * PlaatsRecGrootte);
  return true;
}

TNaamSleutelVan SleutelsVan(const std::vector<std::uint8_t>& bytes) {
  return [&bytes](int n) {
    return VouwVeld(bytes.data() + n * PlaatsRecGrootte + NaamVeld, NaamMax, true);
  };
}

// Keeps the current list as the reserve copy: a second name for the same file where the file
// system allows it, else a copy.
bool BewaarReserve(const std::string& lijst, const std::string& reserve, std::string& fout) {
  std::error_code ec;
  fs::remove(reserve, ec);
  if (!fs::exists(lijst, ec)) return true;
  if (::link(lijst.c_str(), reserve.c_str()) == 0) return true;
  fs::copy_file(lijst, reserve, fs::copy_options::overwrite_existing, ec);
  if (ec) {
    fout = "cannot copy \"" + lijst + "\" to \"" + reserve + "\": " + ec.message();
    return false;
  }
  return true;
}

}  // namespace

std::string NaamSleutel(const std::string& naam) { return VouwHaakjes(naam); }

std::string PlaatsSleutel(const PlaatsRec& p) { return VouwHaakjes(p.Naam) + "  " + Vouw35(p.Zone); }

std::string NaamSleutel(const TPlaatsRecBytes& record) {
  return VouwVeld(record.data() + NaamVeld, NaamMax, true);
}

std::string PlaatsSleutel(const TPlaatsRecBytes& record) {
  std::string zone = VouwVeld(record.data() + ZoneVeld, ZoneMax, false);
  if (zone.size() > Vouw35Max) zone.resize(Vouw35Max);
  return NaamSleutel(record) + "  " + zone;
}

bool SchrijfPlaatsLijst(const std::string& map, const std::vector<std::uint8_t>& records,
                        const char* werkNaam, bool bewaarOud, std::string& fout,
                        const TProcentMelder& voortgang) {
  const std::string lijst = map + PlaatsBestandNaam;
  TVervangBestand bestand;
  if (!bestand.Open(map + werkNaam, fout)) return false;
  const std::size_t aantal = records.size() / PlaatsRecGrootte;
  int gemeld = -1;
  for (std::size_t n = 0; n < aantal; ++n) {
    if (!bestand.Schrijf(records.data() + n * PlaatsRecGrootte, PlaatsRecGrootte)) break;
    if (voortgang) {
      const int procent = static_cast<int>(95 * (n + 1) / aantal);
      if (procent != gemeld) voortgang(gemeld = procent);
    }
  }
  if (!bestand.Voltooi(fout)) return false;
  if (bewaarOud && !BewaarReserve(lijst, map + PlaatsReserveNaam, fout)) return false;
  if (!HernoemBestand(map + werkNaam, lijst, fout)) {
    std::error_code ec;
    fs::remove(map + werkNaam, ec);
    return false;
  }
  // The list is complete; an index that cannot be written is rebuilt at the next opening.
  std::string indexFout;
  SchrijfLetterIndex(map + PlaatsIndexNaam,
                     BouwLetterIndex(static_cast<int>(aantal), SleutelsVan(records)), indexFout);
  if (voortgang) voortgang(100);
  return true;
}

TPlaatsLijst::TPlaatsLijst(std::string map) : map_(std::move(map)) {}

TPlaatsLijst::~TPlaatsLijst() {
  std::string fout;
  Sluit(fout);
}

bool TPlaatsLijst::LaadBestand(std::string& fout) {
  if (map_.empty()) map_ = ProgrammaMap();
  const std::string lijst = Pad(PlaatsBestandNaam);
  std::error_code ec;
  bytes_.clear();
  if (fs::exists(lijst, ec)) return LeesBestand(lijst, bytes_, fout);
  if (alleenLezen_) return true;
  TVervangBestand leeg;
  return leeg.Open(Pad(PlaatsWerkNaam), fout) && leeg.Vervang(lijst, fout);
}

void TPlaatsLijst::KiesIndex() {
  const std::string lijst = Pad(PlaatsBestandNaam);
  const std::string indexPad = Pad(PlaatsIndexNaam);
  const TNaamSleutelVan sleutel = SleutelsVan(bytes_);
  std::error_code ec1, ec2;
  const bool actueel = fs::exists(indexPad, ec1) &&
                       fs::last_write_time(indexPad, ec1) >= fs::last_write_time(lijst, ec2) &&
                       !ec1 && !ec2;
  // The file times are only a first check: an index that does not fit the records (copied from
  // elsewhere, written within the same clock tick as the list) is rebuilt too.
  indexHerbouwd_ = !(actueel && LeesLetterIndex(indexPad, index_) &&
                     LetterIndexKlopt(index_, Aantal(), sleutel));
  if (!indexHerbouwd_) return;
  TZandloper zandloper;
  index_ = BouwLetterIndex(Aantal(), sleutel);
  std::string fout;
  if (!alleenLezen_) SchrijfLetterIndex(indexPad, index_, fout);
}

bool TPlaatsLijst::Open(std::string& fout) {
  std::string sluitFout;
  Sluit(sluitFout);
  alleenLezen_ = false;
  if (!LaadBestand(fout)) return false;
  KiesIndex();
  veranderd_ = false;
  for (int n = 0; n < Aantal() && !veranderd_; ++n)
    veranderd_ = bytes_[n * PlaatsRecGrootte + GewistVeld] != 0;
  open_ = true;
  return true;
}

bool TPlaatsLijst::OpenAlleenLezen(std::string& fout) {
  std::string sluitFout;
  Sluit(sluitFout);
  alleenLezen_ = true;
  if (!LaadBestand(fout)) return false;
  KiesIndex();
  veranderd_ = false;
  open_ = true;
  return true;
}

bool TPlaatsLijst::Lees(int n, PlaatsRec& p) const {
  p = PlaatsRec{};
  if (n < 0 || n >= Aantal()) return false;
  const TPlaatsRecBytes r = RecordOp(bytes_, n);
  if (LeesPlaatsRec(r, p)) return true;
  // A damaged length byte: read what the field can hold.
  TPlaatsRecBytes hersteld = r;
  hersteld[NaamVeld] = static_cast<std::uint8_t>(std::min<std::size_t>(r[NaamVeld], NaamMax));
  hersteld[ZoneVeld] = static_cast<std::uint8_t>(std::min<std::size_t>(r[ZoneVeld], ZoneMax));
  LeesPlaatsRec(hersteld, p);
  return false;
}

TPlaatsRecBytes TPlaatsLijst::Record(int n) const {
  if (n < 0 || n >= Aantal()) return TPlaatsRecBytes{};
  return RecordOp(bytes_, n);
}

std::string TPlaatsLijst::NaamSleutel(int n) const {
  if (n < 0 || n >= Aantal()) return {};
  return VouwVeld(bytes_.data() + n * PlaatsRecGrootte + NaamVeld, NaamMax, true);
}

std::string TPlaatsLijst::PlaatsSleutel(int n) const {
  if (n < 0 || n >= Aantal()) return {};
  return orvan::PlaatsSleutel(RecordOp(bytes_, n));
}

int TPlaatsLijst::EersteVanaf(const std::string& sleutel) const {
  int laag = 0;
  int hoog = Aantal();
  while (laag < hoog) {
    const int midden = laag + (hoog - laag) / 2;
    if (NaamSleutel(midden) < sleutel)
      laag = midden + 1;
    else
      hoog = midden;
  }
  return laag;
}

bool TPlaatsLijst::Schrijf(int n, const PlaatsRec& p, std::string& fout) {
  if (!open_ || alleenLezen_ || n < 0 || n >= Aantal()) {
    fout = "no such place record";
    return false;
  }
  const TPlaatsRecBytes r = SchrijfPlaatsRec(p);
  const std::string lijst = Pad(PlaatsBestandNaam);
  const int fd = ::open(lijst.c_str(), O_WRONLY | O_CLOEXEC);
  bool ok = fd >= 0;
  int nummer = errno;
  if (ok) {
    const auto positie = static_cast<off_t>(n) * static_cast<off_t>(PlaatsRecGrootte);
    ok = ::pwrite(fd, r.data(), r.size(), positie) == static_cast<ssize_t>(r.size());
    if (!ok) nummer = errno;
    if (::close(fd) != 0 && ok) {
      ok = false;
      nummer = errno;
    }
  }
  if (!ok) {
    fout = "cannot write \"" + lijst + "\": " + std::strerror(nummer);
    return false;
  }
  std::copy(r.begin(), r.end(), bytes_.begin() + static_cast<std::ptrdiff_t>(n * PlaatsRecGrootte));
  veranderd_ = true;
  return true;
}

bool TPlaatsLijst::VoegPlaatsToe(const PlaatsRec& p, int& nummer, std::string& fout,
                                 const TProcentMelder& voortgang) {
  if (!open_ || alleenLezen_) {
    fout = "the place list is not open for changes";
    return false;
  }
  PlaatsRec nieuw = p;
  nieuw.Gewist = 0;
  const TPlaatsRecBytes record = SchrijfPlaatsRec(nieuw);
  const std::string sleutel = orvan::PlaatsSleutel(record);
  // The records are read in order until one has a greater key; the new one goes before it.
  nummer = Aantal();
  for (int n = 0; n < Aantal(); ++n) {
    if (PlaatsSleutel(n) > sleutel) {
      nummer = n;
      break;
    }
  }
  std::vector<std::uint8_t> nieuweLijst;
  nieuweLijst.reserve(bytes_.size() + PlaatsRecGrootte);
  const auto splits = bytes_.begin() + static_cast<std::ptrdiff_t>(nummer * PlaatsRecGrootte);
  nieuweLijst.insert(nieuweLijst.end(), bytes_.begin(), splits);
  nieuweLijst.insert(nieuweLijst.end(), record.begin(), record.end());
  nieuweLijst.insert(nieuweLijst.end(), splits, bytes_.end());
  TZandloper zandloper;
  if (!SchrijfPlaatsLijst(map_, nieuweLijst, PlaatsWerkNaam, false, fout, voortgang)) return false;
  bytes_ = std::move(nieuweLijst);
  index_ = BouwLetterIndex(Aantal(), SleutelsVan(bytes_));
  return true;
}

bool TPlaatsLijst::Sluit(std::string& fout) {
  if (!open_) return true;
  bool ok = true;
  if (veranderd_ && !alleenLezen_) {
    TZandloper zandloper;
    std::vector<std::uint8_t> behouden;
    behouden.reserve(bytes_.size());
    for (int n = 0; n < Aantal(); ++n) {
      const auto begin = bytes_.begin() + static_cast<std::ptrdiff_t>(n * PlaatsRecGrootte);
      if (begin[GewistVeld] == 0) behouden.insert(behouden.end(), begin, begin + PlaatsRecGrootte);
    }
    ok = SchrijfPlaatsLijst(map_, behouden, PlaatsReserveNaam, false, fout);
  }
  open_ = false;
  veranderd_ = false;
  bytes_.clear();
  return ok;
}

}  // namespace orvan
