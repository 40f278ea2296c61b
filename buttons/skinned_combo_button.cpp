#include "buttons/skinned_combo_button.h"

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
    : QAbstractButton(parent), menuSize_(menuSize), skinFontPixels_(skinFontPixels) {
    SetControlId(this, id);
    setMouseTracking(true);
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
    if (SameImage(images_[SkinState::Normal], normal) &&
        SameImage(images_[SkinState::Over], hover) &&
        SameImage(images_[SkinState::Down], pressed) &&
        SameImage(images_[SkinState::Disable], disabled)) {
        return;
    }
    images_ = FourStateImages(normal, hover, pressed, disabled);
    update();
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
    update();
}

QString SkinnedComboButton::captionOf(int code) const {
    const MenuItem* entry = menu_ != nullptr ? menu_->findEntry(code) : nullptr;
    return entry != nullptr ? entry->text : QString();
}

void SkinnedComboButton::setSelected(bool selected) {
    if (selected_ == selected) {
        return;
    }
    selected_ = selected;
    update();
}

void SkinnedComboButton::setDrawCaption(bool draw) {
    if (drawCaption_ == draw) {
        return;
    }
    drawCaption_ = draw;
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
    return dispatchOwnerEvent(event) || QAbstractButton::event(event);
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
        update();
    } else {
        accept_ = true;
    }
}

void SkinnedComboButton::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    SkinState look = static_cast<SkinState>(state_);
    if (!isEnabled() && images_.has(SkinState::Disable)) {
        look = SkinState::Disable;
    } else if (selected_) {
        look = SkinState::Down;
    }
    DrawStretched(painter, images_[look], rect());
    if (drawCaption_) {
        const bool highlighted = selected_ || state_ == kHover;
        DrawSkinText(painter, caption_, highlighted ? kHoverTextColour : kNormalTextColour, false,
                     true, rect().adjusted(kCaptionIndent, 0, 0, 0));
    }
}

void SkinnedComboButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        state_ = kPressed;
        update();
        suppress_ = lastSeenOpen_.has_value() && tick_() - *lastSeenOpen_ < kReopenDelay;
    }
    QAbstractButton::mousePressEvent(event);
}

void SkinnedComboButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        state_ = kNormal;
        update();
        if (menu_ != nullptr && !suppress_) {
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
    }
    QAbstractButton::mouseReleaseEvent(event);
}

void SkinnedComboButton::mouseMoveEvent(QMouseEvent* event) {
    const HoverTracker::Change change = hover_.onMove(*this, event->position().toPoint());
    if (change != HoverTracker::Change::None) {
        state_ = change == HoverTracker::Change::Entered ? kHover : kNormal;
        update();
    }
    QAbstractButton::mouseMoveEvent(event);
}

void SkinnedComboButton::leaveEvent(QEvent* event) {
    if (hover_.onLeave() == HoverTracker::Change::Left) {
        state_ = kNormal;
        update();
    }
    QAbstractButton::leaveEvent(event);
}

}  // namespace tavro
