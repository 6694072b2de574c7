#include "platform/qt/json_user_defaults.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QJsonValue>
#include <QSaveFile>

#include <sys/stat.h>

#include <cstdio>
#include <utility>

namespace nimbrel {

namespace {

QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::optional<DefaultsValue> toDefaultsValue(const QJsonValue &value)
{
    switch (value.type()) {
    case QJsonValue::Undefined: return std::nullopt;
    case QJsonValue::Double: return DefaultsValue(value.toDouble());
    case QJsonValue::Bool: return DefaultsValue(value.toBool() ? 1.0 : 0.0);
    case QJsonValue::String: return DefaultsValue(value.toString().toStdString());
    default: return DefaultsValue(OtherDefaultsValue{});
    }
}

QJsonValue toJsonValue(const DefaultsValue &value)
{
    if (const auto *number = std::get_if<double>(&value))
        return QJsonValue(*number);
    if (const auto *text = std::get_if<std::string>(&value))
        return QJsonValue(toQString(*text));
    return QJsonValue(QJsonValue::Null);
}

} // namespace

bool JsonUserDefaults::FileStamp::operator==(const FileStamp &other) const
{
    return exists == other.exists && device == other.device && inode == other.inode && size == other.size
        && modified.tv_sec == other.modified.tv_sec && modified.tv_nsec == other.modified.tv_nsec;
}

JsonUserDefaults::JsonUserDefaults(std::string filePath)
    : m_filePath(QString::fromStdString(filePath))
{
}

std::optional<DefaultsValue> JsonUserDefaults::objectForKey(std::string_view key) const
{
    refresh();
    return toDefaultsValue(m_values.value(toQString(key)));
}

void JsonUserDefaults::setValueForKey(const DefaultsValue &value, std::string_view key)
{
    refresh();
    m_values.insert(toQString(key), toJsonValue(value));
    m_unsaved = !save();
}

JsonUserDefaults::FileStamp JsonUserDefaults::currentStamp() const
{
    struct stat status {};
    if (::stat(QFile::encodeName(m_filePath).constData(), &status) != 0)
        return {};
    return {true, status.st_dev, status.st_ino, status.st_size, status.st_mtim};
}

void JsonUserDefaults::refresh() const
{
    // Values that could not be written are newer than anything on disk.
    if (m_unsaved)
        return;
    const FileStamp stamp = currentStamp();
    if (m_loaded && stamp == m_stamp)
        return;
    m_loaded = true;
    m_stamp = stamp;
    m_values = {};
    if (stamp.exists)
        load();
}

void JsonUserDefaults::load() const
{
    QFile file(m_filePath);
    if (m_stamp.size > maximumFileSize) {
        setAsideCorruptFile();
        return;
    }
    if (!file.open(QIODevice::ReadOnly))
        return;
    // Sized by the file, not by the bound: reserving the bound on every read is costly.
    const QByteArray contents = file.read(qMin<qint64>(file.size(), maximumFileSize) + 1);
    file.close();
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(contents, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        setAsideCorruptFile();
        return;
    }
    m_values = document.object();
}

void JsonUserDefaults::setAsideCorruptFile() const
{
    const QByteArray from = QFile::encodeName(m_filePath);
    const QByteArray to = QFile::encodeName(m_filePath + QStringLiteral(".corrupt"));
    // rename(2) replaces an older copy in one step.
    if (std::rename(from.constData(), to.constData()) == 0)
        m_stamp = currentStamp();
}

bool JsonUserDefaults::save()
{
    QDir().mkpath(QFileInfo(m_filePath).absolutePath());
    QSaveFile file(m_filePath);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(QJsonDocument(m_values).toJson(QJsonDocument::Indented));
    if (!file.commit())
        return false;
    m_stamp = currentStamp();
    m_loaded = true;
    return true;
}

} // namespace nimbrel
