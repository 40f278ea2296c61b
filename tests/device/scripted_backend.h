#pragma once

#include <cerrno>
#include <cstring>
#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "device/device_reports.h"
#include "device/hid_backend.h"

namespace tavro {

// A backend that plays back what a test scripts and logs what the link does with it,
// for the link's own rules; the commands run against the simulated mouse instead.
class ScriptedBackend final : public HidBackend {
public:
    // One answer to a get-feature call.
    struct Read {
        std::optional<HidError> error;
        StatusReport bytes{};
        size_t count = kStatusReportSize;
    };

    static HidError Error(int code) { return {code, std::strerror(code)}; }

    static Read Status(uint8_t status) {
        Read read;
        read.bytes[0] = kStatusReportId;
        read.bytes[1] = status;
        return read;
    }

    std::vector<HidInterfaceInfo> ListInterfaces() override { return interfaces; }

    HidResult<std::unique_ptr<HidDevice>> Open(const std::string& path) override {
        if (auto refused = openErrors.find(path); refused != openErrors.end()) {
            log.push_back("refuse " + path);
            return refused->second;
        }
        log.push_back("open " + path);
        return std::unique_ptr<HidDevice>(std::make_unique<Device>(*this, path));
    }

    std::vector<HidInterfaceInfo> interfaces;
    std::map<std::string, HidError> openErrors;
    std::deque<HidError> sendErrors;  // answers to the next sends; then they succeed
    std::deque<Read> reads;           // answers to the next gets; then reads fail
    std::vector<std::string> log;     // opens, refusals, locks and closes, in order
    bool lockTaken = false;           // another process holds the exchange lock
    std::vector<std::vector<uint8_t>> sent;
    std::vector<uint8_t> requestedIds;  // byte 0 of every get-feature buffer
    int openHandles = 0;

private:
    class Device final : public HidDevice {
    public:
        Device(ScriptedBackend& backend, std::string path)
            : backend_(backend), path_(std::move(path)) {
            ++backend_.openHandles;
        }
        ~Device() override {
            --backend_.openHandles;
            backend_.log.push_back("close " + path_);
        }

        HidResult<HidSent> SendFeatureReport(std::span<const uint8_t> report) override {
            backend_.sent.emplace_back(report.begin(), report.end());
            if (!backend_.sendErrors.empty()) {
                HidError error = backend_.sendErrors.front();
                backend_.sendErrors.pop_front();
                return error;
            }
            return HidSent{};
        }

        HidResult<size_t> GetFeatureReport(std::span<uint8_t> report) override {
            backend_.requestedIds.push_back(report[0]);
            if (backend_.reads.empty()) {
                return Error(EIO);
            }
            Read read = backend_.reads.front();
            backend_.reads.pop_front();
            if (read.error) {
                return *read.error;
            }
            std::copy(read.bytes.begin(), read.bytes.begin() + std::min(read.count, report.size()),
                      report.begin());
            return read.count;
        }

        bool LockExchanges(std::chrono::milliseconds) override {
            if (backend_.lockTaken) {
                backend_.log.push_back("lock busy " + path_);
                return false;
            }
            backend_.log.push_back("lock " + path_);
            return true;
        }
        void UnlockExchanges() override { backend_.log.push_back("unlock " + path_); }

    private:
        ScriptedBackend& backend_;
        std::string path_;
    };
};

}  // namespace tavro
