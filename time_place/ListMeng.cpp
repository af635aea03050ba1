#include "time_place/ListMeng.h"

#include <algorithm>

#include "time_place/Cp1252.h"
#include "time_place/NaamBew.h"

namespace orvan {

namespace {

char Hoofdletter(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

bool TLijstViewerModel::IsToegestaan(char c) const {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

void TLijstViewerModel::ZetHuidige(int n) {
  if (Aantal() == 0) {
    huidige_ = -1;
    return;
  }
  huidige_ = std::clamp(n, 0, Aantal() - 1);
  LeesHuidige();
}

void TLijstViewerModel::GaNaar(int n) {
  ZetHuidige(n);
  Toon();
}

void TLijstViewerModel::Toon() {
  if (huidige_ < 0) {
    tekst_.clear();
    selektie_ = 0;
  } else {
    tekst_ = Regel();
    selektie_ = 0;
    std::size_t geteld = 0;
    const std::u32string tekens = Codepunten(tekst_);
    while (geteld < prefix_.size() && selektie_ < tekens.size()) {
      geteld += VouwVoorSelektie(Utf8(tekens[selektie_])).size();
      ++selektie_;
    }
  }
  if (OnVeranderd) OnVeranderd();
}

void TLijstViewerModel::Piep() {
  if (OnPiep) OnPiep();
}

void TLijstViewerModel::Positioneer() {
  if (Aantal() == 0) return;
  if (huidige_ < 0) ZetHuidige(0);
  if (Sleutel() < prefix_) {
    while (Sleutel() < prefix_ && huidige_ < Aantal() - 1) ZetHuidige(huidige_ + 1);
  } else {
    while (!(Sleutel() < prefix_) && huidige_ > 0) ZetHuidige(huidige_ - 1);
    if (Sleutel() < prefix_) ZetHuidige(huidige_ + 1);
  }
}

void TLijstViewerModel::ToetsDruk(char c) {
  if (prefix_.size() >= maxPrefix_) {
    Piep();
    return;
  }
  // The prefix follows the current entry, which the arrow keys may have changed.
  if (huidige_ >= 0) prefix_ = Sleutel().substr(0, prefix_.size());
  if (IsToegestaan(c)) {
    const char letter = Hoofdletter(c);
    if (prefix_.empty()) EersteLetter(letter);
    prefix_ += letter;
  }
  Positioneer();
  Toon();
}

void TLijstViewerModel::ToetsNeer(TLijstToets toets) {
  switch (toets) {
    case TLijstToets::Terug:
    case TLijstToets::Links:
      if (!prefix_.empty()) prefix_.pop_back();
      Toon();
      break;
    case TLijstToets::Begin:
      prefix_.clear();
      Toon();
      break;
    case TLijstToets::Op:
      GaNaar(huidige_ - 1);
      break;
    case TLijstToets::Neer:
      GaNaar(huidige_ + 1);
      break;
    case TLijstToets::Rechts:
    case TLijstToets::Einde:
      break;
    case TLijstToets::Invoegen:
      NieuwItem();
      break;
    case TLijstToets::CtrlWissen:
      WisselWissen();
      break;
  }
}

void TLijstViewerModel::Herstel() {
  prefix_.clear();
  Toon();
}

void TLijstViewerModel::Wis() {
  prefix_.clear();
  tekst_.clear();
  selektie_ = 0;
  if (OnVeranderd) OnVeranderd();
}

void TLijstViewerModel::ZoekOp(const std::string& naam) {
  // Typing past the longest prefix is not an error here: the browser keeps the best match.
  std::function<void()> piep = std::move(OnPiep);
  OnPiep = nullptr;
  prefix_.clear();
  for (const char c : VouwHaakjes(naam)) ToetsDruk(c);
  if (prefix_.empty()) Toon();
  OnPiep = std::move(piep);
}

}  // namespace orvan
