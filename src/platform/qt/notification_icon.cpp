#include "platform/qt/notification_icon.h"

#include <QIcon>
#include <QPixmap>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUrl>

namespace nimbrel {

namespace {

const QString iconName = QStringLiteral("nimbrel");

// Large enough for the daemons' biggest icons; they scale it down.
constexpr int drawnIconSize = 128;

} // namespace

bool iconInstalled()
{
    return !QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                                   QStringLiteral("icons/hicolor/scalable/apps/nimbrel.svg"))
                .isEmpty();
}

NotificationIcon notificationIcon()
{
    if (iconInstalled())
        return {iconName, {}};
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        return {iconName, {}};
    const QString path = folder + QStringLiteral("/nimbrel-icon.png");
    QSaveFile file(path);
    const QPixmap picture = QIcon(QStringLiteral(":/icons/nimbrel.svg")).pixmap(drawnIconSize, drawnIconSize);
    if (picture.isNull() || !file.open(QIODevice::WriteOnly) || !picture.save(&file, "PNG") || !file.commit())
        return {iconName, {}};
    return {{}, QUrl::fromLocalFile(path).toString()};
}

} // namespace nimbrel
