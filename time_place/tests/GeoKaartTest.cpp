// The world map's view: mapping, opening on a place, zooming out, panning, the rubber band, the
// grid and the names rule; and the block reader of the place list.

#include "time_place/GeoKaart.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/tests/support/Bestanden.h"
#include "shell/tests/support/TijdelijkeMap.h"

namespace orvan {
namespace {

void ExpectVenster(const TGeoVenster& v, double west, double oost, double noord, double zuid,
                   const char* naam) {
  EXPECT_NEAR(v.west, west, 1e-9) << naam;
  EXPECT_NEAR(v.oost, oost, 1e-9) << naam;
  EXPECT_NEAR(v.noord, noord, 1e-9) << naam;
  EXPECT_NEAR(v.zuid, zuid, 1e-9) << naam;
}

TEST(GeoKaartMapping, PlacesOnTheWorldView) {
  struct TGeval {
    const char* naam;
    double lengte, breedte;
    TKaartPunt kaart, pixel;
  };
  // A 720 x 360 window: two pixels a degree.
  const TGeval gevallen[] = {
      {"179.9 east is on the right edge", 179.9, 0, {720, 180}, {719, 180}},
      {"the east edge itself", 180, 0, {720, 180}, {719, 180}},
      {"the west edge", -180, 0, {0, 180}, {0, 180}},
      {"Greenwich on the equator", 0, 0, {360, 180}, {360, 180}},
      {"the south pole", 0, -90, {360, 360}, {360, 359}},
      {"the north pole", 0, 90, {360, 0}, {360, 0}},
      {"Amsterdam", 4.9, 52.37, {370, 75}, {370, 75}},
  };
  for (const auto& g : gevallen) {
    EXPECT_EQ(NaarKaart(WereldVenster, g.lengte, g.breedte, 720, 360), g.kaart) << g.naam;
    EXPECT_EQ(NaarPixel(WereldVenster, g.lengte, g.breedte, 720, 360), g.pixel) << g.naam;
    EXPECT_TRUE(InVenster(WereldVenster, g.lengte, g.breedte)) << g.naam;
  }
  EXPECT_FALSE(InVenster({4, 5, 53, 52}, 5.01, 52.5));
  EXPECT_FALSE(InVenster({4, 5, 53, 52}, 4.5, 51.99));
}

TEST(GeoKaartMapping, InverseRoundTrip) {
  const TGeoVenster vensters[] = {WereldVenster, {4.4, 5.4, 52.7, 52.0}, {-75, -73, 41.5, 40}};
  const TKaartPunt punten[] = {{0, 0}, {1, 1}, {333, 123}, {639, 479}, {640, 480}};
  for (const auto& v : vensters)
    for (const auto& p : punten) {
      double lengte = 0, breedte = 0;
      NaarGeo(v, p.x, p.y, 640, 480, lengte, breedte);
      EXPECT_EQ(NaarKaart(v, lengte, breedte, 640, 480), p)
          << "view " << v.west << ".." << v.oost << ", pixel " << p.x << "," << p.y;
    }
  double lengte = 0, breedte = 0;
  NaarGeo(WereldVenster, 360, 90, 720, 360, lengte, breedte);
  EXPECT_DOUBLE_EQ(lengte, 0);
  EXPECT_DOUBLE_EQ(breedte, 45);
}

TEST(GeoKaartVenster, OpeningOnAPlace) {
  // One degree of longitude across 600 pixels, so 400 pixels hold 2/3 degree of latitude.
  ExpectVenster(VensterOpPlaats(4.9, 52.37, 600, 400), 4.4, 5.4, 52.37 + 1.0 / 3,
                52.37 - 1.0 / 3, "Amsterdam");
  // Against the edges of the world the view keeps its size and lies against the edge.
  ExpectVenster(VensterOpPlaats(179.9, 0, 600, 600), 179, 180, 0.5, -0.5, "near 180 east");
  ExpectVenster(VensterOpPlaats(-179.9, -89.9, 600, 600), -180, -179, -89, -90, "near the pole");
  // A window without pixels shows the whole world.
  EXPECT_EQ(VensterOpPlaats(4.9, 52.37, 0, 400), WereldVenster);
}

TEST(GeoKaartVenster, ZoomOut) {
  struct TGeval {
    const char* naam;
    TGeoVenster van, naar;
    bool kan;
  };
  const TGeval gevallen[] = {
      {"the world stays the world", WereldVenster, WereldVenster, false},
      {"around the centre", {4, 6, 53, 52}, {3, 7, 53.5, 51.5}, true},
      {"against the east edge", {175, 179, 1, -1}, {172, 180, 2, -2}, true},
      {"against the west edge", {-179, -175, 1, -1}, {-180, -172, 2, -2}, true},
      {"against the north pole", {0, 10, 89, 85}, {-5, 15, 90, 82}, true},
      {"against the south pole", {0, 10, -85, -89}, {-5, 15, -82, -90}, true},
      {"too wide to double", {-100, 100, 10, -10}, {-180, 180, 20, -20}, true},
      {"too high to double", {0, 10, 60, -40}, {-5, 15, 90, -90}, true},
      {"just narrower than 359.9", {-179.9, 179.9, 90, -90}, WereldVenster, true},
      {"359.95 wide", {-179.95, 180, 90, -90}, WereldVenster, false},
  };
  for (const auto& g : gevallen) {
    ExpectVenster(ZoomUit(g.van), g.naar.west, g.naar.oost, g.naar.noord, g.naar.zuid, g.naam);
    EXPECT_EQ(KanUitzoomen(g.van), g.kan) << g.naam;
  }
}

TEST(GeoKaartVenster, PansAreClampedAtTheEdges) {
  struct TGeval {
    const char* naam;
    TGeoVenster van;
    TPanRichting richting;
    TGeoVenster naar;
  };
  const TGeval gevallen[] = {
      {"right", {0, 10, 10, 0}, TPanRichting::Rechts, {10, 20, 10, 0}},
      {"left", {0, 10, 10, 0}, TPanRichting::Links, {-10, 0, 10, 0}},
      {"up", {0, 10, 10, 0}, TPanRichting::Omhoog, {0, 10, 20, 10}},
      {"down", {0, 10, 10, 0}, TPanRichting::Omlaag, {0, 10, 0, -10}},
      {"right against 180", {165, 175, 10, 0}, TPanRichting::Rechts, {170, 180, 10, 0}},
      {"left against -180", {-175, -165, 10, 0}, TPanRichting::Links, {-180, -170, 10, 0}},
      {"up against 90", {0, 10, 85, 75}, TPanRichting::Omhoog, {0, 10, 90, 80}},
      {"down against -90", {0, 10, -75, -85}, TPanRichting::Omlaag, {0, 10, -80, -90}},
      {"right at the edge stays", {170, 180, 10, 0}, TPanRichting::Rechts, {170, 180, 10, 0}},
      {"the world stays", WereldVenster, TPanRichting::Links, WereldVenster},
  };
  for (const auto& g : gevallen) {
    const TGeoVenster u = Pan(g.van, g.richting);
    ExpectVenster(u, g.naar.west, g.naar.oost, g.naar.noord, g.naar.zuid, g.naam);
  }
}

TEST(GeoKaartVenster, NamesAreWrittenBelow2Point1DegreesOrWhenForced) {
  EXPECT_TRUE(ToonPlaatsnamen({4.4, 5.4, 52.7, 52}, false)) << "a 1-degree view";
  EXPECT_TRUE(ToonPlaatsnamen({4, 6.09, 53, 52}, false));
  EXPECT_FALSE(ToonPlaatsnamen({0, 2.1, 1, 0}, false)) << "2.1 degrees is not less";
  EXPECT_FALSE(ToonPlaatsnamen(WereldVenster, false));
  EXPECT_TRUE(ToonPlaatsnamen(WereldVenster, true));
}

TEST(GeoKaartVenster, GridLines) {
  auto tel = [](const std::vector<TRasterLijn>& lijnen, bool meridiaan, TRasterSoort soort) {
    int n = 0;
    for (const auto& l : lijnen) n += l.isMeridiaan == meridiaan && l.soort == soort;
    return n;
  };
  const auto wereld = RasterLijnen(WereldVenster);
  EXPECT_EQ(tel(wereld, true, TRasterSoort::Fijn) + tel(wereld, false, TRasterSoort::Fijn), 0);
  EXPECT_EQ(tel(wereld, true, TRasterSoort::Grof), 24);    // -180..180 by 15, Greenwich apart
  EXPECT_EQ(tel(wereld, false, TRasterSoort::Grof), 18);   // -90..90 by 10, the equator apart
  EXPECT_EQ(tel(wereld, true, TRasterSoort::Hoofd), 1);
  EXPECT_EQ(tel(wereld, false, TRasterSoort::Hoofd), 1);

  // 19.5 degrees wide: every whole degree inside, and the 15-degree meridians inside.
  const auto klein = RasterLijnen({-4.5, 15, 52.5, 40.2});
  EXPECT_EQ(tel(klein, true, TRasterSoort::Fijn), 20);    // -4..15
  EXPECT_EQ(tel(klein, false, TRasterSoort::Fijn), 12);   // 41..52
  EXPECT_EQ(tel(klein, true, TRasterSoort::Grof), 1);     // 15
  EXPECT_EQ(tel(klein, true, TRasterSoort::Hoofd), 1);    // 0
  EXPECT_EQ(tel(klein, false, TRasterSoort::Grof), 1);    // 50; 40 lies outside
  EXPECT_EQ(tel(RasterLijnen({0, 20, 10, 0}), true, TRasterSoort::Fijn), 0) << "20 is not less";
}

TEST(GeoKaartRubberband, KeepsTheWindowsAspect) {
  struct TGeval {
    const char* naam;
    TKaartPunt start, muis, hoek;
  };
  // A 400 x 200 window.
  const TGeval gevallen[] = {
      {"wide drag: the width decides", {10, 10}, {110, 20}, {110, 60}},
      {"high drag: the height decides", {10, 10}, {20, 110}, {210, 110}},
      {"up and to the left", {300, 150}, {200, 140}, {200, 100}},
      {"negative height decides", {300, 150}, {290, 50}, {100, 50}},
      {"a horizontal drag", {10, 10}, {50, 10}, {50, 30}},
      {"no drag", {10, 10}, {10, 10}, {10, 10}},
  };
  for (const auto& g : gevallen)
    EXPECT_EQ(RubberbandHoek(g.start, g.muis, 400, 200), g.hoek) << g.naam;
}

TEST(GeoKaartRubberband, UsableSelectionAndItsView) {
  EXPECT_TRUE(IsBruikbareSelectie({10, 10}, {15, 15}));
  EXPECT_TRUE(IsBruikbareSelectie({15, 15}, {10, 10})) << "in either direction";
  EXPECT_FALSE(IsBruikbareSelectie({10, 10}, {14, 30})) << "4 pixels wide";
  EXPECT_FALSE(IsBruikbareSelectie({10, 10}, {30, 14})) << "4 pixels high";
  EXPECT_TRUE(IsBruikbareSelectie({10, 10}, {15, 5}));

  // A quarter of the world view, dragged from its bottom right corner.
  ExpectVenster(SelectieVenster(WereldVenster, {360, 180}, {180, 90}, 720, 360), -90, 0, 45, 0,
                "selection");
  // Dragged out of the window: cut to the world.
  ExpectVenster(SelectieVenster(WereldVenster, {-20, -20}, {40, 20}, 720, 360), -180, -160, 90,
                80, "outside");
}

TEST(GeoKaartZone, SameZoneIgnoresLetterCase) {
  EXPECT_TRUE(IsZelfdeZone("AMSTERDA", "AMSTERDA"));
  EXPECT_TRUE(IsZelfdeZone("amsterda", "AMSTERDA"));
  EXPECT_FALSE(IsZelfdeZone("AMSTERD", "AMSTERDA"));
  EXPECT_FALSE(IsZelfdeZone("BRUSSELS", "AMSTERDA"));
}

TEST(GeoKaartLezer, ReadsBlocksAndSkipsDeletedRecords) {
  const std::string map = test::NieuweTijdelijkeMap();
  std::string inhoud;
  for (int i = 0; i < 7; ++i) {
    PlaatsRec p{"Place " + std::to_string(i), float(i), float(-i), "ZONE", 0};
    if (i == 2 || i == 3) p.Gewist = 1;
    const TPlaatsRecBytes b = SchrijfPlaatsRec(p);
    inhoud.append(reinterpret_cast<const char*>(b.data()), b.size());
  }
  test::SchrijfBestand(map + "GeoCoord.fil", inhoud);

  TPlaatsBestandLezer lezer(map + "GeoCoord.fil");
  ASSERT_TRUE(lezer.IsOpen());
  std::vector<std::string> namen;
  std::vector<PlaatsRec> blok;
  std::vector<std::size_t> groottes;
  while (lezer.LeesBlok(blok, 2)) {
    groottes.push_back(blok.size());
    for (const auto& p : blok) namen.push_back(p.Naam);
  }
  EXPECT_EQ(namen, (std::vector<std::string>{"Place 0", "Place 1", "Place 4", "Place 5",
                                             "Place 6"}));
  // Records 2 and 3 form a block of deleted records: the reader goes on to the next block.
  EXPECT_EQ(groottes, (std::vector<std::size_t>{2, 2, 1}));
  EXPECT_FALSE(lezer.LeesBlok(blok, 2));
  EXPECT_TRUE(blok.empty());

  TPlaatsBestandLezer geen(map + "NoSuch.fil");
  EXPECT_FALSE(geen.IsOpen());
  EXPECT_FALSE(geen.LeesBlok(blok, 100));
}

}  // namespace
}  // namespace orvan
