#pragma once

#include "platform/pasteboard.h"
#include "platform/qt/clipboard_backend.h"
#include "platform/qt/clipboard_snapshot.h"

#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>
#include <vector>

namespace nimbrel {

// The desktop clipboard as the program sees it, on the GUI thread. The backend reads each change
// by another program off the GUI thread; the change count rises here when that read is done, so
// every query answers from the last snapshot without waiting. The program's own writes go to the
// backend, which serves them to other programs.
class QtPasteboard final : public QObject, public Pasteboard {
    Q_OBJECT
public:
    // A null or unreachable backend gives a clipboard that stays empty and refuses writes.
    explicit QtPasteboard(std::unique_ptr<ClipboardBackend> backend, QObject *parent = nullptr);
    ~QtPasteboard() override;

    std::int64_t changeCount() const override;
    std::vector<std::shared_ptr<const PasteboardItem>> pasteboardItems() const override;
    std::optional<std::vector<std::string>> propertyListForType(std::string_view type) const override;
    void clearContents() override;
    bool writeObjects(std::vector<std::shared_ptr<const StringPasteboardItem>> items) override;
    // Waits at most handOverPatience, serving the manager meanwhile from the backend's thread.
    void handOverContents() override;

    // Runs then as soon as the snapshot is of the newest contents the backend has seen (at once
    // when it already is), so that what acts on the clipboard acts on what is really there. A read
    // ends within the read limit, so the wait does too; past it, then runs all the same.
    void whenCurrent(std::function<void()> then);
    // Whether the clipboard can be reached now: false while its connection is down.
    bool reachable() const;

signals:
    void changeCountRaised();

private:
    bool isCurrent() const;
    void applyChange(const ClipboardBackend::Change &change);
    void raiseChangeCount();
    void runWaiting();
    void carryOutClear();

    std::unique_ptr<ClipboardBackend> m_backend;
    bool m_started = false;
    std::shared_ptr<const ClipboardSnapshot> m_snapshot = std::make_shared<const ClipboardSnapshot>();
    std::uint64_t m_generation = 0;
    std::int64_t m_changeCount = 0;
    // A clear waits for the end of the event loop's turn: a write in the same turn (a text
    // action clears, then writes) replaces it, so the clipboard is never empty in between.
    bool m_clearPending = false;
    std::uint64_t m_clearBasis = 0;
    std::vector<std::function<void()>> m_waiting;
    QTimer m_waitLimit;
    // glibc keeps the pages that reading a large text and dropping the one before freed: once it
    // has freed a mapped block it takes blocks up to that size (up to 32 MiB) from its heap, and
    // it keeps the heap's free pages, 15 to 30 MiB for good after a copy of 50 MB. A trim once the
    // clipboard has settled gives them back. (A fixed bound for mapping blocks would too, but
    // would map every such block afresh, which slows the reading of large texts by half.)
    QTimer m_trimDelay;
};

} // namespace nimbrel
