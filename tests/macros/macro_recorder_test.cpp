#include "macros/macro_recorder.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "device/config_image.h"

namespace tavro {
namespace {

using Recorded = MacroRecorder::RecordedKey;

constexpr uint8_t kA = 0x41;
constexpr uint8_t kB = 0x42;
constexpr uint8_t kShift = 0xA0;
constexpr MacroRecorder::Options kNoDelays{false, false};
constexpr MacroRecorder::Options kDelays{true, false};
constexpr MacroRecorder::Options kHold{false, true};

// The watcher's reports at their times, in milliseconds of the tick count.
struct Report {
    uint32_t at;
    uint8_t key;
    bool released;
};

class MacroRecorderTest : public ::testing::Test {
protected:
    std::vector<Recorded> Feed(std::initializer_list<Report> reports,
                               MacroRecorder::Options options) {
        std::vector<Recorded> recorded;
        for (const Report& report : reports) {
            now_ = report.at;
            if (auto event = recorder_.OnKey(report.key, report.released, options)) {
                recorded.push_back(*event);
            }
        }
        return recorded;
    }
    void StartAt(uint32_t at) {
        now_ = at;
        recorder_.Start();
    }

    uint32_t now_ = 0;
    MacroRecorder recorder_{[this] { return now_; }};
};

TEST_F(MacroRecorderTest, WithoutRecordDelayEveryDelayIsZero) {
    StartAt(1000);
    const auto recorded =
        Feed({{1200, kA, false}, {1300, kA, true}, {1900, kB, false}, {2400, kB, true}}, kNoDelays);
    EXPECT_EQ(recorded, (std::vector<Recorded>{{kA, 0, 0}, {kA, 1, 0}, {kB, 0, 0}, {kB, 1, 0}}));
}

TEST_F(MacroRecorderTest, DelaysCountFromTheStartAndThenFromTheReportBefore) {
    StartAt(1000);
    const auto recorded = Feed({{1250, kA, false}, {1330, kA, true}, {1930, kB, false}}, kDelays);
    EXPECT_EQ(recorded, (std::vector<Recorded>{{kA, 0, 250}, {kA, 1, 80}, {kB, 0, 600}}));
}

TEST_F(MacroRecorderTest, AHeldKeyGivesOnePressAndOneRelease) {
    // Held for a second: the desktop repeats the press from 500 ms on.
    StartAt(0);
    const auto recorded = Feed(
        {{100, kA, false}, {600, kA, false}, {633, kA, false}, {666, kA, false}, {1100, kA, true}},
        kDelays);
    // The release's delay counts from the last repeat, which moved the clock on.
    EXPECT_EQ(recorded, (std::vector<Recorded>{{kA, 0, 100}, {kA, 1, 434}}));
}

TEST_F(MacroRecorderTest, RecordHoldLeavesReleasesOut) {
    StartAt(0);
    const auto recorded =
        Feed({{10, kA, false}, {20, kA, true}, {30, kB, false}, {40, kB, true}}, kHold);
    EXPECT_EQ(recorded, (std::vector<Recorded>{{kA, 0, 0}, {kB, 0, 0}}));
}

TEST_F(MacroRecorderTest, TheLastKeyPairSurvivesBetweenRecordings) {
    StartAt(0);
    Feed({{10, kShift, false}, {20, kA, false}, {30, kA, true}}, kNoDelays);
    recorder_.Stop();
    StartAt(100);
    // The first report repeats the last one of the recording before: dropped.
    const auto recorded = Feed({{110, kA, true}, {120, kA, false}}, kNoDelays);
    EXPECT_EQ(recorded, (std::vector<Recorded>{{kA, 0, 0}}));
}

TEST_F(MacroRecorderTest, ReportsOutsideARecordingChangeNothing) {
    EXPECT_TRUE(Feed({{10, kA, false}}, kDelays).empty());
    StartAt(0);
    recorder_.Stop();
    EXPECT_TRUE(Feed({{20, kA, false}}, kDelays).empty());
    // Not even the last key pair: the same press is recorded once recording.
    StartAt(30);
    EXPECT_EQ(Feed({{40, kA, false}}, kDelays), (std::vector<Recorded>{{kA, 0, 10}}));
}

TEST_F(MacroRecorderTest, DelaysSurviveTheWrapOfTheTickCountAndStopAtWhatTheMouseHolds) {
    StartAt(0xFFFFFF00u);
    EXPECT_EQ(Feed({{0x100, kA, false}}, kDelays), (std::vector<Recorded>{{kA, 0, 0x200}}));
    // Five hours later: the image keeps 24 bits of a delay.
    EXPECT_EQ(Feed({{0x100 + 5 * 3600 * 1000, kA, true}}, kDelays),
              (std::vector<Recorded>{{kA, 1, kMaxImageDelay}}));
}

TEST_F(MacroRecorderTest, AKeyWithoutACodeIsNotRecordedButTakesItsTime) {
    StartAt(0);
    EXPECT_EQ(Feed({{100, 0, false}, {150, kA, false}}, kDelays),
              (std::vector<Recorded>{{kA, 0, 50}}));
}

}  // namespace
}  // namespace tavro
