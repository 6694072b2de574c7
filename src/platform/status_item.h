#pragma once

#include <memory>

namespace nimbrel {

class Image;
class Menu;

// The button that the status item shows in the panel.
class StatusBarButton {
public:
    StatusBarButton() = default;
    virtual ~StatusBarButton() = default;
    StatusBarButton(const StatusBarButton &) = delete;
    StatusBarButton &operator=(const StatusBarButton &) = delete;

    // nullptr shows no image.
    virtual void setImage(std::shared_ptr<Image> image) = 0;
};

// The program's icon in the panel's tray, with the status menu.
class StatusItem {
public:
    StatusItem() = default;
    virtual ~StatusItem() = default;
    StatusItem(const StatusItem &) = delete;
    StatusItem &operator=(const StatusItem &) = delete;

    // The item's button; nullptr when the panel gives it none.
    virtual StatusBarButton *button() = 0;
    // The menu opened by a click on the icon; nullptr removes it. The menu is not owned.
    virtual void setMenu(Menu *menu) = 0;
};

// The panel area that holds status items.
class StatusBar {
public:
    StatusBar() = default;
    virtual ~StatusBar() = default;
    StatusBar(const StatusBar &) = delete;
    StatusBar &operator=(const StatusBar &) = delete;

    // A new item, as wide as its content.
    virtual std::unique_ptr<StatusItem> statusItemWithVariableLength() = 0;
};

} // namespace nimbrel
