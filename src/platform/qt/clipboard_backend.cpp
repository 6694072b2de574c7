#include "platform/qt/clipboard_backend.h"

#include "platform/qt/wayland/data_control_connection.h"
#include "platform/qt/wayland/wayland_clipboard.h"
#include "platform/qt/x11/x11_clipboard.h"

#include <QCoreApplication>

#include <cstdlib>
#include <string>

namespace nimbrel {

ChosenClipboard makeClipboardBackend(ReadLimits limits)
{
    // libwayland would try wayland-0 without it; a session that names no compositor is an X11 one.
    const char *waylandDisplay = std::getenv("WAYLAND_DISPLAY");
    if (waylandDisplay && *waylandDisplay) {
        std::string whyNot;
        if (auto connection = DataControlConnection::open(whyNot)) {
            auto backend = std::make_unique<WaylandClipboard>(std::move(connection), limits, [] {
                QMetaObject::invokeMethod(QCoreApplication::instance(), [] { QCoreApplication::exit(1); });
            });
            return {std::move(backend), false, {}};
        }
        return {std::make_unique<X11Clipboard>(limits), true, whyNot};
    }
    return {std::make_unique<X11Clipboard>(limits), true, {}};
}

} // namespace nimbrel
