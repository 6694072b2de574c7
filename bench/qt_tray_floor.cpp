// The floor under the desktop program's idle memory: a Qt 6 program that shows nothing but the
// program's tray icon with a menu of the same four entries. bench/desktop measures it idle.
#include <QApplication>
#include <QIcon>
#include <QMenu>
#include <QSystemTrayIcon>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    QMenu menu;
    for (const char *entry : {"Text actions…", "Clear clipboard", "Settings…", "Quit"})
        menu.addAction(QString::fromUtf8(entry));
    QSystemTrayIcon icon(QIcon(QStringLiteral(NIMBREL_STATUS_ICON)));
    icon.setContextMenu(&menu);
    icon.show();
    return application.exec();
}
