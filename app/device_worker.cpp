#include "app/device_worker.h"

#include <QEventLoop>
#include <QMetaObject>

#include <memory>
#include <utility>

namespace tavro {

DeviceWorker::DeviceWorker(DeviceLink& link, QObject* parent)
    : QObject(parent), link_(link), thread_([this] { Loop(); }) {}

DeviceWorker::~DeviceWorker() {
    {
        const std::lock_guard<std::mutex> hold(mutex_);
        stopping_ = true;
        queue_.clear();
    }
    wake_.notify_one();
    thread_.join();
}

void DeviceWorker::Post(Job job, std::function<void()> done) {
    ++pending_;
    auto run = [this, job = std::move(job), done = std::move(done)]() mutable {
        job(link_);
        const LinkState after{link_.deviceFound(), link_.IsOpen()};
        // Queued to this object: dropped if the worker is gone by then.
        QMetaObject::invokeMethod(
            this,
            [this, after, done = std::move(done)] {
                state_ = after;
                if (done) {
                    done();
                }
                if (--pending_ == 0) {
                    emit becameIdle();
                }
            },
            Qt::QueuedConnection);
    };
    {
        const std::lock_guard<std::mutex> hold(mutex_);
        queue_.push_back(std::move(run));
    }
    wake_.notify_one();
}

bool DeviceWorker::Run(Job job) {
    struct Waiting {
        bool finished = false;
        QEventLoop* loop = nullptr;
    };
    // Shared with `done`, which may run after this call has given up waiting.
    auto waiting = std::make_shared<Waiting>();
    Post(std::move(job), [waiting] {
        waiting->finished = true;
        if (waiting->loop != nullptr) {
            waiting->loop->quit();
        }
    });
    if (!waiting->finished) {
        QEventLoop loop;
        waiting->loop = &loop;
        // Also returns when the program is asked to end.
        loop.exec(QEventLoop::ExcludeUserInputEvents);
        waiting->loop = nullptr;
    }
    return waiting->finished;
}

void DeviceWorker::WaitUntilIdle() {
    if (idle()) {
        return;
    }
    QEventLoop loop;
    const QMetaObject::Connection quit =
        connect(this, &DeviceWorker::becameIdle, &loop, &QEventLoop::quit);
    loop.exec();
    disconnect(quit);
}

void DeviceWorker::Loop() {
    for (;;) {
        std::function<void()> next;
        {
            std::unique_lock<std::mutex> hold(mutex_);
            wake_.wait(hold, [this] { return stopping_ || !queue_.empty(); });
            if (stopping_) {
                return;
            }
            next = std::move(queue_.front());
            queue_.pop_front();
        }
        next();
    }
}

}  // namespace tavro
