#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QString>
#include <QStringList>

#include <optional>

namespace nimbrel {

// The command line's way to the running Nimbrel over the session bus. It never starts one: the
// name's owner is looked up first and no call asks the bus to activate a service.
class BusClient final {
public:
    explicit BusClient(QDBusConnection bus);

    // Whether a Nimbrel owns the bus name; when not, error() says why.
    bool instanceRunning();
    // The answer of a method that answers a Boolean; nullopt when the call failed.
    std::optional<bool> callForAnswer(const QString &method, const QVariantList &arguments = {});
    // The titles in menu order; nullopt when the call failed.
    std::optional<QStringList> textActionTitles();
    // Calls a method that takes and returns nothing; false when the call failed.
    bool callWithoutReply(const QString &method);
    // Why the last failed step failed, in one line.
    QString error() const { return m_error; }

private:
    // The reply, or nullopt when the call failed or the reply has another signature.
    std::optional<QDBusMessage> call(const QString &method, const QVariantList &arguments,
                                     const QString &replySignature);

    QDBusConnection m_bus;
    QString m_error;
};

} // namespace nimbrel
