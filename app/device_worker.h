#pragma once

#include <QObject>

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

#include "device/device_link.h"

namespace tavro {

// The program's one device thread. Exchanges with the mouse block for their fixed
// pauses (an Apply for over two seconds), so they run here, one job at a time in the
// order they were posted, while the window's event loop goes on. The link is used by
// this thread alone while a job runs; the owner keeps from touching it meanwhile.
class DeviceWorker : public QObject {
    Q_OBJECT

public:
    using Job = std::function<void(DeviceLink&)>;

    // What the link held after the last job, for questions that must not wait.
    struct LinkState {
        bool deviceFound = false;
        bool open = false;
    };

    explicit DeviceWorker(DeviceLink& link, QObject* parent = nullptr);
    // Lets a running job finish and drops the ones still waiting.
    ~DeviceWorker() override;
    DeviceWorker(const DeviceWorker&) = delete;
    DeviceWorker& operator=(const DeviceWorker&) = delete;

    // Runs `job` on the device thread after every job posted before it, then `done` on
    // the owner's thread.
    void Post(Job job, std::function<void()> done = {});

    // Runs `job` and returns once it is done, so that it looks synchronous to the
    // caller. Meanwhile the window repaints and timers run; user input waits until the
    // call returns, as it would have during a blocking exchange. False when the
    // program's loop ended before the job did.
    bool Run(Job job);

    // Nothing posted whose `done` has not yet run.
    bool idle() const { return pending_ == 0; }
    const LinkState& linkState() const { return state_; }

    // Keeps the event loop running until the worker is idle.
    void WaitUntilIdle();

signals:
    // The last pending job's `done` has run.
    void becameIdle();

private:
    void Loop();

    DeviceLink& link_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::function<void()>> queue_;
    bool stopping_ = false;
    int pending_ = 0;  // the owner's thread only
    LinkState state_;
    std::thread thread_;
};

}  // namespace tavro
