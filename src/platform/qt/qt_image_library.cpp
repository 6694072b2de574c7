#include "platform/qt/qt_image_library.h"

#include "platform/qt/qt_image.h"

#include <QFile>
#include <QIcon>
#include <QString>

#include <algorithm>
#include <cctype>

namespace nimbrel {

namespace {

// Plain names only, so a name can never reach outside the icon folder.
bool isPlainName(std::string_view name)
{
    return !name.empty() && std::all_of(name.begin(), name.end(), [](char character) {
        return std::isalnum(static_cast<unsigned char>(character)) != 0 || character == '_' || character == '-';
    });
}

} // namespace

std::shared_ptr<Image> QtImageLibrary::imageNamed(std::string_view name)
{
    if (!isPlainName(name))
        return nullptr;
    const QString path = QStringLiteral(":/icons/%1.svg").arg(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    if (!QFile::exists(path))
        return nullptr;
    return std::make_shared<QtImage>(QIcon(path));
}

} // namespace nimbrel
