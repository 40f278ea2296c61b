#pragma once

#include <QApplication>
#include <QObject>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <deque>
#include <functional>
#include <utility>

namespace tavro {

// Acts from inside modal runs. Each step runs from whichever event loop is running when
// its turn comes: the next step is queued before a step acts, so the step after one that
// opens a modal window runs inside that window's loop, and the step after one that ends
// it runs in the loop beneath. A failed check closes every window, so that no loop is
// left waiting.
class ModalSteps {
public:
    ModalSteps() = default;
    ModalSteps(const ModalSteps&) = delete;
    ModalSteps& operator=(const ModalSteps&) = delete;

    ModalSteps& then(std::function<void()> step) {
        steps_.push_back(std::move(step));
        return *this;
    }

    // The first step runs in the next round of the event loop.
    void start() {
        QTimer::singleShot(0, &context_, [this] { runNext(); });
    }

    bool finished() const { return steps_.empty() && !failed_; }

    // Runs `dialog` (anything with run() → int) with the steps acting inside it: its
    // result, or kUnfinished when a step failed or was never reached.
    static constexpr int kUnfinished = 0;
    template <typename Dialog>
    int run(Dialog& dialog) {
        start();
        const int result = dialog.run();
        return finished() ? result : kUnfinished;
    }

private:
    void runNext() {
        if (steps_.empty()) {
            return;
        }
        std::function<void()> step = std::move(steps_.front());
        steps_.pop_front();
        start();
        step();
        if (QTest::currentTestFailed() && !failed_) {
            failed_ = true;
            steps_.clear();
            for (QWidget* window : QApplication::topLevelWidgets()) {
                window->close();
            }
        }
    }

    QObject context_;  // drops the queued step with the steps
    std::deque<std::function<void()>> steps_;
    bool failed_ = false;
};

// The modal window on top, as the widget type the step expects; null if it is another.
template <typename Window>
Window* TopModal() {
    return qobject_cast<Window*>(QApplication::activeModalWidget());
}

}  // namespace tavro
