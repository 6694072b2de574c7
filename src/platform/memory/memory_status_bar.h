#pragma once

#include "platform/status_item.h"

namespace nimbrel {

class MemoryStatusBarButton final : public StatusBarButton {
public:
    void setImage(std::shared_ptr<Image> image) override { m_image = std::move(image); }
    const std::shared_ptr<Image> &image() const { return m_image; }

private:
    std::shared_ptr<Image> m_image;
};

// A status item that records its image and menu.
class MemoryStatusItem final : public StatusItem {
public:
    explicit MemoryStatusItem(bool hasButton) : m_hasButton(hasButton) {}

    StatusBarButton *button() override { return m_hasButton ? &m_button : nullptr; }
    void setMenu(Menu *menu) override { m_menu = menu; }

    const MemoryStatusBarButton &memoryButton() const { return m_button; }
    Menu *menu() const { return m_menu; }

private:
    bool m_hasButton = true;
    MemoryStatusBarButton m_button;
    Menu *m_menu = nullptr;
};

// Hands out memory status items; a bar without buttons plays a panel that gives none.
class MemoryStatusBar final : public StatusBar {
public:
    explicit MemoryStatusBar(bool itemsHaveButtons = true) : m_itemsHaveButtons(itemsHaveButtons) {}

    std::unique_ptr<StatusItem> statusItemWithVariableLength() override;

    int itemsCreated() const { return m_itemsCreated; }

private:
    bool m_itemsHaveButtons = true;
    int m_itemsCreated = 0;
};

} // namespace nimbrel
