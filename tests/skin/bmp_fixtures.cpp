#include "bmp_fixtures.h"

#include <cstdint>
#include <vector>

namespace tavro::test {

namespace {

constexpr uint32_t kRgb = 0;
constexpr uint32_t kRle8 = 1;
constexpr uint32_t kBitFields = 3;

void Put16(QByteArray& out, uint32_t v) {
    out.append(char(v & 0xFF));
    out.append(char((v >> 8) & 0xFF));
}

void Put32(QByteArray& out, uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

// Palette index of each pixel, top row first: 0 red, 1 blue, 2 green.
int IndexAt(int x, int y, bool twoColours) {
    if (!twoColours && x == 0 && y == 0) {
        return 2;
    }
    return x < kFixtureWidth / 2 ? 0 : 1;
}

constexpr QRgb kColours[3] = {0xFFFF0000, 0xFF0000FF, 0xFF00FF00};

// File header, info header (40 bytes, or 124 for V5) and what follows it.
QByteArray Assemble(int bitCount, uint32_t compression, const QByteArray& extra,
                    const QByteArray& pixels, bool v5 = false) {
    QByteArray info;
    Put32(info, v5 ? 124 : 40);
    Put32(info, kFixtureWidth);
    Put32(info, kFixtureHeight);  // bottom-up
    Put16(info, 1);
    Put16(info, bitCount);
    Put32(info, compression);
    Put32(info, uint32_t(pixels.size()));
    Put32(info, 2835);
    Put32(info, 2835);
    Put32(info, bitCount <= 8 ? (1u << bitCount) : 0);
    Put32(info, 0);
    QByteArray file("BM");
    const uint32_t offset = 14 + uint32_t(info.size() + extra.size());
    Put32(file, offset + uint32_t(pixels.size()));
    Put32(file, 0);
    Put32(file, offset);
    return file + info + extra + pixels;
}

QByteArray Palette(int count) {
    QByteArray palette;
    for (int i = 0; i < count; ++i) {
        const QRgb c = i < 3 ? kColours[i] : 0xFF000000;
        palette.append(char(qBlue(c)));
        palette.append(char(qGreen(c)));
        palette.append(char(qRed(c)));
        palette.append(char(0));
    }
    return palette;
}

QByteArray IndexedRows(int bits) {
    QByteArray pixels;
    const int rowBytes = (kFixtureWidth * bits + 31) / 32 * 4;
    for (int y = kFixtureHeight - 1; y >= 0; --y) {
        std::vector<uint8_t> row(rowBytes, 0);
        for (int x = 0; x < kFixtureWidth; ++x) {
            const int index = IndexAt(x, y, bits == 1);
            const int bit = x * bits;
            row[bit / 8] |= uint8_t(index << (8 - bits - bit % 8));
        }
        pixels.append(reinterpret_cast<const char*>(row.data()), rowBytes);
    }
    return pixels;
}

QByteArray Rle8Rows() {
    QByteArray pixels;
    for (int y = kFixtureHeight - 1; y >= 0; --y) {
        int x = 0;
        while (x < kFixtureWidth) {
            const int index = IndexAt(x, y, false);
            int run = 1;
            while (x + run < kFixtureWidth && IndexAt(x + run, y, false) == index) {
                ++run;
            }
            pixels.append(char(run));
            pixels.append(char(index));
            x += run;
        }
        pixels.append(char(0));  // end of line
        pixels.append(char(0));
    }
    pixels.append(char(0));  // end of bitmap
    pixels.append(char(1));
    return pixels;
}

QByteArray TrueColourRows(int bytesPerPixel, bool rgb565) {
    QByteArray pixels;
    const int rowBytes = (kFixtureWidth * bytesPerPixel + 3) / 4 * 4;
    for (int y = kFixtureHeight - 1; y >= 0; --y) {
        QByteArray row;
        for (int x = 0; x < kFixtureWidth; ++x) {
            const QRgb c = kColours[IndexAt(x, y, false)];
            if (rgb565) {
                Put16(row, uint32_t((qRed(c) >> 3) << 11 | (qGreen(c) >> 2) << 5 | qBlue(c) >> 3));
                continue;
            }
            row.append(char(qBlue(c)));
            row.append(char(qGreen(c)));
            row.append(char(qRed(c)));
            if (bytesPerPixel == 4) {
                row.append(char(0x80));
            }
        }
        row.resize(rowBytes, '\0');
        pixels.append(row);
    }
    return pixels;
}

}  // namespace

QByteArray BmpFixture(BmpVariant variant) {
    switch (variant) {
        case BmpVariant::Palette1:
            return Assemble(1, kRgb, Palette(2), IndexedRows(1));
        case BmpVariant::Palette4:
            return Assemble(4, kRgb, Palette(16), IndexedRows(4));
        case BmpVariant::Palette8:
            return Assemble(8, kRgb, Palette(256), IndexedRows(8));
        case BmpVariant::Rle8:
            return Assemble(8, kRle8, Palette(256), Rle8Rows());
        case BmpVariant::Rgb565: {
            QByteArray masks;
            Put32(masks, 0xF800);
            Put32(masks, 0x07E0);
            Put32(masks, 0x001F);
            return Assemble(16, kBitFields, masks, TrueColourRows(2, true));
        }
        case BmpVariant::Rgb24:
            return Assemble(24, kRgb, {}, TrueColourRows(3, false));
        case BmpVariant::Argb32: {
            // The rest of a BITMAPV5HEADER after the 40 bytes: masks, colour space,
            // endpoints, gamma, intent, profile.
            QByteArray v5;
            Put32(v5, 0x00FF0000);
            Put32(v5, 0x0000FF00);
            Put32(v5, 0x000000FF);
            Put32(v5, 0xFF000000);
            Put32(v5, 0x73524742);  // 'sRGB'
            for (int i = 0; i < 12; ++i) {
                Put32(v5, 0);
            }
            Put32(v5, 4);
            Put32(v5, 0);
            Put32(v5, 0);
            Put32(v5, 0);
            return Assemble(32, kBitFields, v5, TrueColourRows(4, false), true);
        }
    }
    return {};
}

}  // namespace tavro::test
