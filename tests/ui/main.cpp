#include <gtest/gtest.h>
#include <QApplication>

// Widgets need one application object for the whole run; the offscreen
// platform lets the tests run without a display.
int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
