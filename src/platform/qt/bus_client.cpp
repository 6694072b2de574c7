#include "platform/qt/bus_client.h"

#include "platform/qt/bus_service.h"

#include <QDBusConnectionInterface>
#include <QDBusArgument>
#include <QDBusReply>

#include <utility>

namespace nimbrel {

BusClient::BusClient(QDBusConnection bus)
    : m_bus(std::move(bus))
{
}

bool BusClient::instanceRunning()
{
    if (!m_bus.isConnected()) {
        m_error = QStringLiteral("no session bus: %1").arg(m_bus.lastError().message());
        return false;
    }
    const QDBusReply<bool> registered = m_bus.interface()->isServiceRegistered(QString::fromLatin1(BusService::serviceName));
    if (!registered.isValid()) {
        m_error = QStringLiteral("the session bus did not answer: %1").arg(registered.error().message());
        return false;
    }
    if (!registered.value()) {
        m_error = QStringLiteral("Nimbrel is not running");
        return false;
    }
    return true;
}

std::optional<bool> BusClient::callForAnswer(const QString &method, const QVariantList &arguments)
{
    const auto reply = call(method, arguments, QStringLiteral("b"));
    if (!reply)
        return std::nullopt;
    return reply->arguments().constFirst().toBool();
}

std::optional<QStringList> BusClient::textActionTitles()
{
    const auto reply = call(QStringLiteral("TextActionTitles"), {}, QStringLiteral("as"));
    if (!reply)
        return std::nullopt;
    return qdbus_cast<QStringList>(reply->arguments().constFirst());
}

bool BusClient::callWithoutReply(const QString &method)
{
    return call(method, {}, QString()).has_value();
}

std::optional<QDBusMessage> BusClient::call(const QString &method, const QVariantList &arguments,
                                            const QString &replySignature)
{
    const QString service = QString::fromLatin1(BusService::serviceName);
    QDBusMessage message =
        QDBusMessage::createMethodCall(service, QString::fromLatin1(BusService::objectPath), service, method);
    message.setArguments(arguments);
    message.setAutoStartService(false);
    const QDBusMessage reply = m_bus.call(message);
    if (reply.type() != QDBusMessage::ReplyMessage) {
        m_error = QStringLiteral("Nimbrel did not answer %1: %2").arg(method, reply.errorMessage());
        return std::nullopt;
    }
    if (reply.signature() != replySignature) {
        m_error = QStringLiteral("Nimbrel answered %1 with an unexpected reply").arg(method);
        return std::nullopt;
    }
    return reply;
}

} // namespace nimbrel
