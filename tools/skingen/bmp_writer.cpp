#include "bmp_writer.h"

#include <QFile>

#include <cstdint>
#include <vector>

namespace tavro::skingen {

namespace {

constexpr int kFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40;
constexpr int kV5HeaderSize = 124;
constexpr uint32_t kBitFields = 3;
constexpr uint32_t kSrgbColourSpace = 0x73524742;  // 'sRGB'
constexpr uint32_t kIntentImages = 4;

void Put16(std::vector<uint8_t>& out, uint32_t value) {
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

}  // namespace

bool WriteBmp(const QImage& source, const QString& path) {
    const bool alpha = source.hasAlphaChannel();
    const QImage image =
        source.convertToFormat(alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    const int width = image.width();
    const int height = image.height();
    const int bytesPerPixel = alpha ? 4 : 3;
    const int rowSize = (width * bytesPerPixel + 3) / 4 * 4;
    const int headerSize = alpha ? kV5HeaderSize : kInfoHeaderSize;
    const uint32_t pixelOffset = kFileHeaderSize + headerSize;
    const uint32_t pixelBytes = static_cast<uint32_t>(rowSize) * height;

    std::vector<uint8_t> out;
    out.reserve(pixelOffset + pixelBytes);
    out.push_back('B');
    out.push_back('M');
    Put32(out, pixelOffset + pixelBytes);
    Put32(out, 0);
    Put32(out, pixelOffset);

    Put32(out, headerSize);
    Put32(out, width);
    Put32(out, height);  // positive: rows bottom-up
    Put16(out, 1);
    Put16(out, bytesPerPixel * 8);
    Put32(out, alpha ? kBitFields : 0);
    Put32(out, pixelBytes);
    Put32(out, 2835);  // 72 dpi
    Put32(out, 2835);
    Put32(out, 0);
    Put32(out, 0);
    if (alpha) {
        Put32(out, 0x00FF0000);
        Put32(out, 0x0000FF00);
        Put32(out, 0x000000FF);
        Put32(out, 0xFF000000);
        Put32(out, kSrgbColourSpace);
        for (int i = 0; i < 12; ++i) {  // endpoints and gamma, unused for sRGB
            Put32(out, 0);
        }
        Put32(out, kIntentImages);
        Put32(out, 0);
        Put32(out, 0);
        Put32(out, 0);
    }

    for (int y = height - 1; y >= 0; --y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        const size_t start = out.size();
        for (int x = 0; x < width; ++x) {
            out.push_back(static_cast<uint8_t>(qBlue(row[x])));
            out.push_back(static_cast<uint8_t>(qGreen(row[x])));
            out.push_back(static_cast<uint8_t>(qRed(row[x])));
            if (alpha) {
                out.push_back(static_cast<uint8_t>(qAlpha(row[x])));
            }
        }
        out.resize(start + rowSize, 0);
    }

    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return false;
    }
    return file.write(reinterpret_cast<const char*>(out.data()), static_cast<qint64>(out.size())) ==
           static_cast<qint64>(out.size());
}

}  // namespace tavro::skingen
