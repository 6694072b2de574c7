#include "platform/qt/x11/hidden_window.h"

namespace nimbrel {

xcb_window_t createHiddenWindow(xcb_connection_t *connection, xcb_window_t root, std::string_view name,
                                std::uint32_t eventMask)
{
    const xcb_window_t window = xcb_generate_id(connection);
    const std::uint32_t values[] = {1, eventMask};
    xcb_create_window(connection, XCB_COPY_FROM_PARENT, window, root, -10, -10, 1, 1, 0, XCB_WINDOW_CLASS_INPUT_ONLY,
                      XCB_COPY_FROM_PARENT, XCB_CW_OVERRIDE_REDIRECT | XCB_CW_EVENT_MASK, values);
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8,
                        static_cast<std::uint32_t>(name.size()), name.data());
    return window;
}

xcb_window_t rootOfScreen(xcb_connection_t *connection, int screen)
{
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screen && screens.rem > 0; ++i)
        xcb_screen_next(&screens);
    return screens.rem > 0 ? screens.data->root : xcb_window_t{XCB_WINDOW_NONE};
}

} // namespace nimbrel
