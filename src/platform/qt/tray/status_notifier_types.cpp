#include "platform/qt/tray/status_notifier_types.h"

#include <QDBusMetaType>
#include <QImage>
#include <QtEndian>

namespace nimbrel {

void registerStatusNotifierTypes()
{
    qDBusRegisterMetaType<StatusNotifierPixmap>();
    qDBusRegisterMetaType<StatusNotifierPixmaps>();
    qDBusRegisterMetaType<StatusNotifierToolTip>();
}

StatusNotifierPixmaps statusNotifierPixmaps(const QIcon &icon)
{
    StatusNotifierPixmaps pixmaps;
    if (icon.isNull())
        return pixmaps;
    // The panel picks the size nearest its own; drawing them here keeps its scaling from blurring
    // the glyph.
    for (const int size : {16, 22, 24, 32, 48}) {
        // Drawn as it is: a mask icon's recolouring is the style's, and a panel applies none.
        const QImage image = icon.pixmap(QSize(size, size), 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
        QByteArray pixels(static_cast<qsizetype>(image.sizeInBytes()), Qt::Uninitialized);
        for (int y = 0; y < image.height(); ++y) {
            const auto *line = reinterpret_cast<const quint32 *>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x)
                qToBigEndian(line[x], pixels.data() + (static_cast<qsizetype>(y) * image.width() + x) * 4);
        }
        pixmaps.append(StatusNotifierPixmap{image.width(), image.height(), pixels});
    }
    return pixmaps;
}

QDBusArgument &operator<<(QDBusArgument &argument, const StatusNotifierPixmap &pixmap)
{
    argument.beginStructure();
    argument << pixmap.width << pixmap.height << pixmap.pixels;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, StatusNotifierPixmap &pixmap)
{
    argument.beginStructure();
    argument >> pixmap.width >> pixmap.height >> pixmap.pixels;
    argument.endStructure();
    return argument;
}

QDBusArgument &operator<<(QDBusArgument &argument, const StatusNotifierToolTip &toolTip)
{
    argument.beginStructure();
    argument << toolTip.iconName << toolTip.iconPixmaps << toolTip.title << toolTip.description;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, StatusNotifierToolTip &toolTip)
{
    argument.beginStructure();
    argument >> toolTip.iconName >> toolTip.iconPixmaps >> toolTip.title >> toolTip.description;
    argument.endStructure();
    return argument;
}

} // namespace nimbrel
