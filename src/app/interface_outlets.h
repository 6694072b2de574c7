#pragma once

#include <memory>

namespace nimbrel {

class Button;
class Menu;
class MenuItem;
class TextView;
class Window;

// The interface elements the controller works with. The interface description owns them; the
// controller holds them weakly, so an element that is gone reads as absent and its step is skipped.
struct InterfaceOutlets {
    std::weak_ptr<Window> window;
    std::weak_ptr<MenuItem> textActionsMenuItem;
    std::weak_ptr<Window> pasteItemOptionsWindow;
    std::weak_ptr<Menu> menu;
    std::weak_ptr<MenuItem> clearClipboardMenuItem;
    std::weak_ptr<Button> textNotificationButton;
    std::weak_ptr<Button> filesAndDirectoriesNotificationButton;
    std::weak_ptr<Button> keepClipboardButton;
    std::weak_ptr<Button> startAtLoginButton;
    std::weak_ptr<MenuItem> capitalizeMenuItem;
    // Held strongly, unlike the others.
    std::shared_ptr<TextView> currentItemTextView;
};

} // namespace nimbrel
