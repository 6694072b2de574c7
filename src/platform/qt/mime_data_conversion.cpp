#include "platform/qt/mime_data_conversion.h"

#include "platform/pasteboard_types.h"
#include "platform/qt/snapshot_building.h"

#include <QMimeData>

namespace nimbrel {
namespace {

QString qString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QByteArray qBytes(std::string_view text)
{
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

std::unique_ptr<QMimeData> mimeDataOf(const std::vector<std::shared_ptr<const StringPasteboardItem>> &items)
{
    auto mimeData = std::make_unique<QMimeData>();
    for (const auto &item : items) {
        if (!item)
            continue;
        for (const auto &[type, text] : item->entries()) {
            if (type == PasteboardTypeString) {
                if (!mimeData->hasText())
                    mimeData->setText(qString(text));
                continue;
            }
            const QString format = type == PasteboardTypeConcealed ? QStringLiteral("x-kde-passwordManagerHint")
                                                                   : qString(type);
            if (mimeData->hasFormat(format))
                continue;
            mimeData->setData(format, type == PasteboardTypeConcealed ? QByteArrayLiteral("secret") : qBytes(text));
        }
    }
    return mimeData;
}

OwnerContents contentsOf(const QMimeData &mimeData)
{
    OwnerContents contents;
    for (const QString &format : mimeData.formats())
        contents.targets.push_back(format.toStdString());
    for (const std::string &target : targetsToRead(contents.targets)) {
        const QByteArray bytes = mimeData.data(QString::fromStdString(target));
        contents.data.emplace(target, std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    }
    return contents;
}

} // namespace nimbrel
