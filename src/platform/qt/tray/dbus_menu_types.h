#pragma once

#include <QDBusArgument>
#include <QDBusVariant>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantMap>

namespace nimbrel {

// The com.canonical.dbusmenu wire types.

// A menu entry and its children: (ia{sv}av), each child a variant holding the same structure.
struct DBusMenuLayoutItem {
    int id = 0;
    QVariantMap properties;
    QList<DBusMenuLayoutItem> children;
};

// An entry's properties: (ia{sv}).
struct DBusMenuItemProperties {
    int id = 0;
    QVariantMap properties;
};

// Names of an entry's properties that were removed: (ias).
struct DBusMenuItemPropertyNames {
    int id = 0;
    QStringList names;
};

// What the panel reports about an entry, such as a click: (isvu).
struct DBusMenuEvent {
    int id = 0;
    QString eventId;
    QDBusVariant data;
    uint timestamp = 0;
};

// Makes the types above known to QtDBus; call before exporting an object that uses them.
void registerDBusMenuTypes();

QDBusArgument &operator<<(QDBusArgument &argument, const DBusMenuLayoutItem &item);
const QDBusArgument &operator>>(const QDBusArgument &argument, DBusMenuLayoutItem &item);
QDBusArgument &operator<<(QDBusArgument &argument, const DBusMenuItemProperties &item);
const QDBusArgument &operator>>(const QDBusArgument &argument, DBusMenuItemProperties &item);
QDBusArgument &operator<<(QDBusArgument &argument, const DBusMenuItemPropertyNames &item);
const QDBusArgument &operator>>(const QDBusArgument &argument, DBusMenuItemPropertyNames &item);
QDBusArgument &operator<<(QDBusArgument &argument, const DBusMenuEvent &event);
const QDBusArgument &operator>>(const QDBusArgument &argument, DBusMenuEvent &event);

} // namespace nimbrel

Q_DECLARE_METATYPE(nimbrel::DBusMenuLayoutItem)
Q_DECLARE_METATYPE(nimbrel::DBusMenuItemProperties)
Q_DECLARE_METATYPE(nimbrel::DBusMenuItemPropertyNames)
Q_DECLARE_METATYPE(nimbrel::DBusMenuEvent)
