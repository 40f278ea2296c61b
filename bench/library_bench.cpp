// Loads the largest macro library the program writes (kMaxLibraryMacros macros of
// kMaxMacroEvents events with names of kMaxMacroNameUnits units) and two hostile ones
// (one oversized file named by every entry; an index claiming millions of entries),
// each in a process of its own, and prints the load time and the peak memory the load
// added.
//
// Usage: tavro-bench-library [folder]   (default: a new folder under the temporary folder)
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "macros/macro_file.h"
#include "macros/macro_library.h"
#include "macros/macro_limits.h"
#include "profile/data_stream.h"

namespace {

using namespace tavro;

// The process's peak resident memory so far (VmHWM), in KiB.
long PeakKiB() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::strtol(line.c_str() + 6, nullptr, 10);
        }
    }
    return -1;
}

// Runs `work` in a child process, so that each figure starts from a fresh process.
bool InChild(const std::function<bool()>& work) {
    std::fflush(stdout);
    const pid_t child = ::fork();
    if (child == 0) {
        const bool ok = work();
        std::fflush(stdout);
        std::_Exit(ok ? 0 : 1);
    }
    int status = 0;
    return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

bool WriteLargestLibrary(const std::filesystem::path& folder) {
    std::vector<CMacro> library(kMaxLibraryMacros);
    for (int m = 0; m < kMaxLibraryMacros; ++m) {
        CMacro& macro = library[size_t(m)];
        macro.id = 16 + m;
        const std::string number = std::to_string(m);
        macro.name = std::u16string(number.begin(), number.end());
        macro.name.resize(kMaxMacroNameUnits, u'x');
        for (int e = 0; e < kMaxMacroEvents; ++e) {
            macro.AddEvent(1, int16_t(0x41 + e % 26), uint8_t(e % 2), e, InsertMode::Append);
        }
    }
    return SaveLibrary(folder, library).ok();
}

bool WriteRepeatedBigFile(const std::filesystem::path& folder) {
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "big.macro").close();
    std::filesystem::resize_file(folder / "big.macro", 64 * 1024 * 1024);
    const std::vector<std::u16string> entries(100, u"big.macro");
    return EncodeIndex(entries).SaveFile(folder / std::string(kMacroIndexFileName)).ok();
}

bool WriteMillionsOfEntries(const std::filesystem::path& folder) {
    std::filesystem::create_directories(folder);
    constexpr uint32_t kEntries = 16'000'000;
    DataStream index;
    index.WriteU32(kEntries);
    if (!index.SaveFile(folder / std::string(kMacroIndexFileName)).ok()) {
        return false;
    }
    std::filesystem::resize_file(folder / std::string(kMacroIndexFileName), 4 + 4ull * kEntries);
    return true;
}

void Measure(const char* what, const std::filesystem::path& folder) {
    InChild([&] {
        const long before = PeakKiB();
        const auto start = std::chrono::steady_clock::now();
        std::vector<CMacro> library;
        const LibraryLoadReport report = LoadLibrary(folder, library);
        const double ms =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count();
        std::printf("%-44s %5zu macros  %8.1f ms  peak +%6.1f MB\n", what, library.size(), ms,
                    double(PeakKiB() - before) / 1024.0);
        return report.index.ok();
    });
}

}  // namespace

int main(int argc, char** argv) {
    const std::filesystem::path base =
        argc > 1 ? std::filesystem::path(argv[1])
                 : std::filesystem::temp_directory_path() / "tavro-bench-library";
    std::filesystem::remove_all(base);
    if (!InChild([&] { return WriteLargestLibrary(base / "largest"); }) ||
        !WriteRepeatedBigFile(base / "repeated") || !WriteMillionsOfEntries(base / "millions")) {
        std::fprintf(stderr, "could not write the libraries under %s\n", base.c_str());
        return 1;
    }
    std::printf("bounds: %d macros, %d events, %d name units, files up to %lld bytes\n",
                kMaxLibraryMacros, kMaxMacroEvents, kMaxMacroNameUnits,
                static_cast<long long>(kMaxMacroFileSize));
    Measure("largest library the program writes", base / "largest");
    Measure("one 64 MiB file listed 100 times", base / "repeated");
    Measure("an index of 16 million empty entries", base / "millions");
    std::filesystem::remove_all(base);
    return 0;
}
