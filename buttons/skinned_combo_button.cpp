#include "buttons/skinned_combo_button.h"

#include <QFocusEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

#include <algorithm>
#include <utility>

#include "skin/skin_fonts.h"
#include "skin/skin_text.h"
#include "skin/skinned_menu.h"

namespace tavro {

namespace {

constexpr int kControlFontPixels = 15;
constexpr int kNewMenuHeight = 10;
constexpr int kMenuWidthInset = 2;

bool SameImage(const QImage& a, const QImage& b) {
    return a.cacheKey() == b.cacheKey();
}

}  // namespace

SkinnedComboButton::SkinnedComboButton(int id, QWidget* parent, QSize menuSize, int skinFontPixels)
    : PopUpButton(id, parent), menuSize_(menuSize), skinFontPixels_(skinFontPixels) {
    setFont(ControlFont(kControlFontPixels));
    menuTimer_.setInterval(kMenuTimerInterval);
    connect(&menuTimer_, &QTimer::timeout, this, [this] { onMenuTimer(); });
}

void SkinnedComboButton::addEntry(int code, const QString& text) {
    if (menu_ == nullptr) {
        menu_ = createMenu(static_cast<int>(tick_()),
                           QRect(0, 0, std::max(0, width() - kMenuWidthInset), kNewMenuHeight));
    }
    menu_->addEntry(code, text);
}

void SkinnedComboButton::sizeMenu() {
    if (menu_ != nullptr) {
        menu_->resize(menuSize_);
    } else {
        menu_ =
            createMenu(static_cast<int>(tick_()), QRect(0, 0, menuSize_.width(), kNewMenuHeight));
    }
}

void SkinnedComboButton::setImages(const QImage& normal, const QImage& hover, const QImage& pressed,
                                   const QImage& disabled) {
    const FourStateImages& held = images();
    if (SameImage(held[SkinState::Normal], normal) && SameImage(held[SkinState::Over], hover) &&
        SameImage(held[SkinState::Down], pressed) &&
        SameImage(held[SkinState::Disable], disabled)) {
        return;
    }
    setLooks(FourStateImages(normal, hover, pressed, disabled));
}

void SkinnedComboButton::useSkinFont() {
    setFont(SkinFont(skinFontPixels_));
    update();
}

void SkinnedComboButton::setAssignment(const QString& caption, int code, int parameter) {
    if (caption_ == caption && code_ == code && parameter_ == parameter) {
        return;
    }
    caption_ = caption;
    code_ = code;
    parameter_ = parameter;
    refreshAccessibleName();
    update();
}

QString SkinnedComboButton::captionOf(int code) const {
    const MenuItem* entry = menu_ != nullptr ? menu_->findEntry(code) : nullptr;
    return entry != nullptr ? entry->text : QString();
}

void SkinnedComboButton::setDrawCaption(bool draw) {
    if (drawCaption_ == draw) {
        return;
    }
    drawCaption_ = draw;
    refreshAccessibleName();
    update();
}

void SkinnedComboButton::setTickSource(TickSource source) {
    tick_ = source ? std::move(source) : TickSource(TickCount);
}

void SkinnedComboButton::onMenuTimer() {
    if (menu_ != nullptr && menu_->isVisible()) {
        lastSeenOpen_ = tick_();
    }
}

bool SkinnedComboButton::event(QEvent* event) {
    return dispatchOwnerEvent(event) || PopUpButton::event(event);
}

void SkinnedComboButton::onNotify(int id, int value) {
    if (id == kTopMostRequestId) {
        NotifyOwner(parent(), id, value);
        return;
    }
    const MenuItem* entry = menu_ != nullptr ? menu_->findEntry(value) : nullptr;
    if (entry == nullptr) {
        return;
    }
    // The parent may rebuild the menu while it handles the report.
    const QString text = entry->text;
    const QPointer<SkinnedComboButton> self(this);
    NotifyParent(this, value);
    if (self == nullptr) {
        return;
    }
    if (accept_) {
        caption_ = text;
        code_ = value;
        refreshAccessibleName();
        update();
    } else {
        accept_ = true;
    }
}

void SkinnedComboButton::paintContent(QPainter& painter) {
    if (drawCaption_) {
        const bool highlighted = isSelected() || visualState() == VisualState::Hover;
        DrawSkinText(painter, caption_, highlighted ? kHoverTextColour : kNormalTextColour, false,
                     true, rect().adjusted(kCaptionIndent, 0, 0, 0));
    }
}

void SkinnedComboButton::refreshAccessibleName() {
    // Assistive tools read the choice the button shows, and what it is for.
    setAccessibleName(showsChoice() ? caption_ : templateCaption());
    setAccessibleDescription(showsChoice() ? templateCaption() : QString());
}

void SkinnedComboButton::mousePressEvent(QMouseEvent* event) {
    PopUpButton::mousePressEvent(event);
    if (event->button() == Qt::LeftButton) {
        suppress_ = lastSeenOpen_.has_value() && tick_() - *lastSeenOpen_ < kReopenDelay;
    }
}

void SkinnedComboButton::focusOutEvent(QFocusEvent* event) {
    const bool tabbedAway =
        event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason;
    if (tabbedAway && menu_ != nullptr) {
        menu_->hideMenu();
    }
    PopUpButton::focusOutEvent(event);
}

void SkinnedComboButton::onPopUpRequested(Request request) {
    if (menu_ == nullptr) {
        return;
    }
    if (request == Request::Pointer) {
        if (!suppress_) {
            openMenu();
        }
        return;
    }
    if (menu_->isVisible()) {
        menu_->hideMenu();
        return;
    }
    openMenu();
    const std::vector<MenuItem>& entries = menu_->entries();
    const auto choice = std::find_if(entries.begin(), entries.end(),
                                     [this](const MenuItem& item) { return item.code == code_; });
    menu_->setHoveredIndex(choice != entries.end() ? static_cast<int>(choice - entries.begin())
                                                   : 0);
}

void SkinnedComboButton::openMenu() {
    suppress_ = true;
    menuTimer_.start();
    if (openUpward_) {
        const QPoint topLeft = mapToGlobal(QPoint(0, 0));
        menu_->showMenu(SkinnedMenu::kBottomLeft, topLeft.x(), topLeft.y());
    } else {
        const QPoint bottomLeft = mapToGlobal(QPoint(0, height()));
        menu_->showMenu(SkinnedMenu::kTopLeft, bottomLeft.x(), bottomLeft.y());
    }
}

}  // namespace tavro
