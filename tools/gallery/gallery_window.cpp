#include "tools/gallery/gallery_window.h"

#include <array>
#include <cstdio>

#include "app/main_window_layout.h"
#include "buttons/vok_combo_button.h"
#include "skin/layout_qt.h"
#include "skin/place_control.h"
#include "skin/vok_static.h"
#include "tools/gallery/gallery_pages.h"

namespace tavro::gallery {

namespace {

constexpr std::array<const char*, 11> kLanguages = {
    "English", "German",  "Spanish", "French", "Japanese",   "Chinese",
    "Koream",  "Russian", "Hindi",   "Arabic", "Portuguese",
};
constexpr int kVersionFontHeight = 13;

}  // namespace

GalleryWindow::GalleryWindow(SkinResources& skin) {
    using namespace main_window_layout;
    setWindowTitle(QStringLiteral("TAVRO control gallery"));
    setBackground(skin.element(0, SkinState::Normal));
    const auto placeButton = [&](const PlacedControl& control, const QString& caption) {
        auto* button = CreatePlaced<CVokButton>(control, this);
        button->setImages(
            {skin.element(control, SkinState::Normal), skin.element(control, SkinState::Over),
             skin.element(control, SkinState::Down), skin.element(control, SkinState::Disable)});
        button->setText(caption);
        return button;
    };
    for (const PlacedControl& tab : kTabs) {
        tabs_.push_back(placeButton(tab, QString::fromUtf8(tab.caption)));
    }
    for (int slot = 0; slot < 5; ++slot) {
        placeButton(kProfileBar[slot].profile, QStringLiteral("Profile %1").arg(slot + 1))
            ->setSelected(slot == 0);
        placeButton(kProfileBar[slot].menu, QString());
    }
    for (const PlacedControl& button : kBottomButtons) {
        placeButton(button, QString::fromUtf8(button.caption));
    }
    auto* language = CreatePlaced<CVokComboButton>(kLanguageButton, this);
    language->setImages(skin.element(kLanguageButton, SkinState::Normal),
                        skin.element(kLanguageButton, SkinState::Over),
                        skin.element(kLanguageButton, SkinState::Down));
    language->useSkinFont();
    for (int code = 0; code < static_cast<int>(kLanguages.size()); ++code) {
        language->addEntry(code, QString::fromUtf8(kLanguages[code]));
    }
    language->setAssignment(language->captionOf(0), 0, 0);
    language->setOpenUpward(true);
    auto* version = CreatePlaced<CVokStatic>(kVersionLabel, this);
    version->setFontHeight(kVersionFontHeight);
    version->setText(QStringLiteral("1.24"));
    pages_ = BuildPages(
        skin, [this](const QString& line) { log(line); }, this);
    for (GalleryPage* page : pages_) {
        page->embedAsPage(this, ToQRect(kPageArea));
    }
    showPage(0);
}

void GalleryWindow::showPage(int index) {
    for (int i = 0; i < static_cast<int>(pages_.size()); ++i) {
        pages_[i]->setVisible(i == index);
        tabs_[i]->setSelected(i == index);
    }
}

void GalleryWindow::onNotify(int id, int value) {
    log(QStringLiteral("window: report (%1, %2)").arg(id).arg(value));
}

void GalleryWindow::onCommand(int id) {
    for (int i = 0; i < static_cast<int>(tabs_.size()); ++i) {
        if (ControlId(tabs_[i]) == id) {
            showPage(i);
        }
    }
    log(QStringLiteral("window: command %1").arg(id));
}

void GalleryWindow::log(const QString& line) {
    setWindowTitle(line);
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

}  // namespace tavro::gallery
