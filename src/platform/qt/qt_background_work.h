#pragma once

#include "platform/background_work.h"

#include <QObject>

#include <cstdint>
#include <map>
#include <thread>

namespace nimbrel {

// Each work on a thread of its own; its completion is posted to the thread that owns this object
// (the main thread), which ends the work's thread once the completion has run.
class QtBackgroundWork final : public QObject, public BackgroundWork {
    Q_OBJECT
public:
    explicit QtBackgroundWork(QObject *parent = nullptr);
    // Stops every work first: none may outlive what it was given.
    ~QtBackgroundWork() override;

    void start(Work work) override;
    void stopAll() override;

private:
    std::map<std::uint64_t, std::jthread> m_threads;
    std::uint64_t m_nextWork = 0;
};

} // namespace nimbrel
