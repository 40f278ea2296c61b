#include "contact_sheet.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdio>

#include "paint.h"
#include "skin/skin_image_file.h"
#include "skin_outputs.h"

namespace tavro::skingen {

namespace {

constexpr int kMargin = 24;
constexpr int kGap = 20;
constexpr int kTitleHeight = 28;
constexpr int kNameHeight = 20;
constexpr QRgb kOutline = 0xFF00D8FF;

struct Row {
    SheetFamily family;
    std::vector<QImage> images;
    int width = 0;
    int height = 0;
};

void DrawChecker(QPainter& painter, const QRect& rect) {
    painter.save();
    painter.setClipRect(rect);
    for (int y = rect.top(); y < rect.bottom(); y += 8) {
        for (int x = rect.left(); x < rect.right(); x += 8) {
            const bool dark = ((x - rect.left()) / 8 + (y - rect.top()) / 8) % 2 == 0;
            painter.fillRect(QRect(x, y, 8, 8), dark ? QColor(60, 60, 64) : QColor(84, 84, 90));
        }
    }
    painter.restore();
}

void DrawOutlines(QPainter& painter, QPoint origin, const std::vector<Outline>& outlines) {
    const QFont font = ThemeFont(9, Weight::SemiBold);
    painter.setFont(font);
    for (const Outline& outline : outlines) {
        if (outline.rect.empty()) {
            continue;
        }
        const QRect rect = R(outline.rect).translated(origin);
        painter.setPen(QPen(Colour(kOutline), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5));
        const QRect tag(rect.x(), rect.y(),
                        painter.fontMetrics().horizontalAdvance(outline.label) + 4, 11);
        painter.fillRect(tag, QColor(0, 0, 0, 170));
        painter.setPen(Colour(kOutline));
        painter.drawText(tag, Qt::AlignCenter, outline.label);
    }
}

}  // namespace

bool WriteContactSheet(const std::filesystem::path& skinFolder, const QString& pngPath,
                       const QString& only) {
    std::vector<Row> rows;
    for (SheetFamily& family : SheetFamilies()) {
        if (!only.isEmpty() && !family.title.contains(only, Qt::CaseInsensitive)) {
            continue;
        }
        Row row;
        row.family = std::move(family);
        for (const QString& name : row.family.fileNames) {
            QImage image = LoadImageFile(skinFolder / name.toStdString());
            if (image.isNull()) {
                std::fprintf(stderr, "skingen: cannot read %s\n", qPrintable(name));
                return false;
            }
            row.width += image.width() + kGap;
            row.height = std::max(row.height, image.height());
            row.images.push_back(std::move(image));
        }
        rows.push_back(std::move(row));
    }
    int width = 600;
    int height = kMargin;
    for (const Row& row : rows) {
        width = std::max(width, row.width + 2 * kMargin);
        height += kTitleHeight + row.height + kNameHeight + kGap;
    }

    QImage sheet(width, height, QImage::Format_RGB32);
    sheet.fill(QColor(44, 45, 48));
    QPainter painter(&sheet);
    BeginPainter(painter);
    int y = kMargin;
    for (const Row& row : rows) {
        DrawText(painter, QRect(kMargin, y, width, kTitleHeight - 6), row.family.title, 0xFFFFFFFF,
                 ThemeFont(15, Weight::SemiBold));
        y += kTitleHeight;
        int x = kMargin;
        for (size_t i = 0; i < row.images.size(); ++i) {
            const QImage& image = row.images[i];
            const QRect place(QPoint(x, y), image.size());
            if (image.hasAlphaChannel()) {
                DrawChecker(painter, place);
            }
            painter.drawImage(place.topLeft(), image);
            DrawOutlines(painter, place.topLeft(), row.family.outlines);
            DrawText(painter, QRect(x, y + row.height + 2, image.width() + kGap, kNameHeight - 4),
                     row.family.fileNames[i], 0xFFB0B0B0, ThemeFont(11));
            x += image.width() + kGap;
        }
        y += row.height + kNameHeight + kGap;
    }
    painter.end();
    return sheet.save(pngPath, "PNG");
}

}  // namespace tavro::skingen
