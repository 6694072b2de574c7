#include "platform/qt/qt_text_view.h"

#include "platform/qt/text_capping.h"

namespace nimbrel {

QtTextView::QtTextView(QPlainTextEdit *view)
    : m_view(view)
{
}

std::string QtTextView::string() const
{
    return m_view != nullptr ? m_shownText : std::string();
}

void QtTextView::setString(std::string_view text)
{
    if (m_view == nullptr)
        return;
    m_shownText = cappedText(text, displayedMaximumLength);
    m_view->setPlainText(QString::fromStdString(m_shownText));
}

} // namespace nimbrel
