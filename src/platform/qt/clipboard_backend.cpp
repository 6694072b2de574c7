#include "platform/qt/clipboard_backend.h"

#include "platform/qt/x11/x11_clipboard.h"

namespace nimbrel {

std::unique_ptr<ClipboardBackend> makeClipboardBackend(ReadLimits limits)
{
    return std::make_unique<X11Clipboard>(limits);
}

} // namespace nimbrel
