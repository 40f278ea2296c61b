#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <atomic>

#include <thread>
#include <vector>

#include "app/device_worker.h"
#include "sim/sim_backend.h"
#include "tests/support/recording_sleeper.h"

namespace tavro {

class DeviceWorkerTest : public QObject {
    Q_OBJECT

private slots:
    void jobsRunInTurnOffTheWindowsThreadAndReportBackOnIt() {
        SimMouse mouse;
        SimHidBackend backend(mouse);
        RecordingSleeper sleeper;
        DeviceLink link(backend, sleeper);
        DeviceWorker worker(link);
        QSignalSpy idle(&worker, &DeviceWorker::becameIdle);
        QVERIFY(worker.idle());

        std::vector<int> ran;  // written by the device thread, read after idle
        std::vector<int> done;
        std::thread::id jobThread;
        const std::thread::id windowThread = std::this_thread::get_id();
        bool doneOnWindowThread = true;
        for (int job = 0; job < 3; ++job) {
            worker.Post(
                [&, job](DeviceLink& device) {
                    jobThread = std::this_thread::get_id();
                    ran.push_back(job);
                    if (job == 0) {
                        device.FindDevice();
                    }
                },
                [&, job] {
                    doneOnWindowThread =
                        doneOnWindowThread && std::this_thread::get_id() == windowThread;
                    done.push_back(job);
                });
        }
        QVERIFY(!worker.idle());
        worker.WaitUntilIdle();
        QCOMPARE(ran, (std::vector<int>{0, 1, 2}));
        QCOMPARE(done, (std::vector<int>{0, 1, 2}));
        QVERIFY(jobThread != windowThread);
        QVERIFY(doneOnWindowThread);
        QCOMPARE(idle.count(), 1);
        QVERIFY(worker.linkState().deviceFound);
        QVERIFY(worker.linkState().open);
    }

    void aCallThatLooksSynchronousKeepsTheLoopGoing() {
        SimMouse mouse;
        SimHidBackend backend(mouse);
        RecordingSleeper sleeper;
        DeviceLink link(backend, sleeper);
        DeviceWorker worker(link);
        bool timerFired = false;
        // The job waits until the window's loop has run a timer.
        std::atomic<bool> seen = false;
        QTimer::singleShot(1, [&] {
            timerFired = true;
            seen = true;
        });
        const bool finished = worker.Run([&](DeviceLink& device) {
            while (!seen) {
                std::this_thread::yield();
            }
            device.FindDevice();
        });
        QVERIFY(finished);
        QVERIFY(timerFired);
        QVERIFY(worker.linkState().open);
        QVERIFY(worker.idle());
    }
};

}  // namespace tavro

QTEST_GUILESS_MAIN(tavro::DeviceWorkerTest)
#include "device_worker_test.moc"
