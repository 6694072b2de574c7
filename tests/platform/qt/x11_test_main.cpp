#include <QGuiApplication>

#include <gtest/gtest.h>

#include <memory>

// These tests need an X server; without DISPLAY (as when the test list is read at build time)
// there is no application and every test skips itself.
int main(int argc, char **argv)
{
    testing::InitGoogleTest(&argc, argv);
    std::unique_ptr<QGuiApplication> application;
    if (!qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "xcb");
        application = std::make_unique<QGuiApplication>(argc, argv);
    }
    return RUN_ALL_TESTS();
}
