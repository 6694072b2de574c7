#include "platform/qt/qt_text_view.h"

#include "platform/qt/text_capping.h"

namespace nimbrel {

std::string QtTextView::string() const
{
    return m_shownText;
}

void QtTextView::setString(std::string_view text)
{
    m_shownText = cappedText(text, displayedMaximumLength);
    if (m_view != nullptr)
        m_view->setPlainText(QString::fromStdString(m_shownText));
}

void QtTextView::attach(QPlainTextEdit *view)
{
    m_view = view;
    if (m_view != nullptr)
        m_view->setPlainText(QString::fromStdString(m_shownText));
}

} // namespace nimbrel
