#pragma once

#include "platform/status_item.h"

#include <QIcon>

#include <functional>

namespace nimbrel {

// The icon of the tray entry, handed to whichever tray shows the entry. The entry is shown only
// while it has an image, since a tray icon without one is an empty, unclickable slot.
class QtStatusBarButton final : public StatusBarButton {
public:
    explicit QtStatusBarButton(std::function<void()> changed) : m_changed(std::move(changed)) {}

    void setImage(std::shared_ptr<Image> image) override;

    // Null without an image.
    QIcon icon() const;

private:
    std::function<void()> m_changed;
    std::shared_ptr<Image> m_image;
};

} // namespace nimbrel
