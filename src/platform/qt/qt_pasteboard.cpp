#include "platform/qt/qt_pasteboard.h"

#include "platform/pasteboard_types.h"
#include "platform/qt/clipboard_offer.h"

#include <QCoreApplication>

#include <malloc.h>

#include <cstdio>

namespace nimbrel {
namespace {

// How long a caller of whenCurrent waits at most: the read limit and some time to spare.
constexpr std::chrono::milliseconds waitMargin{1000};
// How long the hand-over to a clipboard manager may hold up the program's end.
constexpr std::chrono::milliseconds handOverPatience{2000};
// How long the clipboard stays unchanged before the memory freed meanwhile is given back.
constexpr std::chrono::seconds trimDelay{1};

} // namespace

QtPasteboard::QtPasteboard(std::unique_ptr<ClipboardBackend> backend, QObject *parent)
    : QObject(parent)
    , m_backend(std::move(backend))
{
    m_waitLimit.setSingleShot(true);
    m_waitLimit.setInterval(ReadLimits{}.time + waitMargin);
    connect(&m_waitLimit, &QTimer::timeout, this, &QtPasteboard::runWaiting);
    m_trimDelay.setSingleShot(true);
    m_trimDelay.setInterval(trimDelay);
    connect(&m_trimDelay, &QTimer::timeout, this, [] { malloc_trim(0); });
    m_started = m_backend && m_backend->start([this](ClipboardBackend::Change change) {
        QMetaObject::invokeMethod(this, [this, change] { applyChange(change); }, Qt::QueuedConnection);
    });
    if (!m_started)
        std::fprintf(stderr, "nimbrel: %s\n",
                     qPrintable(QCoreApplication::translate(
                         "QtPasteboard", "cannot reach the clipboard; it stays empty")));
}

// The backend's threads are joined first; changes they queued for this object die with it.
QtPasteboard::~QtPasteboard()
{
    m_backend.reset();
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
    raiseChangeCount();
    if (!m_started || m_clearPending)
        return;
    m_clearPending = true;
    m_clearBasis = m_generation;
    QMetaObject::invokeMethod(this, &QtPasteboard::carryOutClear, Qt::QueuedConnection);
}

void QtPasteboard::carryOutClear()
{
    // A copy that arrived since the clear was asked for is newer than the wish to clear.
    if (!std::exchange(m_clearPending, false) || m_generation != m_clearBasis)
        return;
    m_backend->clear();
}

bool QtPasteboard::writeObjects(std::vector<std::shared_ptr<const StringPasteboardItem>> items)
{
    // A refused write means newer contents are being read: the clear that came with the write
    // must not empty them either.
    m_clearPending = false;
    if (!m_started || !m_backend->write(std::make_shared<const ClipboardOffer>(offerOf(items)), m_generation))
        return false;
    auto snapshot = std::make_shared<ClipboardSnapshot>();
    for (const auto &item : items) {
        if (item)
            snapshot->items.push_back(item);
    }
    m_snapshot = std::move(snapshot);
    raiseChangeCount();
    return true;
}

void QtPasteboard::handOverContents()
{
    if (m_started)
        m_backend->handOver(handOverPatience);
}

void QtPasteboard::whenCurrent(std::function<void()> then)
{
    if (isCurrent()) {
        then();
        return;
    }
    m_waiting.push_back(std::move(then));
    if (!m_waitLimit.isActive())
        m_waitLimit.start();
}

bool QtPasteboard::reachable() const
{
    return m_started && m_backend->connected();
}

bool QtPasteboard::isCurrent() const
{
    return !m_started || m_generation == m_backend->latestGeneration();
}

void QtPasteboard::applyChange(const ClipboardBackend::Change &change)
{
    if (change.generation < m_generation)
        return;
    m_generation = change.generation;
    const bool wasEmpty = m_snapshot->items.empty();
    m_snapshot = change.snapshot;
    m_trimDelay.start();
    // Contents found at start-up are no change, and an empty clipboard emptied is none either
    // (the program's own clear, seen again by the backend).
    if (!change.initial && !(wasEmpty && m_snapshot->items.empty()))
        raiseChangeCount();
    if (isCurrent())
        runWaiting();
}

void QtPasteboard::raiseChangeCount()
{
    ++m_changeCount;
    emit changeCountRaised();
}

void QtPasteboard::runWaiting()
{
    m_waitLimit.stop();
    // A waiting action may wait again (by writing, say); it then waits on a list of its own.
    for (auto &then : std::exchange(m_waiting, {}))
        then();
}

} // namespace nimbrel
