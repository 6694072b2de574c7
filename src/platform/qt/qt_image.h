#pragma once

#include "platform/image.h"

#include <QIcon>

namespace nimbrel {

// An icon from the program's resources.
class QtImage final : public Image {
public:
    explicit QtImage(QIcon icon);

    // A mask icon is recoloured by the style to suit light and dark panels.
    void setTemplate(bool isTemplate) override;

    const QIcon &icon() const { return m_icon; }

private:
    QIcon m_icon;
};

} // namespace nimbrel
