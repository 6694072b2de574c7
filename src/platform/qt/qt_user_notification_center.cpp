#include "platform/qt/qt_user_notification_center.h"

#include "platform/qt/notification_body.h"
#include "platform/qt/text_capping.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QEventLoop>
#include <QStringList>
#include <QTimer>
#include <QVariantMap>

#include <algorithm>
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

bool sameNotification(const std::weak_ptr<const UserNotification> &kept,
                      const std::shared_ptr<const UserNotification> &notification)
{
    return !kept.owner_before(notification) && !notification.owner_before(kept);
}

} // namespace

QtUserNotificationCenter::QtUserNotificationCenter(QDBusConnection bus, NotificationIcon icon, QObject *parent)
    : QObject(parent)
    , m_bus(std::move(bus))
    , m_icon(std::move(icon))
{
    if (!m_bus.isConnected())
        return;
    m_bus.connect(service, path, interface, QStringLiteral("ActionInvoked"), this,
                  SLOT(actionInvoked(uint, QString)));
    m_bus.connect(service, path, interface, QStringLiteral("NotificationClosed"), this,
                  SLOT(notificationClosed(uint, uint)));
    auto *watcher = new QDBusServiceWatcher(service, m_bus, QDBusServiceWatcher::WatchForOwnerChange, this);
    connect(watcher, &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this](const QString &, const QString &, const QString &newOwner) { serverChanged(newOwner); });
    askCapabilities();
}

QtUserNotificationCenter::~QtUserNotificationCenter() = default;

void QtUserNotificationCenter::serverChanged(const QString &newOwner)
{
    // The ids the old server gave mean nothing to a new one, or name someone else's notifications.
    m_delivered.remove_if([](const Delivery &delivery) { return delivery.id.has_value(); });
    m_serverReadsMarkup.reset();
    if (!newOwner.isEmpty())
        askCapabilities();
}

void QtUserNotificationCenter::askCapabilities()
{
    const std::uint64_t question = ++m_lastCapabilitiesQuestion;
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(methodCall(QStringLiteral("GetCapabilities"))), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, question](QDBusPendingCallWatcher *finished) { capabilitiesArrived(question, finished); });
}

void QtUserNotificationCenter::capabilitiesArrived(std::uint64_t question, QDBusPendingCallWatcher *watcher)
{
    watcher->deleteLater();
    const QDBusPendingReply<QStringList> reply = *watcher;
    // An answer to an earlier question may come from a server that has left since.
    if (question != m_lastCapabilitiesQuestion || !reply.isValid())
        return;
    m_serverReadsMarkup = reply.value().contains(QStringLiteral("body-markup"));
}

void QtUserNotificationCenter::deliverNotification(std::shared_ptr<const UserNotification> notification)
{
    if (notification == nullptr || !m_bus.isConnected())
        return;
    if (m_delegate != nullptr && !m_delegate->userNotificationCenterShouldPresentNotification(*this, *notification))
        return;
    auto capped = std::make_shared<const UserNotification>(
        UserNotification{notification->title, cappedText(notification->informativeText, notificationBodyMaximumLength),
                         notification->hasActionButton, notification->otherButtonTitle});
    m_delivered.push_back({++m_lastSerial, notification, std::move(capped), std::nullopt, false, false});
    if (!notifyUnanswered())
        sendNext();
}

bool QtUserNotificationCenter::notifyUnanswered() const
{
    // Only the answer to its Notify gives a sent delivery its id, or takes it off the list.
    return std::any_of(m_delivered.begin(), m_delivered.end(),
                       [](const Delivery &delivery) { return delivery.sent && !delivery.id; });
}

void QtUserNotificationCenter::sendNext()
{
    const auto next = std::find_if(m_delivered.begin(), m_delivered.end(),
                                   [](const Delivery &delivery) { return !delivery.sent; });
    if (next == m_delivered.end())
        return;
    next->sent = true;
    send(*next);
}

void QtUserNotificationCenter::send(const Delivery &delivery)
{
    const UserNotification &notification = *delivery.capped;
    //: What clicking the notification does, where the notification service names it: open the window
    QStringList actions{defaultAction, QCoreApplication::translate("QtUserNotificationCenter", "Open")};
    if (!notification.otherButtonTitle.empty())
        actions << otherButtonAction << QString::fromStdString(notification.otherButtonTitle);
    const bool escapeMarkup = m_serverReadsMarkup.value_or(true);
    QDBusMessage message = methodCall(QStringLiteral("Notify"));
    QVariantMap hints;
    if (!m_icon.imagePath.isEmpty())
        hints.insert(QStringLiteral("image-path"), m_icon.imagePath);
    message << QStringLiteral("Nimbrel") << uint(0) << m_icon.appIcon << QString::fromStdString(notification.title)
            << QString::fromStdString(notificationBody(notification.informativeText, escapeMarkup)) << actions
            << hints << int(-1);
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(message), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, serial = delivery.serial](QDBusPendingCallWatcher *finished) { idArrived(serial, finished); });
}

void QtUserNotificationCenter::idArrived(std::uint64_t serial, QDBusPendingCallWatcher *watcher)
{
    watcher->deleteLater();
    settle(serial, *watcher);
    sendNext();
}

void QtUserNotificationCenter::settle(std::uint64_t serial, const QDBusPendingReply<uint> &reply)
{
    const auto delivery = find(serial);
    if (delivery == m_delivered.end())
        return;
    if (!reply.isValid()) {
        m_delivered.erase(delivery);
        emit removalAnswered();
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
        if (!sameNotification(delivery->original, notification)) {
            ++delivery;
            continue;
        }
        if (!delivery->sent) {
            delivery = m_delivered.erase(delivery);
            continue;
        }
        if (!delivery->id) {
            delivery->removed = true;
            ++delivery;
            continue;
        }
        close(*delivery->id);
        delivery = m_delivered.erase(delivery);
    }
}

void QtUserNotificationCenter::close(uint id)
{
    QDBusMessage message = methodCall(QStringLiteral("CloseNotification"));
    message << id;
    ++m_closesUnanswered;
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(message), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher *finished) {
        finished->deleteLater();
        --m_closesUnanswered;
        emit removalAnswered();
    });
}

bool QtUserNotificationCenter::removalsPending() const
{
    return m_closesUnanswered > 0 || std::any_of(m_delivered.begin(), m_delivered.end(), [](const Delivery &delivery) {
               return delivery.removed && !delivery.id;
           });
}

void QtUserNotificationCenter::finishRemovals(std::chrono::milliseconds patience)
{
    if (!removalsPending())
        return;
    QEventLoop loop;
    QTimer::singleShot(patience, &loop, &QEventLoop::quit);
    connect(this, &QtUserNotificationCenter::removalAnswered, &loop, [this, &loop] {
        if (!removalsPending())
            loop.quit();
    });
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

void QtUserNotificationCenter::actionInvoked(uint id, const QString &actionKey)
{
    const auto delivery = findId(id);
    if (delivery == m_delivered.end() || m_delegate == nullptr)
        return;
    // Held here because the delegate may remove the notification while it handles it.
    std::shared_ptr<const UserNotification> notification = delivery->original.lock();
    if (notification == nullptr)
        notification = delivery->capped;
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
