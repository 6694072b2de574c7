#pragma once

#include "platform/pasteboard.h"
#include "platform/qt/clipboard_snapshot.h"
#include "platform/qt/clipboard_watcher.h"
#include "platform/qt/read_limits.h"

#include <QObject>

#include <memory>

class QMimeData;

namespace nimbrel {

// The X11 CLIPBOARD selection (under Wayland, XWayland's). Other applications' contents are read
// once per change by a ClipboardWatcher off the GUI thread; the change count is raised on the GUI
// thread when that read is done, so every query answers from the last snapshot without waiting.
// The program's own writes go through QClipboard, which serves them to other applications; so do
// copies made in the program's own windows, which are taken from Qt as they happen.
class QtPasteboard final : public QObject, public Pasteboard {
public:
    explicit QtPasteboard(QObject *parent = nullptr);
    explicit QtPasteboard(ReadLimits limits, QObject *parent = nullptr);
    ~QtPasteboard() override;

    std::int64_t changeCount() const override;
    std::vector<std::shared_ptr<const PasteboardItem>> pasteboardItems() const override;
    std::optional<std::vector<std::string>> propertyListForType(std::string_view type) const override;
    void clearContents() override;
    bool writeObjects(std::vector<std::shared_ptr<const StringPasteboardItem>> items) override;

private:
    void applyChange(const ClipboardWatcher::Change &change);
    void takeInAppCopy();

    std::shared_ptr<const ClipboardSnapshot> m_snapshot = std::make_shared<const ClipboardSnapshot>();
    std::int64_t m_changeCount = 0;
    bool m_writing = false;
    std::unique_ptr<ClipboardWatcher> m_watcher;
};

} // namespace nimbrel
