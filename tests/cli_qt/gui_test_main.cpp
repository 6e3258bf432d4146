#include <gtest/gtest.h>

#include <QGuiApplication>
#include <cstdlib>

// The Qt commands paint and play through Qt, so the tests run inside an application on the
// offscreen platform (also when gtest lists the tests at build time, outside ctest).
int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
