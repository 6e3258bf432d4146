#include <gtest/gtest.h>

#include <QTest>

#include "qt/desktop/qt_desktop.hpp"

namespace fretwise::test {
namespace {

TEST(QtDesktopBeats, RunTheHandlerUntilStoppedAndANewPeriodReplacesTheOld) {
    QtDesktop desktop("");
    int beats = 0;
    desktop.SetBeatHandler([&beats] { ++beats; });
    desktop.StartBeats(5);
    desktop.StartBeats(10);
    EXPECT_TRUE(QTest::qWaitFor([&beats] { return beats >= 3; }, 2000));
    desktop.StopBeats();
    const int stopped = beats;
    QTest::qWait(50);
    EXPECT_EQ(beats, stopped);
}

}  // namespace
}  // namespace fretwise::test
