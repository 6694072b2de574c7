#include "platform/qt/application_main.h"

#include "app/app_delegate.h"
#include "platform/qt/bus_receive_limits.h"
#include "platform/qt/bus_service.h"
#include "platform/qt/command_line_main.h"
#include "platform/qt/interface_description.h"
#include "platform/qt/json_user_defaults.h"
#include "platform/qt/qt_application.h"
#include "platform/qt/qt_image_library.h"
#include "platform/qt/qt_menu_item.h"
#include "platform/qt/qt_pasteboard.h"
#include "platform/qt/qt_status_bar.h"
#include "platform/qt/qt_timer_scheduler.h"
#include "platform/qt/qt_user_notification_center.h"
#include "platform/qt/termination_signals.h"
#include "platform/qt/x11/x11_clipboard.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDir>
#include <QStandardPaths>

#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <optional>

namespace nimbrel {

namespace {

// How long the end waits for the notification server to take the program's notification away.
constexpr std::chrono::milliseconds notificationPatience{1000};

// $XDG_CONFIG_HOME/nimbrel/preferences.json, ~/.config when XDG_CONFIG_HOME is unset.
std::string preferencesFilePath()
{
    const QString configHome = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir(configHome).filePath(QStringLiteral("nimbrel/preferences.json")).toStdString();
}

// True when another instance owns the bus name; it is asked to show its settings window, which
// is what a user starting the program again most likely wants.
bool handedOverToRunningInstance(QDBusConnection &bus)
{
    const QString name = QString::fromLatin1(BusService::serviceName);
    if (bus.registerService(name))
        return false;
    if (!bus.interface()->isServiceRegistered(name))
        return false;
    const QDBusMessage call = QDBusMessage::createMethodCall(name, QString::fromLatin1(BusService::objectPath),
                                                             name, QStringLiteral("ShowSettings"));
    bus.call(call, QDBus::Block, 5000);
    return true;
}

// Qt's windows go to the X11 display where there is one (XWayland on a Wayland desktop); without
// one they can still be native Wayland windows, unless the clipboard is read through X11. Qt aborts
// when it cannot reach the display; a plain message and exit status 1 are kinder.
bool chooseDisplay(bool clipboardNeedsX11)
{
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return true;
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    const bool reachable = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    if (reachable || clipboardNeedsX11) {
        if (!reachable) {
            std::fprintf(stderr, "nimbrel: cannot open the X11 display \"%s\"; on Wayland, XWayland provides one\n",
                         qgetenv("DISPLAY").constData());
            return false;
        }
        qputenv("QT_QPA_PLATFORM", "xcb");
        return true;
    }
    qputenv("QT_QPA_PLATFORM", "wayland");
    return true;
}

} // namespace

int applicationMain(int argc, char **argv)
{
    if (const std::optional<int> status = runCommandLine(argc, argv))
        return *status;
    std::unique_ptr<ClipboardBackend> clipboard = makeClipboardBackend(ReadLimits{});
    if (!chooseDisplay(dynamic_cast<const X11Clipboard *>(clipboard.get()) != nullptr))
        return 1;
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Nimbrel"));
    QApplication::setApplicationVersion(QStringLiteral(NIMBREL_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("nimbrel"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/nimbrel.svg")));
    QApplication::setQuitOnLastWindowClosed(false);
    // SIGTERM, SIGINT and SIGHUP end the program as its Quit entry does.
    const TerminationSignals terminationSignals([](int) { QCoreApplication::quit(); });

    // Without a session bus the program still runs, only without single instance and scripting.
    QDBusConnection bus = QDBusConnection::sessionBus();
    liftBusReceiveLimits(bus);
    if (!bus.isConnected())
        std::fprintf(stderr, "nimbrel: no session bus; notifications and scripting are off\n");
    else if (handedOverToRunningInstance(bus))
        return 0;

    QtPasteboard pasteboard(std::move(clipboard));
    QtUserNotificationCenter center(bus);
    QtStatusBar statusBar;
    JsonUserDefaults userDefaults(preferencesFilePath());
    QtTimerScheduler timers(pasteboard);
    QtImageLibrary images;
    QtApplication desktop;
    InterfaceDescription interface;

    AppDelegate delegate(PlatformServices{center, pasteboard, statusBar, userDefaults, timers, images, desktop});
    delegate.setOutlets(interface.outlets());
    interface.setMessageSender([&delegate, &pasteboard](std::string_view selector, const MessageArgument &argument) {
        // Run rewrites the clipboard: it waits until what was copied last has been read.
        if (selector == "run:") {
            pasteboard.whenCurrent([&delegate, argument] { delegate.perform("run:", argument); });
            return;
        }
        delegate.perform(selector, argument);
    });

    BusService busService(delegate, pasteboard, interface.clearClipboardMenuItem());
    // Launch once the contents found at start-up are read, so that they are shown as launch shows
    // them: in the text view, without an announcement.
    pasteboard.whenCurrent([&] {
        delegate.applicationDidFinishLaunching();
        if (bus.isConnected())
            bus.registerObject(QString::fromLatin1(BusService::objectPath), &busService,
                               QDBusConnection::ExportScriptableSlots);
    });
    const int status = QApplication::exec();

    // The end, by Quit or a signal alike: nothing more is asked of the controller from outside,
    // its notification is taken away, and what it wrote is handed over to a clipboard manager,
    // before the connections that serve them close.
    if (bus.isConnected())
        bus.unregisterObject(QString::fromLatin1(BusService::objectPath));
    delegate.applicationWillTerminate();
    center.finishRemovals(notificationPatience);
    return status;
}

} // namespace nimbrel
