#pragma once

#include <QImage>
#include <QRect>

#include <array>
#include <filesystem>
#include <functional>

#include "skin/layout_rect.h"
#include "skin/skin_catalogue.h"
#include "skin/skin_files.h"

namespace tavro {

// The skin's catalogue images, loaded once on first use and kept for the life of the
// program, and the numbered elements cut or copied from them.
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

    explicit SkinResources(std::filesystem::path folder);

    SkinResources(const SkinResources&) = delete;
    SkinResources& operator=(const SkinResources&) = delete;

    // The process-wide skin every window shares, read from SkinFolder() unless a folder
    // was chosen before its first use.
    static SkinResources& Shared();
    static void UseSharedFolder(std::filesystem::path folder);

    const std::filesystem::path& folder() const { return folder_; }

    // Element `number` in `state`; cut elements take the caller's rectangle in sheet
    // pixels. Null on failure, and for a copy or shared element whose file is missing.
    QImage element(int number, SkinState state, const QRect& rect = QRect());
    // The looks of a placed control in one state, cut at its own rectangle.
    QImage element(const PlacedControl& control, SkinState state);

    // A loaded catalogue image by name: the page sheets for backgrounds and direct cuts.
    // Null when the file was missing or unreadable.
    const QImage& image(SkinFile file);

    // The pixels from rect.left() to rect.right() and rect.top() to rect.bottom() of
    // `source`, in its format; a null source reports the failure.
    QImage cut(const QImage& source, const QRect& rect);

    bool isLoaded() const { return loaded_; }
    // True once any failure was reported: the program is quitting.
    bool failed() const { return failureCount_ > 0; }
    int failureCount() const { return failureCount_; }

    // Replaces the message box and quit request, e.g. in tests.
    void setFailureHandler(FailureHandler handler);

private:
    void ensureLoaded();
    QImage fail();

    std::filesystem::path folder_;
    std::array<QImage, kSkinFileCount> images_;
    bool loaded_ = false;
    int failureCount_ = 0;
    FailureHandler failureHandler_;
};

// The default failure action: the message in a message box, then a quit request that
// takes effect when control returns to the event loop.
void ShowLoadFailureAndQuit(const char* message);

}  // namespace tavro
