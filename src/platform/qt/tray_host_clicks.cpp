#include "platform/qt/tray_host_clicks.h"

#include <QLoggingCategory>

#include <atomic>
#include <cstring>
#include <utility>

namespace nimbrel {
namespace {

constexpr const char *trayCategory = "qt.qpa.tray";
std::atomic<TrayHostClicks *> listening{nullptr};

} // namespace

TrayHostClicks::TrayHostClicks()
{
    QLoggingCategory::setFilterRules(QStringLiteral("qt.qpa.tray.debug=true"));
    listening.store(this);
    m_previousHandler = qInstallMessageHandler(&TrayHostClicks::handleMessage);
}

TrayHostClicks::~TrayHostClicks()
{
    qInstallMessageHandler(m_previousHandler);
    listening.store(nullptr);
    QLoggingCategory::setFilterRules(QString());
}

std::optional<QPoint> TrayHostClicks::take()
{
    return std::exchange(m_position, std::nullopt);
}

void TrayHostClicks::handleMessage(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    TrayHostClicks *clicks = listening.load();
    const bool trayDebug = type == QtDebugMsg && context.category && std::strcmp(context.category, trayCategory) == 0;
    if (clicks && trayDebug) {
        // Activate, ContextMenu and SecondaryActivate log "x y" and nothing else. (Split by hand:
        // a regular expression would load and compile PCRE, half a megabyte, for two numbers.)
        const QStringList numbers = message.split(QLatin1Char(' '));
        bool xIsNumber = false;
        bool yIsNumber = false;
        const QPoint position(numbers.value(0).toInt(&xIsNumber), numbers.value(1).toInt(&yIsNumber));
        if (numbers.size() == 2 && xIsNumber && yIsNumber)
            clicks->m_position = position;
        return;
    }
    if (clicks && clicks->m_previousHandler)
        clicks->m_previousHandler(type, context, message);
}

} // namespace nimbrel
