#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "shell/ui/Monitor.h"
#include "shell/ui/Q4About.h"
#include "shell/ui/tests/support/VensterFixture.h"

namespace orvan {
namespace {

using AboutFormTest = test::TVensterTest;

std::vector<std::string> Teksten(const QWidget& w, const char* naam) {
  std::vector<std::string> teksten;
  for (const QLabel* l : w.findChildren<QLabel*>(naam)) teksten.push_back(l->text().toStdString());
  return teksten;
}

TEST_F(AboutFormTest, ShowsProductVersionSubtitleAndMakerOnLime) {
  TQ4AboutForm venster;
  EXPECT_EQ(venster.width(), 536);
  EXPECT_EQ(venster.height(), 348);
  EXPECT_EQ(venster.palette().color(QPalette::Window), QColor(0, 255, 0));
  EXPECT_TRUE(venster.windowFlags() & Qt::FramelessWindowHint);
  EXPECT_TRUE(venster.windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_EQ(Teksten(venster, "ProductLabel"), std::vector<std::string>{"Orvan"});
  EXPECT_EQ(Teksten(venster, "OndertitelLabel"),
            (std::vector<std::string>{"Astrologische berekeningen, interpretaties, statistiek",
                                      "Astrological calculations, interpretations, statistics",
                                      "Calculs, interprétations, statistiques astrologiques",
                                      "Astrologische Berechnungen, Interpretationen, Statistik"}));
  const auto versie = Teksten(venster, "VersieLabel");
  ASSERT_EQ(versie.size(), 1u);
  EXPECT_EQ(versie[0].rfind("Version ", 0), 0u) << versie[0];
  for (const char* naam : {"MakersLabel", "GebouwdMetLabel", "PlaatsgegevensLabel"}) {
    const auto t = Teksten(venster, naam);
    ASSERT_EQ(t.size(), 1u) << naam;
    EXPECT_FALSE(t[0].empty() || t[0].rfind("???", 0) == 0) << naam << ": " << t[0];
  }
}

TEST_F(AboutFormTest, TheTimerSwitchesItselfOffAndTheWindowStays) {
  TQ4AboutForm venster;
  venster.show();
  EXPECT_TRUE(venster.TimerLoopt());
  auto* timer = venster.findChild<QTimer*>("Timer1");
  ASSERT_NE(timer, nullptr);
  QSignalSpy spy(timer, &QTimer::timeout);
  ASSERT_TRUE(spy.wait(4 * TQ4AboutForm::TimerMs));
  EXPECT_FALSE(venster.TimerLoopt());
  EXPECT_TRUE(venster.isVisible());
}

TEST_F(AboutFormTest, AClickOrAKeyClosesItWithCancelAndStopsTheTimer) {
  struct TGeval {
    const char* naam;
    std::function<void(QWidget*)> doe;
  };
  const TGeval gevallen[] = {
      {"click", [](QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(20, 300)); }},
      {"click on a text", [](QWidget* w) {
         QTest::mouseClick(w->findChild<QLabel*>("ProductLabel"), Qt::LeftButton);
       }},
      {"key", [](QWidget* w) { QTest::keyClick(w, Qt::Key_Space); }},
  };
  for (const auto& g : gevallen) {
    SCOPED_TRACE(g.naam);
    TQ4AboutForm venster;
    venster.show();
    g.doe(&venster);
    EXPECT_FALSE(venster.isVisible());
    EXPECT_FALSE(venster.TimerLoopt());
    EXPECT_EQ(venster.result(), QDialog::Rejected);
  }
}

TEST(MonitorForm, IsVisibleAtOnceLogsLinesAndFreesItselfWhenClosed) {
  QPointer<TMonitorForm> venster = new TMonitorForm("Importing places.txt");
  EXPECT_TRUE(venster->isVisible());
  EXPECT_EQ(venster->windowTitle().toStdString(), "Importing places.txt");
  venster->VoegToe("Amsterdam");
  venster->VoegToe("Zürich");
  EXPECT_EQ(venster->Log()->toPlainText().toStdString(), "Amsterdam\nZürich");
  EXPECT_TRUE(venster->Log()->isReadOnly());
  venster->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(venster.isNull());
}

}  // namespace
}  // namespace orvan
