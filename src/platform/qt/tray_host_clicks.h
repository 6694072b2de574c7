#pragma once

#include <QPoint>
#include <QtGlobal>

#include <optional>

namespace nimbrel {

// Where the tray host says the status icon was clicked. A StatusNotifierItem host passes the
// position with its Activate and ContextMenu calls; Qt 6 receives it but reports only the click,
// writing the position to its qt.qpa.tray debug log just before. That log line is read here (and
// kept from the output), since under XWayland the pointer Qt knows of is not where the host's panel
// was clicked, and without a position the menu would open far from the icon.
class TrayHostClicks {
public:
    TrayHostClicks();
    ~TrayHostClicks();
    TrayHostClicks(const TrayHostClicks &) = delete;
    TrayHostClicks &operator=(const TrayHostClicks &) = delete;

    // The position of the click being reported, once; nullopt when the host named none (an X11
    // system tray, whose clicks Qt sees itself).
    std::optional<QPoint> take();

private:
    static void handleMessage(QtMsgType type, const QMessageLogContext &context, const QString &message);

    std::optional<QPoint> m_position;
    QtMessageHandler m_previousHandler = nullptr;
};

} // namespace nimbrel
