#pragma once

#include "platform/menu_item.h"

#include <QComboBox>
#include <QPointer>

namespace nimbrel {

// One entry of the text actions' pop-up list (a combo box), by its position in the list.
class QtPopUpMenuItem final : public MenuItem {
public:
    QtPopUpMenuItem(QComboBox *popUp, int index);

    void setEnabled(bool enabled) override;
    std::string title() const override;

private:
    QPointer<QComboBox> m_popUp;
    int m_index = 0;
};

} // namespace nimbrel
