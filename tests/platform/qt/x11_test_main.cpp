#include <QGuiApplication>

#include <gtest/gtest.h>

#include <cstdio>

// These tests need an X server, which ctest starts for them; without one they fail rather than
// pass having tested nothing.
int main(int argc, char **argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        std::fputs("qt_clipboard_test needs an X display: run it under xvfb-run, as ctest does\n", stderr);
        return 1;
    }
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
