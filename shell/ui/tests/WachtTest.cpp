#include "shell/ui/Wacht.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QSignalSpy>
#include <QTimer>

namespace orvan {
namespace {

// Waits (processing messages) until the window's minimum-time timer has fired.
bool WachtOpTimer(TWachtForm& venster) {
  auto* timer = venster.findChild<QTimer*>("Timer1");
  if (!timer) return false;
  QSignalSpy spy(timer, &QTimer::timeout);
  return spy.wait(4 * TWachtForm::MinimumTijdMs);
}

TEST(WachtForm, VerbergWachtBeforeTheMinimumKeepsTheMessageUntilTheTimeIsUp) {
  TWachtForm venster;
  venster.ToonWacht("One moment please");
  EXPECT_TRUE(venster.isVisible());
  EXPECT_EQ(venster.TekstLabel()->text().toStdString(), "One moment please");

  venster.VerbergWacht();
  EXPECT_TRUE(venster.isVisible());
  EXPECT_TRUE(venster.MagVerbergen());
  EXPECT_FALSE(venster.MinimumVerstreken());

  ASSERT_TRUE(WachtOpTimer(venster));
  EXPECT_FALSE(venster.isVisible());
  EXPECT_TRUE(venster.MinimumVerstreken());
  EXPECT_FALSE(venster.MagVerbergen());
}

TEST(WachtForm, AfterTheMinimumItHidesAtOnceAndShowingAgainRestartsTheTime) {
  TWachtForm venster;
  venster.ToonWacht("Loading");
  ASSERT_TRUE(WachtOpTimer(venster));
  EXPECT_TRUE(venster.isVisible());   // nobody asked to hide it

  venster.VerbergWacht();
  EXPECT_FALSE(venster.isVisible());

  venster.ToonWacht("Loading again");
  venster.VerbergWacht();
  EXPECT_TRUE(venster.isVisible());
  EXPECT_FALSE(venster.MinimumVerstreken());
}

TEST(WachtForm, HidingAWindowThatWasNeverShownDoesNothing) {
  TWachtForm venster;
  venster.VerbergWacht();
  EXPECT_FALSE(venster.isVisible());
  EXPECT_FALSE(venster.MagVerbergen());
}

}  // namespace
}  // namespace orvan
