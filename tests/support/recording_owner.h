#pragma once

#include <QWidget>

#include <functional>
#include <utility>
#include <vector>

#include "skin/owner_notification.h"

namespace tavro {

// A window that keeps every report and command its controls send it, in order. A
// test may also act inside a report (as a page vetoing a choice does).
class RecordingOwner : public QWidget, public OwnerNotificationReceiver {
public:
    using Report = std::pair<int, int>;

    explicit RecordingOwner(QWidget* parent = nullptr) : QWidget(parent) {}

    std::vector<Report> reports;
    std::vector<int> commands;
    std::function<void(int id, int value)> duringReport;

    // The reports other than the (2234, 1) / (2234, 0) pairs around menu hiding.
    std::vector<Report> choices() const {
        std::vector<Report> result;
        for (const Report& report : reports) {
            if (report.first != kTopMostRequestId) {
                result.push_back(report);
            }
        }
        return result;
    }

protected:
    bool event(QEvent* event) override {
        return dispatchOwnerEvent(event) || QWidget::event(event);
    }
    void onNotify(int id, int value) override {
        reports.emplace_back(id, value);
        if (duringReport) {
            duringReport(id, value);
        }
    }
    void onCommand(int id) override { commands.push_back(id); }
};

}  // namespace tavro
