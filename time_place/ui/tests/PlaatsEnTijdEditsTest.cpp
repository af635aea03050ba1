#include "time_place/ui/PlaatsEnTijdEdits.h"

#include <gtest/gtest.h>

#include <QDate>
#include <QTime>
#include <memory>

#include "shell/tests/support/OpnameInteraktie.h"
#include "shell/ui/tests/support/VensterFixture.h"
#include "time_place/KonvUtil.h"

namespace orvan {
namespace {

class PlaatsEnTijdEditsTest : public test::TVensterTest {
 protected:
  test::TOpnameInteraktie interaktie;
};

TEST_F(PlaatsEnTijdEditsTest, MessagesAndInitialValues) {
  struct TGeval {
    const char* naam;
    std::function<TValEdit*()> maak;
    const char* melding;
    const char* tekst;
  };
  const TGeval gevallen[] = {
      {"time difference", [] { return new TUurEdit(SoortTijdverschil); },
       "Invalid time difference", "  0h00m00s"},
      {"angle", [] { return new TUurEdit(SoortHoek); }, "Invalid degree", "  0h00m00s"},
      {"latitude", [] { return new TGeoEdit(SoortBreedte); }, "Invalid latitude", "0N00"},
      {"longitude", [] { return new TGeoEdit(SoortLengte); }, "Invalid longitude", "0E00"},
  };
  for (const auto& g : gevallen) {
    std::unique_ptr<TValEdit> edit(g.maak());
    EXPECT_EQ(edit->Foutmelding(), g.melding) << g.naam;
    EXPECT_EQ(edit->Tekst(), g.tekst) << g.naam;
    EXPECT_TRUE(edit->Valideer()) << g.naam << ": the initial text reads back";
  }
}

TEST_F(PlaatsEnTijdEditsTest, AClockTimeStartsAtTheTimeOfDay) {
  const QTime voor = QTime::currentTime();
  TUurEdit edit(SoortKloktijd);
  const QTime na = QTime::currentTime();
  EXPECT_EQ(edit.Foutmelding(), "Invalid time");
  ASSERT_TRUE(edit.Valideer()) << edit.Tekst();
  const TTijdRec t = edit.Waarde();
  const QTime getoond(t.Uren, t.Minuten, t.Seconden);
  if (voor <= na) {   // not across midnight
    EXPECT_LE(voor.addMSecs(-voor.msec()), getoond) << edit.Tekst();
    EXPECT_LE(getoond, na) << edit.Tekst();
  }
  EXPECT_EQ(edit.Tekst(), TijdTekst(t));
}

TEST_F(PlaatsEnTijdEditsTest, ADateStartsToday) {
  const QDate voor = QDate::currentDate();
  TDatumEdit edit(DatumInternationaal);
  const QDate na = QDate::currentDate();
  EXPECT_EQ(edit.Foutmelding(), "Invalid date");
  const TDatumRec d = edit.Datum();
  const QDate getoond(d.Jaar, d.Maand, d.Dag);
  EXPECT_TRUE(getoond == voor || getoond == na) << edit.Tekst();
  EXPECT_EQ(edit.Tekst(), DatumTekst(0, d, DatumInternationaal));
}

TEST_F(PlaatsEnTijdEditsTest, ACheckReadsTheValueAndAFailedOneKeepsThePrevious) {
  TUurEdit verschil(SoortTijdverschil);
  verschil.setText("-5.30");
  ASSERT_TRUE(verschil.Valideer());
  EXPECT_EQ(verschil.Waarde(), (TTijdRec{-5, -30, 0}));
  verschil.setText("14.00");
  EXPECT_FALSE(verschil.Valideer());
  EXPECT_EQ(verschil.Waarde(), (TTijdRec{-5, -30, 0}));

  TGeoEdit lengte(SoortLengte);
  lengte.setText("73W59");
  ASSERT_TRUE(lengte.Valideer());
  EXPECT_FLOAT_EQ(lengte.Waarde(), -73.59f);
  lengte.setText("181 00");
  EXPECT_FALSE(lengte.Valideer());
  EXPECT_FLOAT_EQ(lengte.Waarde(), -73.59f);

  TDatumEdit datum(DatumAmerikaans);
  datum.setText("2 29 2004");
  ASSERT_TRUE(datum.Valideer());
  EXPECT_EQ(datum.Datum(), (TDatumRec{29, 2, 2004}));
  datum.setText("29 2 2004");
  EXPECT_FALSE(datum.Valideer());
  EXPECT_EQ(datum.Datum(), (TDatumRec{29, 2, 2004}));
}

TEST_F(PlaatsEnTijdEditsTest, TheHandlerIsAskedBeforeTheValueIsRead) {
  TGeoEdit breedte(SoortBreedte);
  breedte.OnValidate = [](TValEdit&, const std::string&, bool& isValid) { isValid = false; };
  breedte.setText("52N22");
  EXPECT_FALSE(breedte.Valideer());
  EXPECT_FLOAT_EQ(breedte.Waarde(), 0.0f);
}

TEST_F(PlaatsEnTijdEditsTest, SettingAValueShowsItsText) {
  TUurEdit tijd(SoortKloktijd);
  tijd.ZetWaarde({9, 5, 0});
  EXPECT_EQ(tijd.Tekst(), "  9h05m00s");
  TUurEdit verschil(SoortTijdverschil);
  verschil.ZetWaarde({-1, -30, 0});
  EXPECT_EQ(verschil.Tekst(), "-1h30m00s");
  TGeoEdit breedte(SoortBreedte);
  breedte.ZetWaarde(52.22f);
  EXPECT_EQ(breedte.Tekst(), "52N22");
  ASSERT_TRUE(breedte.Valideer());
  EXPECT_FLOAT_EQ(breedte.Waarde(), 52.22f);
}

TEST_F(PlaatsEnTijdEditsTest, DateTextsAndDayNumbersFollowTheMode) {
  TDatumEdit edit(DatumInternationaal);
  edit.ZetDatum({13, 8, 2004});
  EXPECT_EQ(edit.Tekst(), "13/8/2004");
  edit.ZetMode(DatumAmerikaans);
  EXPECT_EQ(edit.Tekst(), "8/13/2004");
  EXPECT_EQ(edit.Datum(), (TDatumRec{13, 8, 2004}));

  edit.ZetJD50(18262.5);   // 1 January 2000, 0 h
  EXPECT_EQ(edit.Tekst(), "1/1/2000");
  EXPECT_EQ(edit.JD50(), 18262.5);
  edit.ZetJD50(18263.6);   // 2 January 2000, 2:24, in American order
  EXPECT_EQ(edit.Tekst(), "1/2/2000");

  edit.setText("2 30 2000");
  EXPECT_EQ(edit.JD50(), 0.0);
  edit.ZetMode(DatumInternationaal);   // an invalid text stays as typed
  EXPECT_EQ(edit.Tekst(), "2 30 2000");
}

TEST_F(PlaatsEnTijdEditsTest, AFailedCheckShowsTheEditsOwnMessage) {
  QWidget venster;
  auto* tijd = new TUurEdit(SoortKloktijd, &venster);
  auto* datum = new TDatumEdit(DatumInternationaal, &venster);
  datum->ZetFoutmelding("Ongeldige datum");
  tijd->setText("24.00");
  datum->setText("31 4 2000");
  EXPECT_FALSE(tijd->Controleer());
  EXPECT_FALSE(datum->Controleer());
  ASSERT_EQ(interaktie.meldingen.size(), 2u);
  EXPECT_EQ(interaktie.meldingen[0].tekst, "Invalid time");
  EXPECT_EQ(interaktie.meldingen[1].tekst, "Ongeldige datum");
}

}  // namespace
}  // namespace orvan
