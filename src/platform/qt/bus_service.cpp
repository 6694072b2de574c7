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
    // While the clipboard is out of reach nothing can be rewritten, whatever the last snapshot holds.
    return answerWhenCurrent(
        [this, title] { return m_pasteboard.reachable() && answerOf("runTextAction:", title.toStdString()); });
}

bool BusService::answerWhenCurrent(std::function<bool()> operation)
{
    if (!calledFromDBus())
        return operation();
    // Answered later, once the pasteboard is current; at once when it already is.
    setDelayedReply(true);
    m_pasteboard.whenCurrent([operation = std::move(operation), call = message(), bus = connection()] {
        bus.send(call.createReply(operation()));
    });
    return false;
}

bool BusService::answerOf(std::string_view selector, const MessageArgument &argument)
{
    const auto result = m_delegate.perform(selector, argument);
    const bool *answer = result ? std::get_if<bool>(&*result) : nullptr;
    return answer != nullptr && *answer;
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

bool BusService::ShowPasteItemOptions()
{
    return answerWhenCurrent([this] { return answerOf("showPasteItemOptions"); });
}

QStringList BusService::TextActionTitles() const
{
    QStringList titles;
    for (const std::string_view title : textActionTitles())
        titles << QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size()));
    return titles;
}

} // namespace nimbrel
