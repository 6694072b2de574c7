#pragma once

#include "platform/menu_item.h"

#include <QComboBox>
#include <QPointer>

namespace nimbrel {

// One entry of the text actions' pop-up list (a combo box). The list's window is built on first
// use, so the entry keeps its title and state and adds itself to the list once it exists.
class QtPopUpMenuItem final : public MenuItem {
public:
    // The title by which the program knows the entry, and the one the list shows.
    QtPopUpMenuItem(std::string title, QString shownTitle);

    void setEnabled(bool enabled) override;
    std::string title() const override { return m_title; }
    // Appends the entry to the list.
    void attach(QComboBox *popUp);

private:
    void applyEnabled();

    std::string m_title;
    QString m_shownTitle;
    bool m_enabled = true;
    QPointer<QComboBox> m_popUp;
    int m_index = -1;
};

} // namespace nimbrel
