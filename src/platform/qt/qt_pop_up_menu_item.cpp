#include "platform/qt/qt_pop_up_menu_item.h"

#include <QStandardItemModel>

namespace nimbrel {

QtPopUpMenuItem::QtPopUpMenuItem(std::string title, QString shownTitle)
    : m_title(std::move(title))
    , m_shownTitle(std::move(shownTitle))
{
}

void QtPopUpMenuItem::setEnabled(bool enabled)
{
    m_enabled = enabled;
    applyEnabled();
}

void QtPopUpMenuItem::attach(QComboBox *popUp)
{
    m_popUp = popUp;
    if (m_popUp == nullptr)
        return;
    m_index = m_popUp->count();
    m_popUp->addItem(m_shownTitle);
    applyEnabled();
}

void QtPopUpMenuItem::applyEnabled()
{
    if (m_popUp == nullptr)
        return;
    // A combo box built from a list of texts keeps them in a QStandardItemModel.
    if (auto *model = qobject_cast<QStandardItemModel *>(m_popUp->model())) {
        if (QStandardItem *item = model->item(m_index))
            item->setEnabled(m_enabled);
    }
}

} // namespace nimbrel
