// The "Atlas" window on a small place list of its own: the rendered map, the coordinates box, the
// rubber band and the menu, the keys; and the shipped list closed while it is being drawn.

#include "time_place/ui/GeoKaartVenster.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <functional>
#include <string>
#include <vector>

#include "shell/tests/support/Bestanden.h"
#include "shell/ui/tests/support/Modaal.h"
#include "shell/ui/tests/support/VensterFixture.h"
#include "time_place/PltsTijdRec.h"

namespace orvan {
namespace {

// The given place at 4E54 52N22 (4.9 and 52.3667 degrees); a neighbour in its zone north-west of
// it and one of another zone south-east of it.
const PlaatsRec Gegeven{"Testplaats", 52.22f, 4.54f, "AMSTERDA", 0};
const PlaatsRec Buur{"Buur", 52.30f, 4.40f, "AMSTERDA", 0};
const PlaatsRec Ander{"Ander", 52.10f, 5.10f, "BRUSSELS", 0};
const PlaatsRec Gewist{"Gewist", 52.30f, 4.50f, "AMSTERDA", 1};

class GeoKaartVensterTest : public test::TVensterTest {
 protected:
  void SetUp() override {
    test::TVensterTest::SetUp();
    lijst_ = test::NieuweTijdelijkeMap();
    std::string inhoud;
    for (const PlaatsRec& p : {Ander, Buur, Gegeven, Gewist}) {
      const TPlaatsRecBytes b = SchrijfPlaatsRec(p);
      inhoud.append(reinterpret_cast<const char*>(b.data()), b.size());
    }
    test::SchrijfBestand(lijst_ + "GeoCoord.fil", inhoud);
  }

  // The point of a place (d.mm) on the form's current view.
  static TKaartPunt Op(const TGeoKaartForm& f, const PlaatsRec& p) {
    return NaarPixel(f.Venster(), DmInGraden(p.Lengte), DmInGraden(p.Breedte), f.width(),
                     f.height());
  }
  static QColor Kleur(const QImage& beeld, TKaartPunt k) { return beeld.pixelColor(k.x, k.y); }

  static void Muis(QWidget& w, QEvent::Type soort, QPoint pos, Qt::MouseButton knop,
                   Qt::MouseButtons knoppen) {
    QMouseEvent e(soort, QPointF(pos), w.mapToGlobal(QPointF(pos)), knop, knoppen, Qt::NoModifier);
    QApplication::sendEvent(&w, &e);
  }
  static void Sleep(QWidget& w, QPoint van, QPoint naar) {
    Muis(w, QEvent::MouseButtonPress, van, Qt::LeftButton, Qt::LeftButton);
    Muis(w, QEvent::MouseMove, naar, Qt::NoButton, Qt::LeftButton);
    Muis(w, QEvent::MouseButtonRelease, naar, Qt::LeftButton, Qt::NoButton);
  }
  static void Toets(QWidget& w, int toets) {
    QKeyEvent e(QEvent::KeyPress, toets, Qt::NoModifier);
    QApplication::sendEvent(&w, &e);
  }

  std::string lijst_;
};

TEST_F(GeoKaartVensterTest, OpenedOnAPlaceItRendersTheMarkAndTheZones) {
  TGeoKaartForm form(&Gegeven, nullptr, lijst_);
  form.resize(400, 300);
  form.show();
  EXPECT_EQ(form.windowTitle().toStdString(), "Atlas");
  // One degree wide around the place, the height by the window's aspect.
  EXPECT_NEAR(form.Venster().west, 4.4, 1e-4);
  EXPECT_NEAR(form.Venster().oost, 5.4, 1e-4);
  EXPECT_NEAR(form.Venster().Hoogte(), 0.75, 1e-9);
  form.TekenKaart();
  const QImage beeld = form.grab().toImage().convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(beeld.size(), QSize(400, 300));

  const TKaartPunt g = Op(form, Gegeven);
  EXPECT_EQ(g, (TKaartPunt{200, 150}));
  // The white rectangle around the given place, its own dot green inside.
  for (TKaartPunt k : {TKaartPunt{g.x - 3, g.y}, TKaartPunt{g.x + 3, g.y},
                       TKaartPunt{g.x, g.y - 3}, TKaartPunt{g.x, g.y + 3}})
    EXPECT_EQ(Kleur(beeld, k), QColor(Qt::white)) << k.x << "," << k.y;
  EXPECT_EQ(Kleur(beeld, g), QColor(Qt::green));
  EXPECT_EQ(Kleur(beeld, Op(form, Buur)), QColor(Qt::green)) << "the same zone";
  EXPECT_EQ(Kleur(beeld, Op(form, Ander)), QColor(Qt::red)) << "another zone";
  EXPECT_EQ(Kleur(beeld, Op(form, Gewist)), QColor(Qt::black)) << "a deleted entry is not drawn";
  EXPECT_EQ(Kleur(beeld, {380, 20}), QColor(Qt::black)) << "the background";

  // In a 1-degree view the names are written next to the dots, in the dot's colour (the letters
  // may be smoothed, so a pixel close to that colour will do).
  auto rood = [](QColor c) { return c.red() > 150 && c.green() < 80 && c.blue() < 80; };
  auto wit = [](QColor c) { return c.red() > 180 && c.green() > 180 && c.blue() > 180; };
  auto heeftRechtsVan = [&](TKaartPunt k, auto kleurTest) {
    for (int x = k.x + 2; x < k.x + 40; ++x)
      for (int y = k.y - 8; y <= k.y + 4; ++y)
        if (kleurTest(beeld.pixelColor(x, y))) return true;
    return false;
  };
  EXPECT_TRUE(heeftRechtsVan(Op(form, Ander), rood));
  EXPECT_TRUE(heeftRechtsVan({g.x + 3, g.y}, wit));
}

TEST_F(GeoKaartVensterTest, WholeWorldWithoutAPlaceAndTheGrid) {
  TGeoKaartForm form(nullptr, nullptr, lijst_);
  form.resize(720, 360);
  form.show();
  EXPECT_EQ(form.Venster(), WereldVenster);
  form.TekenKaart();
  const QImage& beeld = form.Beeld();
  // Without a given place every dot is red; the equator and Greenwich are white, 30 E grey.
  EXPECT_EQ(Kleur(beeld, NaarPixel(WereldVenster, 5.1667, 52.1667, 720, 360)), QColor(Qt::red));
  EXPECT_EQ(Kleur(beeld, {100, 180}), QColor(Qt::white));
  EXPECT_EQ(Kleur(beeld, {360, 310}), QColor(Qt::white));
  EXPECT_EQ(Kleur(beeld, {420, 310}), QColor(128, 128, 128));
  EXPECT_FALSE(form.Zoom2Aktie()->isEnabled()) << "the world cannot be zoomed out";
}

TEST_F(GeoKaartVensterTest, CoordinatesOfTheMouse) {
  TGeoKaartForm form(&Gegeven, nullptr, lijst_);
  form.resize(400, 300);
  form.show();
  Muis(form, QEvent::MouseMove, QPoint(200, 150), Qt::NoButton, Qt::NoButton);
  EXPECT_EQ(form.CoordinatenEdit()->text().toStdString(), "52N22  4E54");
  EXPECT_TRUE(form.CoordinatenEdit()->isReadOnly());
}

TEST_F(GeoKaartVensterTest, MenuFollowsTheRubberBandAndTheView) {
  TGeoKaartForm form(&Gegeven, nullptr, lijst_);
  form.resize(400, 300);
  form.show();
  form.WerkMenuBij();
  EXPECT_FALSE(form.ZoomSelAktie()->isEnabled()) << "no selection yet";
  EXPECT_TRUE(form.Zoom2Aktie()->isEnabled());
  for (QAction* a : {form.WereldAktie(), form.ForceerPlaatsnamenAktie(), form.HelpAktie(),
                     form.SluitVensterAktie()})
    EXPECT_TRUE(a->isEnabled()) << a->objectName().toStdString();
  EXPECT_TRUE(form.ForceerPlaatsnamenAktie()->isCheckable());
  EXPECT_EQ(form.ZoomSelAktie()->text().toStdString(), "Zoom to selection");

  Sleep(form, {100, 100}, {103, 140});   // the band grows to 53 x 40, keeping the aspect
  EXPECT_TRUE(form.HeeftBruikbareSelectie());
  EXPECT_TRUE(form.ZoomSelAktie()->isEnabled());
  Sleep(form, {100, 100}, {103, 102});   // 3 x 2 pixels: too small
  EXPECT_FALSE(form.HeeftBruikbareSelectie());
  EXPECT_FALSE(form.ZoomSelAktie()->isEnabled());

  Sleep(form, {100, 75}, {300, 225});   // the middle half of the view
  ASSERT_TRUE(form.ZoomSelAktie()->isEnabled());
  const TGeoVenster voor = form.Venster();
  form.ZoomSelAktie()->trigger();
  EXPECT_NEAR(form.Venster().west, voor.west + voor.Breedte() / 4, 1e-9);
  EXPECT_NEAR(form.Venster().Breedte(), voor.Breedte() / 2, 1e-9);
  EXPECT_NEAR(form.Venster().Hoogte(), voor.Hoogte() / 2, 1e-9);
  EXPECT_FALSE(form.ZoomSelAktie()->isEnabled()) << "the selection is used up";

  form.Zoom2Aktie()->trigger();
  EXPECT_NEAR(form.Venster().Breedte(), voor.Breedte(), 1e-9);
  form.WereldAktie()->trigger();
  EXPECT_EQ(form.Venster(), WereldVenster);
  EXPECT_FALSE(form.Zoom2Aktie()->isEnabled());

  form.ForceerPlaatsnamenAktie()->trigger();
  EXPECT_TRUE(form.ForceerPlaatsnamen());
  form.TekenKaart();
}

TEST_F(GeoKaartVensterTest, ArrowKeysPanAndEscapeCloses) {
  TGeoKaartForm form(&Gegeven, nullptr, lijst_);
  form.resize(400, 300);
  form.show();
  const TGeoVenster begin = form.Venster();
  Toets(form, Qt::Key_Right);
  EXPECT_NEAR(form.Venster().west, begin.oost, 1e-9);
  Toets(form, Qt::Key_Left);
  Toets(form, Qt::Key_Up);
  EXPECT_NEAR(form.Venster().zuid, begin.noord, 1e-9);
  EXPECT_NEAR(form.Venster().west, begin.west, 1e-9);
  form.ZetVenster({170, 180, 10, 0});
  Toets(form, Qt::Key_Right);
  EXPECT_EQ(form.Venster(), (TGeoVenster{170, 180, 10, 0})) << "against the edge";
  Toets(form, Qt::Key_Escape);
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(form.result(), QDialog::Rejected);
}

TEST_F(GeoKaartVensterTest, HelpOpensTheAtlasTopic) {
  test::THelpOpname help;
  TGeoKaartForm form(&Gegeven, nullptr, lijst_);
  form.HelpAktie()->trigger();
  ASSERT_EQ(help.gevraagd.size(), 1u);
  EXPECT_EQ(help.gevraagd[0].kontekst, HelpAtlas);
}

TEST_F(GeoKaartVensterTest, TheShippedListStopsDrawingWhenTheWindowCloses) {
  // The program folder holds the shipped list of some 138,000 places; the window is closed as
  // soon as its message loop runs, which is while the first part of the map is being drawn.
  bool bezig = false;
  int pogingen = 0;
  std::function<void(QWidget*)> sluit = [&](QWidget* w) {
    auto* form = qobject_cast<TGeoKaartForm*>(w);
    ASSERT_NE(form, nullptr);
    if (!form->IsBezig() && ++pogingen < 50) {   // the drawing has not started yet
      test::BijModaalVenster(sluit);
      return;
    }
    bezig = form->IsBezig();
    form->SluitVensterAktie()->trigger();
  };
  test::BijModaalVenster(sluit);
  const PlaatsRec amsterdam{"Amsterdam (NL)", 52.22f, 4.54f, "AMSTERDA", 0};
  ToonAtlas(&amsterdam);
  EXPECT_TRUE(bezig) << "the window was closed while it was drawing";
}

TEST_F(GeoKaartVensterTest, AMouseButtonStopsTheDrawingOfTheShippedList) {
  bool bezigBijKlik = false;
  bool bezigNaKlik = true;
  bool markering = false;
  int pogingen = 0;
  std::function<void(QWidget*)> klik = [&](QWidget* w) {
    auto* form = qobject_cast<TGeoKaartForm*>(w);
    ASSERT_NE(form, nullptr);
    if (!form->IsBezig() && ++pogingen < 50) {
      test::BijModaalVenster(klik);
      return;
    }
    bezigBijKlik = form->IsBezig();
    Muis(*form, QEvent::MouseButtonPress, QPoint(10, 400), Qt::RightButton, Qt::RightButton);
    Muis(*form, QEvent::MouseButtonRelease, QPoint(10, 400), Qt::RightButton, Qt::NoButton);
    test::BijModaalVenster([&](QWidget* w2) {
      auto* f = qobject_cast<TGeoKaartForm*>(w2);
      ASSERT_NE(f, nullptr);
      bezigNaKlik = f->IsBezig();
      // The place is marked on the part of the map that was drawn.
      const TKaartPunt g = Op(*f, {"", 52.22f, 4.54f, "", 0});
      markering = f->Beeld().pixelColor(g.x - 3, g.y) == QColor(Qt::white);
      f->SluitVensterAktie()->trigger();
    });
  };
  test::BijModaalVenster(klik);
  const PlaatsRec amsterdam{"Amsterdam (NL)", 52.22f, 4.54f, "AMSTERDA", 0};
  ToonAtlas(&amsterdam);
  EXPECT_TRUE(bezigBijKlik);
  EXPECT_FALSE(bezigNaKlik) << "the drawing stopped at the click";
  EXPECT_TRUE(markering);
}

}  // namespace
}  // namespace orvan
