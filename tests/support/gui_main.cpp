#include <gtest/gtest.h>

#include <QApplication>

// The one main() of the Qt tests: an application that outlives every test, on the offscreen
// platform unless another is chosen (gtest also runs the binaries at build time to list
// their tests, outside ctest's environment).
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Fretwise"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
