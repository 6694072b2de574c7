#include "platform/qt/qt_pasteboard.h"

#include "platform/pasteboard_types.h"
#include "platform/qt/mime_data_conversion.h"
#include "platform/qt/snapshot_building.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <xcb/xcb.h>

namespace nimbrel {
namespace {

ClipboardWatcher::OwnClient ownClient()
{
    const auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection())
        return {};
    const xcb_setup_t *setup = xcb_get_setup(x11->connection());
    return {setup->resource_id_base, setup->resource_id_mask};
}

QClipboard *systemClipboard()
{
    return qGuiApp ? QGuiApplication::clipboard() : nullptr;
}

} // namespace

QtPasteboard::QtPasteboard(QObject *parent)
    : QtPasteboard(ReadLimits{}, parent)
{
}

QtPasteboard::QtPasteboard(ReadLimits limits, QObject *parent)
    : QObject(parent)
{
    m_watcher = std::make_unique<ClipboardWatcher>(limits, ownClient(), [this](ClipboardWatcher::Change change) {
        QMetaObject::invokeMethod(this, [this, change] { applyChange(change); }, Qt::QueuedConnection);
    });
    if (QClipboard *clipboard = systemClipboard())
        connect(clipboard, &QClipboard::dataChanged, this, [this] { takeInAppCopy(); });
}

// The watcher's thread is joined first; changes it queued for this object die with it.
QtPasteboard::~QtPasteboard()
{
    m_watcher.reset();
}

std::int64_t QtPasteboard::changeCount() const
{
    return m_changeCount;
}

std::vector<std::shared_ptr<const PasteboardItem>> QtPasteboard::pasteboardItems() const
{
    return m_snapshot->items;
}

std::optional<std::vector<std::string>> QtPasteboard::propertyListForType(std::string_view type) const
{
    if (type != FilenamesPboardType)
        return std::nullopt;
    return m_snapshot->fileNames;
}

void QtPasteboard::clearContents()
{
    m_snapshot = std::make_shared<const ClipboardSnapshot>();
    ++m_changeCount;
    if (QClipboard *clipboard = systemClipboard()) {
        m_writing = true;
        // QClipboard::clear() only gives up what Qt owns, so take the clipboard first.
        clipboard->setMimeData(new QMimeData, QClipboard::Clipboard);
        clipboard->clear(QClipboard::Clipboard);
        m_writing = false;
    }
    m_watcher->noteOwnWrite();
}

bool QtPasteboard::writeObjects(std::vector<std::shared_ptr<const StringPasteboardItem>> items)
{
    auto snapshot = std::make_shared<ClipboardSnapshot>();
    for (const auto &item : items) {
        if (item)
            snapshot->items.push_back(item);
    }
    if (QClipboard *clipboard = systemClipboard()) {
        m_writing = true;
        clipboard->setMimeData(mimeDataOf(items).release(), QClipboard::Clipboard);
        m_writing = false;
    }
    m_snapshot = std::move(snapshot);
    ++m_changeCount;
    m_watcher->noteOwnWrite();
    return true;
}

void QtPasteboard::applyChange(const ClipboardWatcher::Change &change)
{
    // Read before one of our own writes took the clipboard: that write is newer.
    if (change.ownWrites != m_watcher->ownWrites())
        return;
    const bool wasEmpty = m_snapshot->items.empty();
    m_snapshot = change.snapshot;
    // Contents found at start-up are no change, and an empty clipboard emptied is none either
    // (our own clear, seen again by the watcher).
    if (change.initial || (wasEmpty && m_snapshot->items.empty()))
        return;
    ++m_changeCount;
}

// Qt reports every change, other applications' included; only a copy made in one of our windows
// leaves Qt owning the clipboard, and the watcher skips it as our own.
void QtPasteboard::takeInAppCopy()
{
    QClipboard *clipboard = systemClipboard();
    if (m_writing || !clipboard->ownsClipboard())
        return;
    const QMimeData *mimeData = clipboard->mimeData(QClipboard::Clipboard);
    // Should another application have taken the clipboard meanwhile, Qt hands out its proxy,
    // whose every read would wait for that application on this thread; the watcher reads it.
    if (!mimeData || mimeData->inherits("QInternalMimeData"))
        return;
    m_snapshot = std::make_shared<const ClipboardSnapshot>(snapshotOfOwner(contentsOf(*mimeData)));
    ++m_changeCount;
    m_watcher->noteOwnWrite();
}

} // namespace nimbrel
