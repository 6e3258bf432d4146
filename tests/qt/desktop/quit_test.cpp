#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QWidget>

#include "qt/desktop/qt_desktop.hpp"

namespace fretwise::test {
namespace {

class CountingWindow : public QWidget {
  public:
    int closes = 0;

  protected:
    void closeEvent(QCloseEvent* event) override {
        ++closes;
        event->accept();
    }
};

// File > Exit must not skip what closing the window does: the settings are kept there.
TEST(QtDesktopQuit, ClosesTheMainWindowSoItsCloseHandlingRuns) {
    QtDesktop desktop("");
    CountingWindow window;
    window.show();
    desktop.SetWindow(&window);
    desktop.Quit();
    EXPECT_EQ(window.closes, 1);
    EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace fretwise::test
