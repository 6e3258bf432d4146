#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

// The window tests need a QApplication; the offscreen platform lets them run without a
// display, also when gtest lists the tests at build time outside ctest's environment.
int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Fretwise"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
