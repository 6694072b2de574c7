#pragma once

#include "platform/text_translation.h"

#include <QLocale>
#include <QTranslator>

namespace nimbrel {

// The program's catalog, built into it, for the session's language (LANGUAGE, LC_ALL, LC_MESSAGES
// and LANG, as Qt reads them), and Qt's own texts (the command line's usage and errors) where
// Qt's translations are installed; English where the language has no catalog or a text no
// translation. Usable before any QCoreApplication exists; install() puts both catalogs into the one
// that runs, for the texts Qt and the Designer forms translate themselves.
class QtTextTranslation final : public TextTranslation {
public:
    explicit QtTextTranslation(const QLocale &locale = QLocale::system());
    ~QtTextTranslation() override;

    std::string translate(std::string_view context, std::string_view text) const override;
    std::string translate(std::string_view context, std::string_view text, std::string_view disambiguation,
                          std::int64_t count) const override;

    // Into the running QCoreApplication, whose language change follows; each application the
    // program makes needs it once.
    void install();
    // Right to left for a language written so, such as Arabic; left to right where no catalog is loaded.
    Qt::LayoutDirection layoutDirection() const;

private:
    QTranslator m_program;
    QTranslator m_qt;
};

} // namespace nimbrel
