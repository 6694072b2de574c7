#include "platform/qt/qt_pop_up_menu_item.h"

#include <QStandardItemModel>

namespace nimbrel {

QtPopUpMenuItem::QtPopUpMenuItem(QComboBox *popUp, int index)
    : m_popUp(popUp)
    , m_index(index)
{
}

void QtPopUpMenuItem::setEnabled(bool enabled)
{
    if (m_popUp == nullptr)
        return;
    // A combo box built from a list of texts keeps them in a QStandardItemModel.
    if (auto *model = qobject_cast<QStandardItemModel *>(m_popUp->model())) {
        if (QStandardItem *item = model->item(m_index))
            item->setEnabled(enabled);
    }
}

std::string QtPopUpMenuItem::title() const
{
    return m_popUp != nullptr ? m_popUp->itemText(m_index).toStdString() : std::string();
}

} // namespace nimbrel
