#include "buttons/pop_dlg.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMetaObject>
#include <QTimer>

#include <cassert>

#include "buttons/button_functions.h"
#include "buttons/key_names.h"
#include "buttons/skinned_combo_button.h"
#include "device/mouse_actions.h"
#include "platform/key_hook_event.h"
#include "platform/keyboard_watcher.h"
#include "skin/layout_qt.h"
#include "skin/modal_dialog.h"
#include "skin/skin_files.h"
#include "skin/skin_fonts.h"
#include "skin/vok_button.h"
#include "skin/vok_static.h"

namespace tavro {

namespace {

constexpr int kKeyNameFontHeight = 14;
constexpr int kSmallestKeyNameFontHeight = 8;
constexpr int kCountdownFontHeight = 12;

const popup_layout::PopupLayout& LayoutOf(int mode) {
    const popup_layout::PopupLayout* layout = popup_layout::FindMode(mode);
    assert(layout != nullptr && "not a pop-up mode");
    return *layout;
}

// The template's label is narrow for the longer key names ("Browser Refresh"): they get a
// smaller font rather than losing their ends.
int KeyNameFontHeight(const QString& name, int width) {
    int height = kKeyNameFontHeight;
    while (height > kSmallestKeyNameFontHeight &&
           QFontMetrics(SkinFont(height)).horizontalAdvance(name) > width) {
        --height;
    }
    return height;
}

bool IsKeyEvent(const QEvent* event) {
    return event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease ||
           event->type() == QEvent::ShortcutOverride;
}

}  // namespace

CPopDlg::CPopDlg(int mode, QWidget* owner, SkinResources& skin)
    : CVokImageDialog(owner != nullptr ? owner->window() : nullptr,
                      Qt::Dialog | Qt::FramelessWindowHint),
      layout_(LayoutOf(mode)),
      skin_(skin),
      ok_(new CVokButton(popup_layout::kOkId, this)),
      cancel_(new CVokButton(popup_layout::kCancelId, this)),
      close_(new CVokButton(popup_layout::kCloseId, this)),
      time_(new CVokStatic(popup_layout::kTimeId, this)),
      image_(new CVokStatic(popup_layout::kImageId, this)) {
    setWindowTitle(QStringLiteral("TAVRO"));
    setBackground(skin_.element(mode, SkinState::Normal));
    placeButton(ok_, layout_.ok);
    placeButton(cancel_, layout_.cancel);
    placeButton(close_, layout_.close);
    placeLabel(time_, layout_.time);
    placeLabel(image_, layout_.image);
}

CPopDlg::~CPopDlg() {
    if (watcher_ != nullptr) {
        watcher_->Remove(this);
    }
}

void CPopDlg::setMouseActions(MouseActions& mouse) {
    mouse_ = &mouse;
}

void CPopDlg::setKeyCapture(SkinnedComboButton& target, KeyboardWatcher& watcher) {
    target_ = &target;
    watcher_ = &watcher;
}

void CPopDlg::setMessageSink(MessageSink sink) {
    messageSink_ = std::move(sink);
}

void CPopDlg::setScheduler(Scheduler scheduler) {
    scheduler_ = std::move(scheduler);
}

int CPopDlg::run() {
    const QPointer<CPopDlg> alive(this);
    running_ = true;
    open();
    CentreOnParentWindow(*this);
    const int result = runModal();
    if (!alive) {
        return kNotConfirmed;
    }
    running_ = false;
    if (capturesKeys()) {
        if (watcher_ != nullptr) {
            watcher_->Remove(this);
        }
        // The capture is opened while the button reports the menu's "Single Key": however
        // it ends, the button keeps what the pop-up left in it rather than that entry.
        if (target_ != nullptr) {
            target_->setAccept(false);
        }
    }
    return result;
}

bool CPopDlg::event(QEvent* event) {
    if (event->type() == KeyHookEvent::EventType()) {
        onKeyEvent(static_cast<const KeyHookEvent*>(event)->virtualKey());
        return true;
    }
    // Every key is the key to capture, Tab, Enter and Escape too: none of them acts.
    if (capturesKeys() && IsKeyEvent(event)) {
        event->accept();
        return true;
    }
    return CVokImageDialog::event(event);
}

void CPopDlg::keyPressEvent(QKeyEvent* event) {
    if (!HandleDialogKey(
            *this, *event, [this] { onOk(); }, [this] { end(kNotConfirmed); })) {
        CVokImageDialog::keyPressEvent(event);
    }
}

void CPopDlg::onCommand(int id) {
    switch (id) {
        case popup_layout::kOkId:
            onOk();
            break;
        case popup_layout::kCancelId:
        case popup_layout::kCloseId:
            end(kNotConfirmed);
            break;
        default:
            break;
    }
}

void CPopDlg::placeButton(CVokButton* button, const PlacedControl& control) {
    button->setAccessibleName(QString::fromLatin1(control.caption));
    if (control.rect.empty()) {
        button->hide();
        return;
    }
    button->setGeometry(ToQRect(control.rect));
    // Pressed, a button keeps its normal look.
    const QImage normal = skin_.element(control, SkinState::Normal);
    button->setImages(FourStateImages(normal, skin_.element(control, SkinState::Over), normal));
    if (capturesKeys()) {
        button->setFocusPolicy(Qt::NoFocus);
    }
}

void CPopDlg::placeLabel(CVokStatic* label, const PlacedControl& control) {
    label->setAccessibleName(QString::fromLatin1(control.caption));
    label->hide();
    if (control.rect.empty()) {
        return;
    }
    label->setGeometry(ToQRect(control.rect));
    label->setBackgroundImage(skin_.element(control, SkinState::Normal));
}

void CPopDlg::open() {
    switch (layout_.mode) {
        case popup_layout::kSurfaceCountdown:
            ok_->setEnabled(false);
            time_->setFontHeight(kCountdownFontHeight);
            time_->setCentred(true);
            time_->setText(QString::number(kCountdownStart));
            time_->show();
            for (int index = 0; index < kMotionPictureCount; ++index) {
                image_->appendImage(skin_.picture(MotionPictureName(index)));
            }
            image_->setImageIndex(0);
            image_->show();
            // Cancel and Close take the focus only when the user moves it there, so that
            // Enter confirms.
            setFocusPolicy(Qt::StrongFocus);
            setFocus();
            secondsLeft_ = kCountdownStart;
            schedule(kCountdownInterval, &CPopDlg::onCountdownTick);
            break;
        case popup_layout::kAssignKey:
            time_->setFontHeight(kKeyNameFontHeight);
            time_->setCentred(true);
            time_->setText(QString());
            time_->show();
            if (watcher_ == nullptr || !watcher_->Install(this)) {
                // Shown once the pop-up is open; it stays open and captures nothing.
                QMetaObject::invokeMethod(
                    this, [this] { showMessage(kSetHookFailed); }, Qt::QueuedConnection);
            }
            // Where the watcher sees only this program's windows, the keys typed into the
            // pop-up are the ones it sees.
            setFocusPolicy(Qt::StrongFocus);
            setFocus();
            break;
        default:
            ok_->setFocus();
            break;
    }
}

void CPopDlg::onOk() {
    if (!running_) {
        return;
    }
    switch (layout_.mode) {
        case popup_layout::kSurfaceStart:
            startSurfaceAnalysis();
            break;
        case popup_layout::kSurfaceCountdown: {
            // Enter may have opened the result already; the countdown's end then finds it
            // open.
            if (stepRunning_) {
                return;
            }
            const QPointer<CPopDlg> alive(this);
            const int result = runStep(popup_layout::kSurfaceResult);
            if (alive) {
                end(result == kConfirmed ? kConfirmed : kNotConfirmed);
            }
            break;
        }
        case popup_layout::kAssignKey:
            assignCapturedKey();
            end(kConfirmed);
            break;
        default:
            end(kConfirmed);
            break;
    }
}

void CPopDlg::end(int result) {
    running_ = false;
    endModal(result);
}

void CPopDlg::startSurfaceAnalysis() {
    // The main window may ask the mouse in a local event loop, where OK could come again.
    if (askingMouse_ || stepRunning_) {
        return;
    }
    const QPointer<CPopDlg> alive(this);
    askingMouse_ = true;
    // A mouse that does not take the start command would measure nothing: the countdown
    // and its result would be a pretence.
    const bool started = mouse_ != nullptr && mouse_->FindDevice() &&
                         mouse_->StartSurfaceAnalysis() == DeviceResult::kDone;
    if (!alive) {
        return;
    }
    askingMouse_ = false;
    if (!started) {
        if (mouse_ != nullptr) {
            mouse_->CloseDevice();
        }
        showMessage(kMouseNotFound);
        return;
    }
    if (!running_) {
        return;  // cancelled while the mouse was asked
    }
    const int result = runStep(popup_layout::kSurfaceCountdown);
    if (alive) {
        end(result == kConfirmed ? kConfirmed : kNotConfirmed);
    }
}

int CPopDlg::runStep(int mode) {
    // On the heap: should this pop-up go with its owner while the step runs, the step,
    // its child, goes with it.
    const QPointer<CPopDlg> step(new CPopDlg(mode, this, skin_));
    step->setMessageSink(messageSink_);
    step->setScheduler(scheduler_);
    const QPointer<CPopDlg> alive(this);
    stepRunning_ = true;
    const int result = step->run();
    delete step.data();
    if (alive) {
        stepRunning_ = false;
    }
    return result;
}

void CPopDlg::onCountdownTick() {
    const int n = secondsLeft_;
    if (n < 1) {
        ok_->setEnabled(true);
        return;  // the countdown stops
    }
    secondsLeft_ = n - 1;
    time_->setText(QString::number(secondsLeft_));
    // The pictures cycle once a second: the tick that shows n − 1 shows picture (11 − n) mod 3.
    image_->setImageIndex((kCountdownStart + 1 - n) % kMotionPictureCount);
    schedule(kCountdownInterval, &CPopDlg::onCountdownTick);
    if (secondsLeft_ == 0) {
        schedule(kFinalWait, &CPopDlg::onOk);
    }
}

void CPopDlg::onKeyEvent(unsigned virtualKey) {
    if (!running_ || !capturesKeys()) {
        return;
    }
    // Presses and releases alike: the last event wins.
    capturedKey_ = virtualKey;
    const QString name = QString::fromStdString(KeyName(virtualKey));
    time_->setFontHeight(KeyNameFontHeight(name, time_->width()));
    time_->setText(name);
}

void CPopDlg::assignCapturedKey() {
    if (target_ == nullptr) {
        return;
    }
    target_->setAccept(false);
    target_->setAssignment(QString::fromStdString(KeyName(capturedKey_)), kFunctionSingleKey,
                           static_cast<int>(capturedKey_));
}

void CPopDlg::schedule(std::chrono::milliseconds delay, void (CPopDlg::*handler)()) {
    const QPointer<CPopDlg> self(this);
    auto callback = [self, handler] {
        if (self != nullptr && self->running_) {
            (self.data()->*handler)();
        }
    };
    if (scheduler_) {
        scheduler_(delay, std::move(callback));
    } else {
        QTimer::singleShot(delay, this, std::move(callback));
    }
}

void CPopDlg::showMessage(const char* text) {
    if (messageSink_) {
        messageSink_(this, QString::fromLatin1(text));
    }
}

}  // namespace tavro
