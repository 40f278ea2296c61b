// Commands that talk to the mouse, real or simulated.
#include <unistd.h>

#include <array>
#include <cstdio>

#include "device/device_commands.h"
#include "device/lift_distance.h"
#include "profile/storage_paths.h"
#include "sensor/sensor_values.h"
#include "tools/tavroctl/command_support.h"
#include "tools/tavroctl/commands.h"
#include "tools/tavroctl/exit_codes.h"
#include "tools/tavroctl/mouse_session.h"

namespace tavroctl {
namespace {

using tavro::DeviceResult;

bool NoArguments(Arguments& args) {
    std::vector<std::string> rest;
    return args.TakePositionals(0, rest);
}

std::optional<int> TakeSlotArgument(Arguments& args) {
    std::vector<std::string> words;
    return args.TakePositionals(1, words) ? ParseNumber(words[0], 0, tavro::kProfileCount - 1)
                                          : std::nullopt;
}

bool IsVendorCollection(const tavro::HidInterfaceInfo& info) {
    return info.usagePage == tavro::kTavroUsagePage && info.usage == tavro::kTavroUsage;
}

bool IsTavro(const tavro::HidInterfaceInfo& info) {
    return info.vendorId == tavro::kTavroVendorId && info.productId == tavro::kTavroProductId;
}

}  // namespace

int RunList(const CommandLine& line, Arguments& args) {
    if (!NoArguments(args)) {
        return UsageError(line, args.Error());
    }
    MouseSession session(line);
    // Searching first lists what the search saw, even while a device is still arriving.
    const int searched = session.Search();
    if (searched == kExitUsage) {
        return searched;
    }
    const bool found = searched == kExitOk;
    std::vector<tavro::HidInterfaceInfo> interfaces;
    for (const tavro::HidInterfaceInfo& info : session.backend().ListInterfaces()) {
        if (IsTavro(info)) {
            interfaces.push_back(info);
        }
    }
    bool marked = false;
    for (const tavro::HidInterfaceInfo& info : interfaces) {
        const bool used = found && !marked && IsVendorCollection(info) &&
                          info.path == session.link().LastSearch().path;
        marked = marked || used;
        std::printf("%s usage_page=0x%04x usage=0x%04x%s\n", info.path.c_str(), info.usagePage,
                    info.usage, used ? " (used)" : "");
    }
    return found ? kExitOk : kExitNoMouse;
}

int RunInfo(const CommandLine& line, Arguments& args) {
    if (!NoArguments(args)) {
        return UsageError(line, args.Error());
    }
    MouseSession session(line);
    if (const int connected = session.Connect(); connected != kExitOk) {
        return connected;
    }
    uint16_t version = 0;
    const bool versionRead =
        tavro::ReadFirmwareVersion(session.link(), version) == DeviceResult::kDone;
    uint8_t slot = 0;
    const bool slotRead = tavro::ReadActiveProfile(session.link(), slot) == DeviceResult::kDone;
    if (versionRead) {
        std::printf("firmware: %.2f\n", version / 100.0);
    } else {
        std::printf("firmware: -.--\n");
    }
    if (slotRead) {
        std::printf("active profile: %d\n", slot);
    } else {
        std::printf("active profile: -\n");
    }
    return versionRead && slotRead ? kExitOk : kExitFailed;
}

int RunSelect(const CommandLine& line, Arguments& args) {
    const std::optional<int> slot = TakeSlotArgument(args);
    if (!slot) {
        return UsageError(line, args.HasError() ? args.Error() : "SLOT is 0-4");
    }
    MouseSession session(line);
    if (const int connected = session.Connect(); connected != kExitOk) {
        return connected;
    }
    if (tavro::SelectProfile(session.link(), static_cast<uint8_t>(*slot)) != DeviceResult::kDone) {
        std::fprintf(stderr, "tavroctl: the mouse did not select profile %d\n", *slot);
        return kExitFailed;
    }
    return kExitOk;
}

int RunApply(const CommandLine& line, Arguments& args) {
    const std::optional<std::string> dir = args.TakeOption("--dir");
    const std::optional<std::string> selectText = args.TakeOption("--select");
    // -1: no select after the images; -2: a slot that is not one.
    const int select =
        selectText ? ParseNumber(*selectText, 0, tavro::kProfileCount - 1).value_or(-2) : -1;
    if (args.HasError() || select == -2 || !NoArguments(args)) {
        return UsageError(line, args.HasError() ? args.Error() : "--select takes a slot 0-4");
    }
    // The default folder may not exist yet (no profile saved: all defaults); a folder
    // the user named must, or a typing error would write defaults into every slot.
    std::error_code error;
    if (dir && !std::filesystem::is_directory(*dir, error)) {
        std::fprintf(stderr, "tavroctl: %s: not a folder; nothing was sent\n", dir->c_str());
        return kExitUsage;
    }
    const std::filesystem::path folder =
        dir ? std::filesystem::path(*dir) : tavro::ProfilePath(0).parent_path();

    // Like the program's Apply: every profile is packed before the first image is sent,
    // and one that is there but does not load stops everything: the mouse keeps what it
    // has rather than get that slot's defaults.
    std::array<tavro::DeviceProfile, tavro::kProfileCount> devices;
    std::array<std::string, tavro::kProfileCount> notes;
    for (int slot = 0; slot < tavro::kProfileCount; ++slot) {
        const std::string name = "Default" + std::to_string(slot + 1) + ".profile";
        tavro::ProfileRecord record;
        const tavro::FileResult loaded = LoadSlotProfile(folder / name, slot, record);
        if (loaded.status == tavro::FileStatus::kMissing) {
            notes[slot] = " (defaults: no " + name + ")";
        } else if (!loaded) {
            std::fprintf(stderr, "tavroctl: %s; nothing was sent\n",
                         tavro::Describe(loaded).c_str());
            return kExitUsage;
        }
        tavro::PackProfile(record, devices[slot]);
    }

    MouseSession session(line);
    if (const int connected = session.Connect(); connected != kExitOk) {
        return connected;
    }
    bool allWritten = true;
    for (int slot = 0; slot < tavro::kProfileCount; ++slot) {
        const DeviceResult result = tavro::WriteImage(session.link(), devices[slot]);
        const char* text = result == DeviceResult::kDone      ? "written"
                           : result == DeviceResult::kRefused ? kRefusedText
                                                              : "failed";
        std::printf("slot %d: %s%s\n", slot, text, notes[slot].c_str());
        std::fflush(stdout);
        allWritten = allWritten && result == DeviceResult::kDone;
    }
    bool selected = true;
    if (select >= 0) {
        selected = tavro::SelectProfile(session.link(), static_cast<uint8_t>(select)) ==
                   DeviceResult::kDone;
        std::printf("select %d: %s\n", select, selected ? "done" : "failed");
    }
    return allWritten && selected ? kExitOk : kExitFailed;
}

int RunLod(const CommandLine& line, Arguments& args) {
    std::vector<std::string> words;
    if (!args.TakePositionals(2, words) || (words[0] != "test" && words[0] != "save")) {
        return UsageError(line, args.HasError() ? args.Error() : "lod test N or lod save N");
    }
    const std::optional<int> distance = ParseNumber(words[1], -1000000, 1000000);
    if (!distance) {
        return UsageError(line, "N is a whole number");
    }
    MouseSession session(line);
    if (const int connected = session.Connect(); connected != kExitOk) {
        return connected;
    }
    const uint8_t clamped = tavro::LiftDistanceForCommand(*distance);
    const bool test = words[0] == "test";
    const DeviceResult result = test ? tavro::TestLiftDistance(session.link(), clamped)
                                     : tavro::SaveLiftDistance(session.link(), clamped);
    if (result != DeviceResult::kDone) {
        std::fprintf(stderr, "%s\n", test ? "Test_LOD failed." : "Save_LOD failed.");
        return kExitFailed;
    }
    return kExitOk;
}

int RunSurface(const CommandLine& line, Arguments& args) {
    const std::optional<std::string> countdownText = args.TakeOption("--countdown");
    const std::optional<int> countdown =
        countdownText ? ParseNumber(*countdownText, 0, 3600) : std::optional<int>(10);
    if (args.HasError() || !countdown || !NoArguments(args)) {
        return UsageError(line, args.HasError() ? args.Error() : "--countdown takes seconds");
    }
    MouseSession session(line);
    if (const int connected = session.Connect(); connected != kExitOk) {
        return connected;
    }
    if (tavro::StartSurfaceAnalysis(session.link()) != DeviceResult::kDone) {
        std::fprintf(stderr, "tavroctl: the mouse did not start the surface analysis\n");
        return kExitFailed;
    }
    // Keep moving the mouse over the surface while the mouse measures.
    const bool terminal = isatty(STDERR_FILENO);
    for (int left = *countdown; left > 0; --left) {
        std::fprintf(stderr,
                     terminal ? "\rMove the mouse over the surface: %2d s " : "measuring: %d s\n",
                     left);
        std::fflush(stderr);
        session.link().Pause(std::chrono::seconds(1));
    }
    if (terminal && *countdown > 0) {
        std::fprintf(stderr, "\rMove the mouse over the surface: done\n");
    }
    uint8_t quality = 0;
    if (tavro::ReadSurfaceQuality(session.link(), quality) != DeviceResult::kDone) {
        std::fprintf(stderr, "tavroctl: the mouse did not report the surface quality\n");
        return kExitFailed;
    }
    std::printf("quality: %d level: %d\n", quality, tavro::SurfaceLevelFromQuality(quality));
    return kExitOk;
}

}  // namespace tavroctl
