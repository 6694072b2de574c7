#pragma once

#include "platform/text_view.h"

#include <QPlainTextEdit>
#include <QPointer>

#include <cstddef>
#include <string>

namespace nimbrel {

// The read-only text view of the paste item options window. It answers with the text it shows
// as it was given, since the widget's own plain text turns no-break spaces and line separators
// into ASCII. It shows and keeps only the start of a huge text: laying out megabytes, worst of
// all one long line, would freeze the program for minutes, and keeping a copy costs a stall on
// every copy. Its window is built on first use; until then it only keeps the text.
class QtTextView final : public TextView {
public:
    static constexpr std::size_t displayedMaximumLength = 20000;

    std::string string() const override;
    void setString(std::string_view text) override;
    // Shows the text in the view from now on.
    void attach(QPlainTextEdit *view);

private:
    QPointer<QPlainTextEdit> m_view;
    std::string m_shownText;
};

} // namespace nimbrel
