#include "platform/qt/qt_text_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>

#include <algorithm>
#include <climits>

namespace nimbrel {

namespace {

QByteArray nullTerminated(std::string_view text)
{
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

QtTextTranslation::QtTextTranslation(const QLocale &locale)
{
    // A language without a catalog loads none, and every text stays English.
    (void)m_program.load(locale, QStringLiteral("nimbrel"), QStringLiteral("_"), QStringLiteral(":/i18n"));
    (void)m_qt.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

QtTextTranslation::~QtTextTranslation()
{
    if (QCoreApplication::instance() != nullptr) {
        QCoreApplication::removeTranslator(&m_program);
        QCoreApplication::removeTranslator(&m_qt);
    }
}

std::string QtTextTranslation::translate(std::string_view context, std::string_view text) const
{
    const QString translated =
        m_program.translate(nullTerminated(context).constData(), nullTerminated(text).constData());
    return translated.isEmpty() ? std::string(text) : translated.toStdString();
}

std::string QtTextTranslation::translate(std::string_view context, std::string_view text,
                                         std::string_view disambiguation, std::int64_t count) const
{
    const QByteArray comment = nullTerminated(disambiguation);
    // The count only picks the plural form, which is the same for every count past int's range.
    const int form = static_cast<int>(std::min<std::int64_t>(count, INT_MAX));
    QString translated = m_program.translate(nullTerminated(context).constData(), nullTerminated(text).constData(),
                                             comment.isEmpty() ? nullptr : comment.constData(), form);
    if (translated.isEmpty())
        return std::to_string(count) + std::string(text);
    return translated.replace(QStringLiteral("%n"), QString::number(count)).toStdString();
}

void QtTextTranslation::install()
{
    QCoreApplication::installTranslator(&m_qt);
    // Installed last, so looked in first.
    QCoreApplication::installTranslator(&m_program);
}

Qt::LayoutDirection QtTextTranslation::layoutDirection() const
{
    if (m_program.isEmpty())
        return Qt::LeftToRight;
    return QLocale(m_program.language()).textDirection();
}

} // namespace nimbrel
