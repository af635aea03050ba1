#include "time_place/GeoKaart.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>

namespace orvan {

namespace {

// Puts the range [laag, hoog] inside [min, max] without changing its extent; a range larger than
// [min, max] becomes [min, max].
void TegenRand(double& laag, double& hoog, double min, double max) {
  const double omvang = hoog - laag;
  if (omvang >= max - min) {
    laag = min;
    hoog = max;
  } else if (laag < min) {
    laag = min;
    hoog = min + omvang;
  } else if (hoog > max) {
    hoog = max;
    laag = max - omvang;
  }
}

void Verdubbel(double& laag, double& hoog, double min, double max) {
  const double omvang = hoog - laag;
  laag -= omvang / 2;
  hoog += omvang / 2;
  TegenRand(laag, hoog, min, max);
}

void Schuif(double& laag, double& hoog, double stap, double min, double max) {
  laag += stap;
  hoog += stap;
  TegenRand(laag, hoog, min, max);
}

int Rond(double x) { return static_cast<int>(std::lround(x)); }

}  // namespace

TGeoVenster VensterOpPlaats(double lengte, double breedte, int pixBreedte, int pixHoogte) {
  if (pixBreedte <= 0 || pixHoogte <= 0) return WereldVenster;
  TGeoVenster v;
  v.west = lengte - 0.5;
  v.oost = lengte + 0.5;
  const double halveHoogte = 0.5 * pixHoogte / pixBreedte;
  v.noord = breedte + halveHoogte;
  v.zuid = breedte - halveHoogte;
  TegenRand(v.west, v.oost, -180, 180);
  TegenRand(v.zuid, v.noord, -90, 90);
  return v;
}

TKaartPunt NaarKaart(const TGeoVenster& v, double lengte, double breedte, int pixBreedte,
                     int pixHoogte) {
  TKaartPunt p;
  if (v.Breedte() > 0) p.x = Rond(pixBreedte * (lengte - v.west) / v.Breedte());
  if (v.Hoogte() > 0) p.y = Rond(pixHoogte * (v.noord - breedte) / v.Hoogte());
  return p;
}

TKaartPunt NaarPixel(const TGeoVenster& v, double lengte, double breedte, int pixBreedte,
                     int pixHoogte) {
  TKaartPunt p = NaarKaart(v, lengte, breedte, pixBreedte, pixHoogte);
  p.x = std::clamp(p.x, 0, std::max(0, pixBreedte - 1));
  p.y = std::clamp(p.y, 0, std::max(0, pixHoogte - 1));
  return p;
}

void NaarGeo(const TGeoVenster& v, int x, int y, int pixBreedte, int pixHoogte, double& lengte,
             double& breedte) {
  lengte = pixBreedte > 0 ? v.west + x * v.Breedte() / pixBreedte : v.west;
  breedte = pixHoogte > 0 ? v.noord - y * v.Hoogte() / pixHoogte : v.noord;
}

bool InVenster(const TGeoVenster& v, double lengte, double breedte) {
  return lengte >= v.west && lengte <= v.oost && breedte >= v.zuid && breedte <= v.noord;
}

TGeoVenster ZoomUit(const TGeoVenster& v) {
  TGeoVenster u = v;
  Verdubbel(u.west, u.oost, -180, 180);
  Verdubbel(u.zuid, u.noord, -90, 90);
  return u;
}

bool KanUitzoomen(const TGeoVenster& v) { return v.Breedte() < 359.9; }

TGeoVenster Pan(const TGeoVenster& v, TPanRichting richting) {
  TGeoVenster u = v;
  switch (richting) {
    case TPanRichting::Links:
      Schuif(u.west, u.oost, -v.Breedte(), -180, 180);
      break;
    case TPanRichting::Rechts:
      Schuif(u.west, u.oost, v.Breedte(), -180, 180);
      break;
    case TPanRichting::Omhoog:
      Schuif(u.zuid, u.noord, v.Hoogte(), -90, 90);
      break;
    case TPanRichting::Omlaag:
      Schuif(u.zuid, u.noord, -v.Hoogte(), -90, 90);
      break;
  }
  return u;
}

bool ToonPlaatsnamen(const TGeoVenster& v, bool forceer) { return forceer || v.Breedte() < 2.1; }

std::vector<TRasterLijn> RasterLijnen(const TGeoVenster& v) {
  std::vector<TRasterLijn> lijnen;
  if (v.Breedte() < 20) {
    for (double l = std::ceil(v.west); l <= v.oost; l += 1)
      lijnen.push_back({true, l, TRasterSoort::Fijn});
    for (double b = std::ceil(v.zuid); b <= v.noord; b += 1)
      lijnen.push_back({false, b, TRasterSoort::Fijn});
  }
  for (int l = -180; l <= 180; l += 15)
    if (l >= v.west && l <= v.oost)
      lijnen.push_back({true, double(l), l == 0 ? TRasterSoort::Hoofd : TRasterSoort::Grof});
  for (int b = -90; b <= 90; b += 10)
    if (b >= v.zuid && b <= v.noord)
      lijnen.push_back({false, double(b), b == 0 ? TRasterSoort::Hoofd : TRasterSoort::Grof});
  return lijnen;
}

TKaartPunt RubberbandHoek(TKaartPunt start, TKaartPunt muis, int pixBreedte, int pixHoogte) {
  if (pixBreedte <= 0 || pixHoogte <= 0) return muis;
  int dx = muis.x - start.x;
  int dy = muis.y - start.y;
  const double relX = std::abs(dx) / double(pixBreedte);
  const double relY = std::abs(dy) / double(pixHoogte);
  if (relX >= relY) {
    const int h = Rond(std::abs(dx) * double(pixHoogte) / pixBreedte);
    dy = dy < 0 ? -h : h;
  } else {
    const int b = Rond(std::abs(dy) * double(pixBreedte) / pixHoogte);
    dx = dx < 0 ? -b : b;
  }
  return {start.x + dx, start.y + dy};
}

bool IsBruikbareSelectie(TKaartPunt start, TKaartPunt eind) {
  return std::abs(eind.x - start.x) >= 5 && std::abs(eind.y - start.y) > 4;
}

TGeoVenster SelectieVenster(const TGeoVenster& v, TKaartPunt start, TKaartPunt eind,
                            int pixBreedte, int pixHoogte) {
  TGeoVenster s;
  NaarGeo(v, std::min(start.x, eind.x), std::min(start.y, eind.y), pixBreedte, pixHoogte, s.west,
          s.noord);
  NaarGeo(v, std::max(start.x, eind.x), std::max(start.y, eind.y), pixBreedte, pixHoogte, s.oost,
          s.zuid);
  s.west = std::clamp(s.west, -180.0, 180.0);
  s.oost = std::clamp(s.oost, -180.0, 180.0);
  s.noord = std::clamp(s.noord, -90.0, 90.0);
  s.zuid = std::clamp(s.zuid, -90.0, 90.0);
  return s;
}

bool IsZelfdeZone(const std::string& zone, const std::string& gegevenZone) {
  return zone.size() == gegevenZone.size() &&
         std::equal(zone.begin(), zone.end(), gegevenZone.begin(), [](char a, char b) {
           return std::toupper(static_cast<unsigned char>(a)) ==
                  std::toupper(static_cast<unsigned char>(b));
         });
}

TPlaatsBestandLezer::TPlaatsBestandLezer(const std::string& pad)
    : in_(pad, std::ios::binary), open_(static_cast<bool>(in_)) {}

bool TPlaatsBestandLezer::LeesBlok(std::vector<PlaatsRec>& blok, std::size_t max) {
  blok.clear();
  if (!open_ || max == 0) return false;
  std::vector<char> buffer(max * PlaatsRecGrootte);
  // A block of deleted records alone reads the next one, so that only the end gives an empty block.
  while (blok.empty() && in_) {
    in_.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
    const std::size_t gelezen = static_cast<std::size_t>(in_.gcount()) / PlaatsRecGrootte;
    for (std::size_t i = 0; i < gelezen; ++i) {
      TPlaatsRecBytes bytes;
      std::copy_n(buffer.begin() + static_cast<std::ptrdiff_t>(i * PlaatsRecGrootte),
                  PlaatsRecGrootte, reinterpret_cast<char*>(bytes.data()));
      PlaatsRec p;
      if (LeesPlaatsRec(bytes, p) && p.Gewist == 0) blok.push_back(std::move(p));
    }
  }
  return !blok.empty();
}

}  // namespace orvan
