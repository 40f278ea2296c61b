// Saves and loads the five profiles and a library of 200 macros of 20 events each, as
// an Apply and a start of the program do, syncs included, and prints the times.
//
// Usage: tavro-bench-files [folder]   (default: a new folder under the temporary folder)

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "macros/macro_library.h"
#include "macros/macro_model.h"
#include "profile/profile_file.h"

namespace {

using namespace tavro;
using Clock = std::chrono::steady_clock;

constexpr int kRounds = 7;
constexpr int kMacros = 200;
constexpr int kEventsPerMacro = 20;

std::vector<CMacro> MakeLibrary() {
    std::vector<CMacro> library;
    for (int m = 0; m < kMacros; ++m) {
        CMacro macro;
        macro.areaRect = {0, 0, 200, 199};
        macro.id = 16 + m;
        macro.name = u"Macro " + std::u16string(1, char16_t(u'A' + m % 26)) +
                     std::u16string(std::to_string(m).begin(), std::to_string(m).end());
        for (int e = 0; e < kEventsPerMacro; ++e) {
            macro.AddEvent(uint8_t(EventKind::Key), int16_t(0x41 + e / 2), uint8_t(e % 2), 15 * e,
                           InsertMode::Append);
        }
        library.push_back(std::move(macro));
    }
    return library;
}

std::vector<ProfileRecord> MakeProfiles(const std::vector<CMacro>& library,
                                        const std::filesystem::path& folder) {
    std::vector<ProfileRecord> profiles(kProfileCount);
    for (int slot = 0; slot < kProfileCount; ++slot) {
        ProfileRecord& r = profiles[size_t(slot)];
        r.slot = uint8_t(slot);
        r.name = DefaultProfileName(slot);
        r.filePath = folder / "Profiles" / ("Default" + std::to_string(slot + 1) + ".profile");
        for (int b = 3; b < 7; ++b) {
            r.buttons[size_t(b)].function = 14;
            r.buttons[size_t(b)].parameter = int16_t(16 + b);
            r.buttonMacros[size_t(b)] = *CopyForButton(library, 16 + b);
        }
    }
    return profiles;
}

bool SaveAll(std::vector<ProfileRecord>& profiles, std::vector<CMacro>& library,
             const std::filesystem::path& folder) {
    bool ok = true;
    for (const ProfileRecord& r : profiles) {
        ok = SaveProfile(r, r.filePath, ProfilePlace::kDataFolder).ok() && ok;
    }
    return SaveLibrary(folder / "Macros", library).ok() && ok;
}

bool LoadAll(std::vector<ProfileRecord>& profiles, const std::filesystem::path& folder) {
    bool ok = true;
    for (ProfileRecord& r : profiles) {
        ok = LoadProfile(r.filePath, r).ok() && ok;
    }
    std::vector<CMacro> loaded;
    const LibraryLoadReport report = LoadLibrary(folder / "Macros", loaded);
    return ok && report.index.ok() && report.skipped.empty() && loaded.size() == size_t(kMacros);
}

double Milliseconds(const std::function<bool()>& work) {
    const auto start = Clock::now();
    if (!work()) {
        std::fprintf(stderr, "a save or load failed\n");
        std::exit(1);
    }
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void Print(const char* what, const std::vector<double>& times) {
    std::printf("%-46s median %7.2f ms   best %7.2f ms\n", what, Median(times),
                *std::min_element(times.begin(), times.end()));
}

}  // namespace

int main(int argc, char** argv) {
    const std::filesystem::path base =
        argc > 1 ? std::filesystem::path(argv[1])
                 : std::filesystem::temp_directory_path() / "tavro-bench-files";
    std::filesystem::remove_all(base);

    std::vector<double> firstSave, load, changedSave, unchangedSave, roundTrip;
    for (int round = 0; round < kRounds; ++round) {
        const std::filesystem::path folder = base / std::to_string(round);
        std::vector<CMacro> library = MakeLibrary();
        std::vector<ProfileRecord> profiles = MakeProfiles(library, folder);

        firstSave.push_back(Milliseconds([&] { return SaveAll(profiles, library, folder); }));
        load.push_back(Milliseconds([&] { return LoadAll(profiles, folder); }));
        roundTrip.push_back(firstSave.back() + load.back());

        for (CMacro& macro : library) {
            macro.events[0].delay += 1;
        }
        for (ProfileRecord& r : profiles) {
            r.dpiX1 = int16_t(r.dpiX1 + 100);
        }
        changedSave.push_back(Milliseconds([&] { return SaveAll(profiles, library, folder); }));
        unchangedSave.push_back(Milliseconds([&] { return SaveAll(profiles, library, folder); }));
    }
    std::printf("5 profiles, library of %d macros x %d events, %d rounds, in %s\n", kMacros,
                kEventsPerMacro, kRounds, base.c_str());
    Print("save into an empty folder (durable)", firstSave);
    Print("load", load);
    Print("round trip: save + load (target < 50 ms)", roundTrip);
    Print("save over the files, every file changed", changedSave);
    Print("save again, nothing changed", unchangedSave);
    std::filesystem::remove_all(base);
    return 0;
}
