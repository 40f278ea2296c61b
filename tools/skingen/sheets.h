#pragma once

#include <QImage>
#include <QString>

#include <vector>

#include "skin/layout_rect.h"
#include "skin/skin_files.h"

// Painters of every skin picture. A sheet painter draws its whole window or page with
// every control in one state; the Normal sheet is also the background.
namespace tavro::skingen {

// A control rectangle outlined on the contact sheet.
struct Outline {
    LayoutRect rect;
    QString label;
};

QImage PaintMainSheet(SkinState state);
std::vector<Outline> MainOutlines();

QImage PaintMouseSettingsSheet(SkinState state);
std::vector<Outline> MouseSettingsOutlines();

QImage PaintSensorSheet(SkinState state);
std::vector<Outline> SensorOutlines();

QImage PaintLightingBackground();
QImage PaintLightingSheet(SkinState state);
std::vector<Outline> LightingOutlines();

QImage PaintMacroBackground();
QImage PaintMacroSheet(SkinState state);
std::vector<Outline> MacroOutlines();

QImage PaintSupportSheet(SkinState state);
std::vector<Outline> SupportOutlines();

QImage PaintRenameSheet(SkinState state);
std::vector<Outline> RenameOutlines();

QImage PaintPopupSheet(int mode, SkinState state);
// The rectangles of any pop-up mode, the file warning's included.
std::vector<Outline> PopupOutlines(int mode);

// The warning for a profile file that could not be read or written (Normal and Over).
QImage PaintFileWarningSheet(SkinState state);

}  // namespace tavro::skingen
