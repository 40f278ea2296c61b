// Loads the generated skin catalogue afresh several times and prints the time one load
// takes and the memory the loaded images hold. Targets: under 150 ms, under 60 MB.
#include <QImage>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <vector>

#include "skin/skin_resources.h"

namespace {

long ResidentKiB() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return resident * 4;
}

}  // namespace

int main() {
    constexpr int kRounds = 10;
    std::vector<double> milliseconds;
    double megabytes = 0;
    long residentGrowth = 0;
    for (int round = 0; round < kRounds; ++round) {
        const long residentBefore = ResidentKiB();
        const auto start = std::chrono::steady_clock::now();
        tavro::SkinResources skin(TAVRO_SKIN_DIR);
        skin.image(tavro::SkinFile::MainNormal);
        const auto end = std::chrono::steady_clock::now();
        milliseconds.push_back(std::chrono::duration<double, std::milli>(end - start).count());
        qsizetype bytes = 0;
        int loaded = 0;
        for (int slot = 0; slot < tavro::kSkinFileCount; ++slot) {
            const QImage& image = skin.image(static_cast<tavro::SkinFile>(slot));
            bytes += image.sizeInBytes();
            loaded += image.isNull() ? 0 : 1;
        }
        if (loaded != tavro::kSkinFileCount) {
            std::fprintf(stderr, "only %d of %d skin files loaded from %s\n", loaded,
                         tavro::kSkinFileCount, TAVRO_SKIN_DIR);
            return 1;
        }
        megabytes = bytes / (1024.0 * 1024.0);
        if (round == 0) {
            residentGrowth = ResidentKiB() - residentBefore;
        }
    }
    std::sort(milliseconds.begin(), milliseconds.end());
    std::printf(
        "skin catalogue load (62 files, %d rounds): min %.1f ms, median %.1f ms, "
        "max %.1f ms (target < 150 ms)\n",
        kRounds, milliseconds.front(), milliseconds[kRounds / 2], milliseconds.back());
    std::printf(
        "loaded skin images: %.1f MB of pixels, first load grew the process by %.1f MB "
        "(target < 60 MB)\n",
        megabytes, residentGrowth / 1024.0);
    return 0;
}
