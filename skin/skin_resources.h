#pragma once

#include <QImage>
#include <QRect>

#include <array>
#include <filesystem>
#include <functional>
#include <string_view>

#include "skin/layout_rect.h"
#include "skin/skin_catalogue.h"
#include "skin/skin_files.h"

namespace tavro {

// The skin's catalogue images and the numbered elements cut or copied from them. Each
// file is read once, when it is first asked for (directly or through an element), and
// kept for the life of the program; a file that could not be read is not tried again.
// Sheets nobody asks for (the pop-ups' until a pop-up opens) take no memory.
//
// One picture set is loaded, chosen when the skin is first used: on a screen whose device
// pixel ratio is above 1 the 2× files ("Main_Normal@2x.bmp"), each falling back to its 1×
// file when missing, else the 1× files. A 2× image has a device pixel ratio of 2, so it
// covers the same logical size as its 1× file; rectangles in page pixels are scaled by
// the sheet's ratio when cutting, and a cut keeps that ratio.
//
// Copies and cuts are new pictures owned by the caller; a shared element is the loaded
// image itself (same QImage data, so its cacheKey() matches the slot's). A cut keeps
// the pixel format and transparency of its sheet.
//
// A cut from a missing sheet, or an element or state outside the catalogue, reports
// "ui load failed!" (by default in a message box, then a request to quit the program)
// and returns a null image; failed() then tells the pages to build nothing further.
class SkinResources {
public:
    using FailureHandler = std::function<void(const char* message)>;

    static constexpr const char* kLoadFailedMessage = "ui load failed!";

    // `pixelRatio` 1 or 2 chooses the set; 0 chooses by the screens when first used.
    explicit SkinResources(std::filesystem::path folder, int pixelRatio = 0);

    SkinResources(const SkinResources&) = delete;
    SkinResources& operator=(const SkinResources&) = delete;

    // The process-wide skin every window shares, read from SkinFolder() unless a folder
    // was chosen before its first use.
    static SkinResources& Shared();
    static void UseSharedFolder(std::filesystem::path folder);

    const std::filesystem::path& folder() const { return folder_; }
    // The set in use: 1 or 2, chosen on first use unless given.
    int pixelRatio();

    // Element `number` in `state`; cut elements take the caller's rectangle in sheet
    // pixels. Null on failure, and for a copy or shared element whose file is missing.
    QImage element(int number, SkinState state, const QRect& rect = QRect());
    // The looks of a placed control in one state, cut at its own rectangle.
    QImage element(const PlacedControl& control, SkinState state);

    // A loaded catalogue image by name: the page sheets for backgrounds and direct cuts.
    // Null when the file was missing or unreadable.
    const QImage& image(SkinFile file);

    // The pixels from rect.left() to rect.right() and rect.top() to rect.bottom() of
    // `source` (in page pixels, so scaled by the source's device pixel ratio), in its
    // format; a null source reports the failure.
    QImage cut(const QImage& source, const QRect& rect);

    // A picture of the skin folder outside the catalogue (the surface-quality and motion
    // pictures), of the set in use; owned by the caller, read anew on every call. Null
    // when missing.
    QImage picture(std::string_view fileName);

    // True once the file of `file` has been read (or tried).
    bool isRead(SkinFile file) const { return read_[static_cast<int>(file)]; }
    // True once any failure was reported: the program is quitting.
    bool failed() const { return failureCount_ > 0; }
    int failureCount() const { return failureCount_; }

    // Replaces the message box and quit request, e.g. in tests.
    void setFailureHandler(FailureHandler handler);

private:
    QImage load(std::string_view fileName);
    QImage fail();

    std::filesystem::path folder_;
    int pixelRatio_;
    std::array<QImage, kSkinFileCount> images_;
    std::array<bool, kSkinFileCount> read_{};
    int failureCount_ = 0;
    FailureHandler failureHandler_;
};

// The default failure action: the message in a message box, then a quit request that
// takes effect when control returns to the event loop.
void ShowLoadFailureAndQuit(const char* message);

}  // namespace tavro
