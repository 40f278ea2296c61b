#pragma once

#include <QImage>
#include <QString>

#include <functional>
#include <vector>

#include "sheets.h"

namespace tavro::skingen {

// One file the generator writes.
struct SkinOutput {
    QString fileName;
    std::function<QImage()> paint;
};

// A group of pictures shown side by side on the contact sheet, with the control
// rectangles outlined on each.
struct SheetFamily {
    QString title;
    std::vector<QString> fileNames;
    std::vector<Outline> outlines;
};

// Every picture of the skin folder except the font: the catalogue files, the
// surface-quality pictures and the motion pictures.
std::vector<SkinOutput> SkinOutputs();

std::vector<SheetFamily> SheetFamilies();

}  // namespace tavro::skingen
