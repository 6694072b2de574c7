#include <QApplication>

#include <gtest/gtest.h>

// Widgets need a QApplication; the offscreen platform keeps these tests free of any display, also
// when the test list is read at build time without the test's environment. The X11 clipboard test
// reaches its X server ($DISPLAY) through xcb itself, and fails without one.
int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
