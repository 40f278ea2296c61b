// Loads the generated skin afresh several times, in each picture set, and prints the time
// a load takes and the memory the loaded images hold: the whole catalogue, and the sheets
// the main window and its five pages cut from at start-up (the pop-ups' and the rename
// dialog's are read when one first opens). Targets: under 150 ms, under 60 MB.
#include <QImage>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <vector>

#include "skin/skin_resources.h"

namespace {

using tavro::SkinFile;

long ResidentKiB() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return resident * 4;
}

bool UsedAtStartUp(SkinFile file) {
    return file < SkinFile::ReNameNormal ||
           (file >= SkinFile::ScrollNormal && file <= SkinFile::ScrollDown);
}

struct Figures {
    std::vector<double> milliseconds;
    double megabytes = 0;
    long residentGrowthKiB = 0;
};

bool Measure(int pixelRatio, bool startUpOnly, Figures& figures) {
    constexpr int kRounds = 10;
    for (int round = 0; round < kRounds; ++round) {
        const long residentBefore = ResidentKiB();
        const auto start = std::chrono::steady_clock::now();
        tavro::SkinResources skin(TAVRO_SKIN_DIR, pixelRatio);
        qsizetype bytes = 0;
        for (int slot = 0; slot < tavro::kSkinFileCount; ++slot) {
            const auto file = static_cast<SkinFile>(slot);
            if (startUpOnly && !UsedAtStartUp(file)) {
                continue;
            }
            const QImage& image = skin.image(file);
            if (image.isNull()) {
                std::fprintf(stderr, "%s is missing from %s\n", tavro::kSkinFileNames[slot].data(),
                             TAVRO_SKIN_DIR);
                return false;
            }
            bytes += image.sizeInBytes();
        }
        const auto end = std::chrono::steady_clock::now();
        figures.milliseconds.push_back(
            std::chrono::duration<double, std::milli>(end - start).count());
        figures.megabytes = bytes / (1024.0 * 1024.0);
        if (round == 0) {
            figures.residentGrowthKiB = ResidentKiB() - residentBefore;
        }
    }
    std::sort(figures.milliseconds.begin(), figures.milliseconds.end());
    return true;
}

}  // namespace

int main() {
    for (int pixelRatio : {1, tavro::kHiDpiScale}) {
        for (bool startUpOnly : {false, true}) {
            // Each set is measured in a child of its own, so that every first load starts
            // from the same process.
            std::fflush(stdout);
            const pid_t child = fork();
            if (child != 0) {
                int status = 0;
                if (child < 0 || waitpid(child, &status, 0) != child || status != 0) {
                    return 1;
                }
                continue;
            }
            Figures figures;
            if (!Measure(pixelRatio, startUpOnly, figures)) {
                _exit(1);
            }
            const std::vector<double>& ms = figures.milliseconds;
            std::printf(
                "%d× set, %s: load min %.1f ms, median %.1f ms, max %.1f ms (target < 150 ms); "
                "%.1f MB of pixels, first load grew the process by %.1f MB (target < 60 MB)\n",
                pixelRatio,
                startUpOnly ? "start-up sheets (36 files)" : "whole catalogue (62 files)",
                ms.front(), ms[ms.size() / 2], ms.back(), figures.megabytes,
                figures.residentGrowthKiB / 1024.0);
            std::fflush(stdout);
            _exit(0);
        }
    }
    return 0;
}
