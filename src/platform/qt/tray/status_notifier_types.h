#pragma once

#include <QByteArray>
#include <QDBusArgument>
#include <QIcon>
#include <QList>
#include <QString>

namespace nimbrel {

// The org.kde.StatusNotifierItem wire types.

// One size of an icon: (iiay), ARGB32 pixels in network byte order.
struct StatusNotifierPixmap {
    int width = 0;
    int height = 0;
    QByteArray pixels;
};
using StatusNotifierPixmaps = QList<StatusNotifierPixmap>;

// (sa(iiay)ss): an icon name, its pixmaps, the title and the description.
struct StatusNotifierToolTip {
    QString iconName;
    StatusNotifierPixmaps iconPixmaps;
    QString title;
    QString description;
};

// Makes the types above known to QtDBus; call before exporting an object that uses them.
void registerStatusNotifierTypes();

// The icon drawn at the sizes panels use, as the panel's host reads them; none for a null icon.
StatusNotifierPixmaps statusNotifierPixmaps(const QIcon &icon);

QDBusArgument &operator<<(QDBusArgument &argument, const StatusNotifierPixmap &pixmap);
const QDBusArgument &operator>>(const QDBusArgument &argument, StatusNotifierPixmap &pixmap);
QDBusArgument &operator<<(QDBusArgument &argument, const StatusNotifierToolTip &toolTip);
const QDBusArgument &operator>>(const QDBusArgument &argument, StatusNotifierToolTip &toolTip);

} // namespace nimbrel

Q_DECLARE_METATYPE(nimbrel::StatusNotifierPixmap)
Q_DECLARE_METATYPE(nimbrel::StatusNotifierToolTip)
