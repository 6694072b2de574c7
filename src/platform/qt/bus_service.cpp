#include "platform/qt/bus_service.h"

#include "app/app_delegate.h"
#include "platform/qt/qt_pasteboard.h"
#include "textactions/text_action.h"

#include <QDBusConnection>
#include <QDBusMessage>

#include <utility>
#include <variant>

namespace nimbrel {

BusService::BusService(AppDelegate &delegate, QtPasteboard &pasteboard, std::shared_ptr<MenuItem> clearClipboardMenuItem,
                       QObject *parent)
    : QObject(parent)
    , m_delegate(delegate)
    , m_pasteboard(pasteboard)
    , m_clearClipboardMenuItem(std::move(clearClipboardMenuItem))
{
}

bool BusService::RunTextAction(const QString &title)
{
    if (!calledFromDBus())
        return runTextAction(title);
    // Answered later, once the pasteboard is current; at once when it already is.
    setDelayedReply(true);
    m_pasteboard.whenCurrent([this, title, call = message(), bus = connection()] {
        bus.send(call.createReply(runTextAction(title)));
    });
    return false;
}

bool BusService::runTextAction(const QString &title)
{
    // An action that leaves the text as it is writes nothing, and must not pass for done either.
    if (!m_pasteboard.reachable())
        return false;
    const auto result = m_delegate.perform("runTextAction:", title.toStdString());
    const bool *ran = result ? std::get_if<bool>(&*result) : nullptr;
    return ran != nullptr && *ran;
}

void BusService::ClearClipboard()
{
    if (calledFromDBus() && !m_pasteboard.reachable()) {
        sendErrorReply(QDBusError::Failed, QStringLiteral("the clipboard cannot be reached"));
        return;
    }
    m_delegate.perform("clearClipboardMenuItem:", m_clearClipboardMenuItem);
}

void BusService::ShowSettings()
{
    m_delegate.perform("showSettings");
}

void BusService::ShowPasteItemOptions()
{
    m_delegate.perform("showPasteItemOptions");
}

QStringList BusService::TextActionTitles() const
{
    QStringList titles;
    for (const std::string_view title : textActionTitles())
        titles << QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size()));
    return titles;
}

} // namespace nimbrel
