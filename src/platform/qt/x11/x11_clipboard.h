#pragma once

#include "platform/qt/clipboard_backend.h"

#include <atomic>
#include <memory>

namespace nimbrel {

class ClipboardWatcher;
class SelectionWriter;

// The X11 CLIPBOARD selection (under Wayland without data-control, XWayland's): a watcher thread
// reads other clients' contents, a writer thread serves the program's own.
class X11Clipboard final : public ClipboardBackend {
public:
    explicit X11Clipboard(ReadLimits limits);
    ~X11Clipboard() override;

    bool start(ChangeHandler handler) override;
    std::uint64_t latestGeneration() const override;
    bool write(std::shared_ptr<const ClipboardOffer> offer, std::uint64_t basis) override;
    void clear() override;
    bool connected() const override;
    void setKeeping(bool keeping) override;
    // Through freedesktop.org's clipboard manager convention (the CLIPBOARD_MANAGER selection).
    void handOver(std::chrono::milliseconds patience) override;

private:
    ReadLimits m_limits;
    std::atomic<bool> m_keeping{false};
    std::unique_ptr<SelectionWriter> m_writer;
    std::unique_ptr<ClipboardWatcher> m_watcher;
};

} // namespace nimbrel
