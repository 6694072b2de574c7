#include "platform/qt/qt_user_notification_center.h"

#include "platform/qt/notification_body.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QStringList>
#include <QVariantMap>

#include <utility>

namespace nimbrel {

namespace {

const QString service = QStringLiteral("org.freedesktop.Notifications");
const QString path = QStringLiteral("/org/freedesktop/Notifications");
const QString interface = QStringLiteral("org.freedesktop.Notifications");
const QString defaultAction = QStringLiteral("default");
const QString otherButtonAction = QStringLiteral("clear-formatting");

QDBusMessage methodCall(const QString &method)
{
    return QDBusMessage::createMethodCall(service, path, interface, method);
}

} // namespace

QtUserNotificationCenter::QtUserNotificationCenter(QDBusConnection bus, QString appIcon, QObject *parent)
    : QObject(parent)
    , m_bus(std::move(bus))
    , m_appIcon(std::move(appIcon))
{
    if (!m_bus.isConnected()) {
        m_capabilitiesKnown = true;
        return;
    }
    m_bus.connect(service, path, interface, QStringLiteral("ActionInvoked"), this,
                  SLOT(actionInvoked(uint, QString)));
    m_bus.connect(service, path, interface, QStringLiteral("NotificationClosed"), this,
                  SLOT(notificationClosed(uint, uint)));
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(methodCall(QStringLiteral("GetCapabilities"))), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, &QtUserNotificationCenter::capabilitiesArrived);
}

QtUserNotificationCenter::~QtUserNotificationCenter() = default;

void QtUserNotificationCenter::capabilitiesArrived(QDBusPendingCallWatcher *watcher)
{
    watcher->deleteLater();
    const QDBusPendingReply<QStringList> reply = *watcher;
    m_escapeMarkup = reply.isValid() && reply.value().contains(QStringLiteral("body-markup"));
    m_capabilitiesKnown = true;
    for (auto delivery = m_delivered.begin(); delivery != m_delivered.end();) {
        if (delivery->removed) {
            delivery = m_delivered.erase(delivery);
            continue;
        }
        send(*delivery);
        ++delivery;
    }
}

void QtUserNotificationCenter::deliverNotification(std::shared_ptr<const UserNotification> notification)
{
    if (notification == nullptr || !m_bus.isConnected())
        return;
    if (m_delegate != nullptr && !m_delegate->userNotificationCenterShouldPresentNotification(*this, *notification))
        return;
    m_delivered.push_back({++m_lastSerial, std::move(notification), std::nullopt, false, false});
    if (m_capabilitiesKnown)
        send(m_delivered.back());
}

void QtUserNotificationCenter::send(Delivery &delivery)
{
    const UserNotification &notification = *delivery.notification;
    QStringList actions{defaultAction, QStringLiteral("Open")};
    if (!notification.otherButtonTitle.empty())
        actions << otherButtonAction << QString::fromStdString(notification.otherButtonTitle);
    QDBusMessage message = methodCall(QStringLiteral("Notify"));
    message << QStringLiteral("Nimbrel") << uint(0) << m_appIcon << QString::fromStdString(notification.title)
            << QString::fromStdString(notificationBody(notification.informativeText, m_escapeMarkup)) << actions
            << QVariantMap() << int(-1);
    delivery.sent = true;
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(message), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, serial = delivery.serial](QDBusPendingCallWatcher *finished) { idArrived(serial, finished); });
}

void QtUserNotificationCenter::idArrived(std::uint64_t serial, QDBusPendingCallWatcher *watcher)
{
    watcher->deleteLater();
    const QDBusPendingReply<uint> reply = *watcher;
    const auto delivery = find(serial);
    if (delivery == m_delivered.end())
        return;
    if (!reply.isValid()) {
        m_delivered.erase(delivery);
        return;
    }
    if (delivery->removed) {
        close(reply.value());
        m_delivered.erase(delivery);
        return;
    }
    delivery->id = reply.value();
}

void QtUserNotificationCenter::removeDeliveredNotification(const std::shared_ptr<const UserNotification> &notification)
{
    for (auto delivery = m_delivered.begin(); delivery != m_delivered.end();) {
        if (delivery->notification != notification) {
            ++delivery;
            continue;
        }
        if (delivery->id)
            close(*delivery->id);
        if (delivery->id || !delivery->sent) {
            delivery = m_delivered.erase(delivery);
            continue;
        }
        delivery->removed = true;
        ++delivery;
    }
}

void QtUserNotificationCenter::close(uint id)
{
    QDBusMessage message = methodCall(QStringLiteral("CloseNotification"));
    message << id;
    m_bus.asyncCall(message);
}

void QtUserNotificationCenter::actionInvoked(uint id, const QString &actionKey)
{
    const auto delivery = findId(id);
    if (delivery == m_delivered.end() || m_delegate == nullptr)
        return;
    // The delegate may remove the notification while it handles it.
    const std::shared_ptr<const UserNotification> notification = delivery->notification;
    if (actionKey == defaultAction)
        m_delegate->userNotificationCenterDidActivateNotification(*this, *notification);
    else if (actionKey == otherButtonAction)
        m_delegate->userNotificationCenterDidPressOtherButton(*this, *notification);
}

void QtUserNotificationCenter::notificationClosed(uint id, [[maybe_unused]] uint reason)
{
    const auto delivery = findId(id);
    if (delivery != m_delivered.end())
        m_delivered.erase(delivery);
}

std::list<QtUserNotificationCenter::Delivery>::iterator QtUserNotificationCenter::find(std::uint64_t serial)
{
    for (auto delivery = m_delivered.begin(); delivery != m_delivered.end(); ++delivery) {
        if (delivery->serial == serial)
            return delivery;
    }
    return m_delivered.end();
}

std::list<QtUserNotificationCenter::Delivery>::iterator QtUserNotificationCenter::findId(uint id)
{
    for (auto delivery = m_delivered.begin(); delivery != m_delivered.end(); ++delivery) {
        if (delivery->id == id)
            return delivery;
    }
    return m_delivered.end();
}

} // namespace nimbrel
