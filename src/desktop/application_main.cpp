#include "desktop/application_main.h"

#include "app/app_delegate.h"
#include "desktop/bus_connection.h"
#include "desktop/bus_service.h"
#include "desktop/command_line_main.h"
#include "desktop/file_edit_watch.h"
#include "desktop/interface_description.h"
#include "desktop/keeper_aware_clearing.h"
#include "desktop/standard_descriptors.h"
#include "platform/qt/autostart_login_item.h"
#include "platform/qt/bus_receive_limits.h"
#include "platform/qt/clipboard_backend.h"
#include "platform/qt/notification_icon.h"
#include "platform/qt/json_user_defaults.h"
#include "platform/qt/qt_application.h"
#include "platform/qt/qt_background_work.h"
#include "platform/qt/qt_image_library.h"
#include "platform/qt/qt_menu_item.h"
#include "platform/qt/qt_pasteboard.h"
#include "platform/qt/qt_status_bar.h"
#include "platform/qt/qt_text_translation.h"
#include "platform/qt/qt_timer_scheduler.h"
#include "platform/qt/qt_user_notification_center.h"
#include "platform/qt/termination_signals.h"
#include "ui/preferences.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDir>
#include <QStandardPaths>

#include <dbus/dbus.h>
#include <malloc.h>
#include <xcb/xcb.h>

#include <chrono>
#include <functional>
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

// One line on standard error, the program's name first, with the argument in place of %1.
void sayOnStandardError(const std::string &message, const std::string &argument)
{
    std::fprintf(stderr, "nimbrel: %s\n",
                 qPrintable(QString::fromStdString(message).arg(QString::fromStdString(argument))));
}

// The session bus for the scripting interface, found before Qt's own parts (the tray icon,
// accessibility) look for one: they would wait for good on a bus that never answers, and
// libdbus would launch a bus where it finds none. Without one they are told that there is none.
std::unique_ptr<BusConnection> connectSessionBus(const QtTextTranslation &translation)
{
    std::string error;
    std::unique_ptr<BusConnection> bus = BusConnection::openSessionBus(error);
    if (bus) {
        qputenv("DBUS_SESSION_BUS_ADDRESS", QByteArray::fromStdString(BusConnection::sessionBusAddress()));
        return bus;
    }
    sayOnStandardError(translation.translate("Startup", "no session bus (%1); notifications and scripting are off"),
                       error);
    // An address no transport takes: QtDBus gives up at once.
    qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
    return nullptr;
}

// True when another instance owns the bus name; it is asked to show its settings window, which
// is what a user starting the program again most likely wants.
bool handedOverToRunningInstance(BusConnection &bus)
{
    constexpr std::chrono::seconds patience{5};
    const char *name = BusService::serviceName;
    const dbus_uint32_t flags = DBUS_NAME_FLAG_DO_NOT_QUEUE;
    const BusMessage request = adoptBusMessage(
        dbus_message_new_method_call(DBUS_SERVICE_DBUS, DBUS_PATH_DBUS, DBUS_INTERFACE_DBUS, "RequestName"));
    if (!request || !dbus_message_append_args(request.get(), DBUS_TYPE_STRING, &name, DBUS_TYPE_UINT32, &flags,
                                              DBUS_TYPE_INVALID))
        return false;
    std::string error;
    const BusMessage reply = bus.call(request, patience, error);
    dbus_uint32_t result = 0;
    if (!reply || !dbus_message_get_args(reply.get(), nullptr, DBUS_TYPE_UINT32, &result, DBUS_TYPE_INVALID)
        || result != DBUS_REQUEST_NAME_REPLY_EXISTS)
        return false;
    const BusMessage show = adoptBusMessage(
        dbus_message_new_method_call(name, BusService::objectPath, name, "ShowSettings"));
    if (show)
        bus.call(show, patience, error);
    return true;
}

// Qt's windows go to the X11 display where there is one (XWayland on a Wayland desktop); without
// one they can still be native Wayland windows, unless the clipboard is read through X11. Qt aborts
// when it cannot reach the display; a plain message and exit status 1 are kinder.
bool chooseDisplay(bool clipboardNeedsX11, const QtTextTranslation &translation)
{
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return true;
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    const bool reachable = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    if (reachable || clipboardNeedsX11) {
        if (!reachable) {
            sayOnStandardError(
                translation.translate("Startup", "cannot open the X11 display \"%1\"; on Wayland, XWayland provides one"),
                qgetenv("DISPLAY").toStdString());
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
    openClosedStandardDescriptors();
    // One heap for all threads: glibc gives each thread a heap of its own otherwise, whose free
    // end malloc_trim leaves alone, and the trims that give back what large texts and floods of
    // requests leave (see QtPasteboard, SelectionWriter) would miss the reading threads' memory.
    mallopt(M_ARENA_MAX, 1);
    // Everything the program says, from the command line on, is in the session's language.
    QtTextTranslation translation;
    if (const std::optional<int> status = runCommandLine(argc, argv, translation))
        return *status;
    ChosenClipboard clipboard = makeClipboardBackend(ReadLimits{});
    // Only a Wayland session that falls back is worth a word: on X11 this is the way.
    if (!clipboard.fallbackReason.empty())
        sayOnStandardError(translation.translate("Startup", "%1; the clipboard is read through X11"),
                           translation.translate("DataControlConnection", clipboard.fallbackReason));
    if (!chooseDisplay(clipboard.needsX11Display, translation))
        return 1;
    // Without a session bus the program still runs, only without single instance and scripting.
    std::unique_ptr<BusConnection> serviceBus = connectSessionBus(translation);
    if (serviceBus && handedOverToRunningInstance(*serviceBus))
        return 0;
    QApplication application(argc, argv);
    translation.install();
    // Mirrored for a language written from right to left.
    QGuiApplication::setLayoutDirection(translation.layoutDirection());
    QApplication::setApplicationName(QStringLiteral("Nimbrel"));
    QApplication::setApplicationVersion(QStringLiteral(NIMBREL_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("nimbrel"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/nimbrel.svg")));
    QApplication::setQuitOnLastWindowClosed(false);
    // SIGTERM, SIGINT and SIGHUP end the program as its Quit entry does.
    const TerminationSignals terminationSignals([](int) { QCoreApplication::quit(); });

    QDBusConnection bus = QDBusConnection::sessionBus();
    liftBusReceiveLimits(bus);

    const std::string preferencesFile = preferencesFilePath();
    JsonUserDefaults userDefaults(preferencesFile);
    // The backend learns the preference before its first read, then at every change: the check
    // box, or an edit of the file.
    ClipboardBackend *backend = clipboard.backend.get();
    const auto passKeeping = [backend, &userDefaults] {
        if (backend)
            backend->setKeeping(keepsClipboard(userDefaults));
    };
    passKeeping();
    // An edit of the file counts from the next copy: the backend decides to keep as it reads one.
    const FileEditWatch preferencesWatch(QString::fromStdString(preferencesFile), passKeeping);
    QtPasteboard pasteboard(std::move(clipboard.backend));
    QObject::connect(&pasteboard, &QtPasteboard::changeCountRaised, &pasteboard, passKeeping);
    QtUserNotificationCenter center(bus, notificationIcon());
    QtStatusBar statusBar(bus);
    QtTimerScheduler timers(pasteboard);
    QtImageLibrary images;
    QtApplication desktop;
    QtBackgroundWork background;
    InterfaceDescription interface;
    AutostartLoginItem loginItem(QCoreApplication::applicationFilePath());

    AppDelegate delegate(
        PlatformServices{center, pasteboard, statusBar, userDefaults, timers, images, desktop, background, loginItem,
                         translation});
    delegate.setOutlets(interface.outlets());
    // Clearing, from the menu or the bus, tells of a keeper that puts the contents back.
    KeeperAwareClearing clearing(pasteboard,
                                 [&delegate, &interface] { delegate.clearClipboardMenuItem(interface.clearClipboardMenuItem()); });
    interface.setMessageSender([&delegate, &clearing, passKeeping](std::string_view selector, const MessageArgument &argument) {
        if (selector == "clearClipboardMenuItem:") {
            clearing.clear([](const std::optional<QString> &putBackBy) {
                if (putBackBy)
                    std::fprintf(stderr, "nimbrel: %s\n", qPrintable(contentsPutBackMessage(*putBackBy)));
            });
            return;
        }
        delegate.perform(selector, argument);
        // The keep check box may have been clicked; asking the preference again costs nothing.
        passKeeping();
    });
    // Run rewrites the clipboard: it waits until what was copied last has been read.
    interface.setRunGate([&pasteboard](std::function<void()> sendRun) { pasteboard.whenCurrent(std::move(sendRun)); });

    std::optional<BusService> busService;
    if (serviceBus)
        busService.emplace(std::move(serviceBus), delegate, pasteboard, clearing);
    // Launch once the contents found at start-up are read, so that they are shown as launch shows
    // them: in the text view, without an announcement. Calls wait on the bus until then.
    pasteboard.whenCurrent([&] {
        delegate.applicationDidFinishLaunching();
        passKeeping();
        if (busService && !busService->serve())
            std::fprintf(stderr, "nimbrel: %s\n",
                         qPrintable(QCoreApplication::translate(
                             "Startup", "cannot serve the scripting interface on the session bus")));
    });
    const int status = QApplication::exec();

    // The end, by Quit or a signal alike: nothing more is asked of the controller from outside,
    // its notification is taken away, and what it wrote is handed over to a clipboard manager,
    // before the connections that serve them close.
    busService.reset();
    delegate.applicationWillTerminate();
    center.finishRemovals(notificationPatience);
    return status;
}

} // namespace nimbrel
