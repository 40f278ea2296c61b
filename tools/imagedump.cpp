// Prints the configuration image of each of the five default profiles as a hex dump.
#include <cstdio>

#include "device/config_image.h"
#include "profile/profile_record.h"
#include "profile/text_codec.h"

int main() {
    for (int slot = 0; slot < tavro::kProfileCount; ++slot) {
        tavro::ProfileRecord record;
        record.slot = static_cast<uint8_t>(slot);
        record.name = tavro::DefaultProfileName(slot);
        tavro::DeviceProfile device;
        tavro::PackProfile(record, device);
        tavro::ConfigImage image;
        tavro::EncodeImage(device, image);

        std::printf("%s (slot %d)\n", tavro::Utf16ToUtf8(record.name).c_str(), slot);
        for (size_t row = 0; row < image.size(); row += 16) {
            std::printf("%04zx ", row);
            for (size_t i = row; i < row + 16; ++i) {
                std::printf(" %02x", image[i]);
            }
            std::printf("\n");
        }
        std::printf("\n");
    }
    return 0;
}
