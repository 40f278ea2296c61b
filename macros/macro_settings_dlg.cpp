#include "macros/macro_settings_dlg.h"

#include <QApplication>
#include <QHideEvent>
#include <QKeyEvent>

#include "buttons/pop_dlg.h"
#include "buttons/popup_layout.h"
#include "macros/macro_page_host.h"
#include "macros/macro_page_layout.h"
#include "macros/vok_list_box.h"
#include "macros/vok_macro_ctrl.h"
#include "platform/key_hook_event.h"
#include "platform/keyboard_watcher.h"
#include "skin/layout_qt.h"
#include "skin/scroll_layout.h"
#include "skin/vok_button.h"
#include "skin/vok_check_box.h"
#include "skin/vok_static.h"

namespace tavro {

namespace {

namespace layout = macro_page_layout;

constexpr int kNoteFontHeight = 11;
constexpr QRgb kNoteColour = 0xFFBEBEBE;
constexpr int kScrollBackgroundElement = 135;

bool IsKeyEvent(const QEvent* event) {
    return event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease ||
           event->type() == QEvent::ShortcutOverride;
}

bool IsEnter(const QKeyEvent* key) {
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

}  // namespace

CMacroSettingsDlg::CMacroSettingsDlg(std::vector<CMacro>& library, MacroPageHost& host,
                                     KeyboardWatcher& watcher, QWidget* parent, SkinResources& skin)
    : CVokImageDialog(parent),
      host_(host),
      watcher_(watcher),
      skin_(skin),
      list_(new CVokListBox(layout::kMacroList.id, this)),
      editor_(new CVokMacroCtrl(layout::kEventEditor.id, library, this)) {
    setBackground(skin_.element(kBackgroundElement, SkinState::Normal));

    list_->setGeometry(ToQRect(layout::kMacroList.rect));
    list_->setAccessibleName(QString::fromLatin1(layout::kMacroList.caption));
    list_->setBackgroundImage(skin_.element(layout::kMacroList, SkinState::Normal));
    list_->setScrollImages(scrollImages());
    editor_->setGeometry(ToQRect(layout::kEventEditor.rect));
    editor_->setAccessibleName(QString::fromLatin1(layout::kEventEditor.caption));
    editor_->setBackgroundImage(skin_.element(layout::kEventEditor, SkinState::Normal));
    editor_->setScrollImages(scrollImages());

    newMacro_ = placeButton(layout::kNewMacroButton, ToQRect(layout::kNewMacroButton.rect));
    delete_ = placeButton(layout::kDeleteButton, ToQRect(layout::kDeleteButton.rect));
    recordDelay_ = placeCheckBox(layout::kRecordDelayBox);
    recordHold_ = placeCheckBox(layout::kRecordHoldBox);
    startRecord_ =
        placeButton(layout::kStartRecordButton, ToQRect(layout::kStartRecordButton.rect));
    stopRecord_ = placeButton(layout::kStopRecordButton, ToQRect(layout::kStopRecordSkinRect));
    stopRecord_->hide();

    scopeNote_ = new CVokStatic(layout::kRecordingScopeNote.id, this);
    scopeNote_->setGeometry(ToQRect(layout::kRecordingScopeNote.rect));
    scopeNote_->setAccessibleName(QString::fromLatin1(layout::kRecordingScopeNote.caption));
    scopeNote_->setFontHeight(kNoteFontHeight);
    scopeNote_->setTextColour(kNoteColour);
    scopeNote_->setText(QString::fromLatin1(kOnlyThisProgramNote));
    scopeNote_->hide();

    // Keyboard order: the list, the events, then the buttons below and beside them.
    setTabOrder(list_, editor_);
    setTabOrder(editor_, newMacro_);
    setTabOrder(newMacro_, delete_);
    setTabOrder(delete_, recordDelay_);
    setTabOrder(recordDelay_, recordHold_);
    setTabOrder(recordHold_, startRecord_);
    setTabOrder(startRecord_, stopRecord_);

    editor_->buildMenu();
    // Each entry reports itself as chosen, so the last macro ends up shown.
    std::vector<MacroListEntry> listed;
    for (const CMacro& macro : library) {
        listed.push_back({QString::fromStdU16String(macro.name), macro.id});
    }
    for (const MacroListEntry& entry : listed) {
        list_->addEntry(entry.name, entry.id);
    }
}

CMacroSettingsDlg::~CMacroSettingsDlg() {
    watcher_.Remove(this);
}

void CMacroSettingsDlg::setMessageSink(MessageSink sink) {
    messageSink_ = std::move(sink);
}

void CMacroSettingsDlg::setTickClock(MacroRecorder::TickClock clock) {
    recorder_.setClock(std::move(clock));
}

std::vector<MacroListEntry> CMacroSettingsDlg::MacroListEntries() const {
    std::vector<MacroListEntry> entries;
    for (const CBoxItem& item : list_->entries()) {
        entries.push_back({item.text, item.id});
    }
    return entries;
}

bool CMacroSettingsDlg::event(QEvent* event) {
    if (event->type() == KeyHookEvent::EventType()) {
        const auto* key = static_cast<const KeyHookEvent*>(event);
        onKeyReport(key->virtualKey(), key->releaseFlag() != 0);
        return true;
    }
    return CVokImageDialog::event(event);
}

bool CMacroSettingsDlg::eventFilter(QObject* watched, QEvent* event) {
    // Installed while recording. The keyboard watcher sees a key where it reaches the
    // program's window; the widgets under it never do.
    if (!IsKeyEvent(event) || !ownsKeyReceiver(watched)) {
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    if (event->type() == QEvent::KeyPress && IsEnter(key)) {
        commitPendingEdits();
    }
    event->accept();
    return true;
}

void CMacroSettingsDlg::keyPressEvent(QKeyEvent* event) {
    // Keys the controls left reach the page here; Enter and Escape go no further, so
    // that the main window never takes them for OK or Cancel.
    if (IsEnter(event)) {
        commitPendingEdits();
        event->accept();
    } else if (event->key() == Qt::Key_Escape) {
        list_->cancelNameBox();
        editor_->cancelDelayBox();
        event->accept();
    } else {
        CVokImageDialog::keyPressEvent(event);
    }
}

void CMacroSettingsDlg::hideEvent(QHideEvent* event) {
    // Hidden by the program (another tab, the window put in the tray) rather than
    // minimised by the user, who may be typing into another program.
    if (!event->spontaneous() && isRecording()) {
        stopRecording();
    }
    CVokImageDialog::hideEvent(event);
}

void CMacroSettingsDlg::onNotify(int id, int value) {
    switch (id) {
        case CVokListBox::kSelectedCode:
            showSelectedMacro(value);
            break;
        case CVokListBox::kDeletingCode:
            editor_->removeMacro(value);
            break;
        case CVokMacroCtrl::kStartRecordingCode:
            if (!isRecording()) {
                startRecording();
            }
            break;
        case kTopMostRequestId:
            NotifyOwner(parentWidget(), kTopMostRequestId, value);
            break;
        default:
            break;
    }
}

void CMacroSettingsDlg::onCommand(int id) {
    if (id == layout::kNewMacroButton.id) {
        onNewMacro();
    } else if (id == layout::kDeleteButton.id) {
        onDelete();
    } else if (id == layout::kRecordDelayBox.id) {
        onRecordDelayClicked();
    } else if (id == layout::kRecordHoldBox.id) {
        onRecordHoldClicked();
    } else if (id == layout::kStartRecordButton.id) {
        onStartRecord();
    } else if (id == layout::kStopRecordButton.id) {
        stopRecording();
    }
}

CVokButton* CMacroSettingsDlg::placeButton(const PlacedControl& control, const QRect& skinRect) {
    auto* button = new CVokButton(control.id, this);
    button->setGeometry(ToQRect(control.rect));
    button->setAccessibleName(QString::fromLatin1(control.caption));
    button->setImages(FourStateImages(skin_.element(control.element, SkinState::Normal, skinRect),
                                      skin_.element(control.element, SkinState::Over, skinRect),
                                      skin_.element(control.element, SkinState::Down, skinRect)));
    return button;
}

CVokCheckBox* CMacroSettingsDlg::placeCheckBox(const PlacedControl& control) {
    auto* box = new CVokCheckBox(control.id, this);
    box->setGeometry(ToQRect(control.rect));
    box->setAccessibleName(QString::fromLatin1(control.caption));
    // Unchecked, unchecked under the pointer, checked, disabled.
    box->setImages(FourStateImages(
        skin_.element(control, SkinState::Normal), skin_.element(control, SkinState::Over),
        skin_.element(control, SkinState::Down), skin_.element(control, SkinState::Disable)));
    return box;
}

ScrollImages CMacroSettingsDlg::scrollImages() {
    using namespace scroll_layout;
    const auto look = [this](const PlacedControl& part, SkinState state) {
        return skin_.element(part, state);
    };
    return {skin_.element(kScrollBackgroundElement, SkinState::Normal),
            look(kThumb, SkinState::Normal),
            look(kThumb, SkinState::Over),
            look(kTopArrow, SkinState::Normal),
            look(kTopArrow, SkinState::Over),
            look(kBottomArrow, SkinState::Normal),
            look(kBottomArrow, SkinState::Over)};
}

void CMacroSettingsDlg::showSelectedMacro(int32_t id) {
    const CBoxItem* selected = list_->selectedEntry();
    if (selected == nullptr) {
        return;
    }
    editor_->makeCurrent(id, selected->text);
    // A macro of presses only is meant to be held; keep the boxes telling so.
    if (IsHoldMacro(editor_->currentMacro())) {
        recordDelay_->setChecked(false);
        recordHold_->setChecked(true);
    } else {
        recordHold_->setChecked(false);
    }
}

void CMacroSettingsDlg::onNewMacro() {
    if (isRecording()) {
        return;
    }
    list_->openNameBox();
    recordHold_->setChecked(false);
}

void CMacroSettingsDlg::onDelete() {
    if (isRecording()) {
        return;
    }
    CPopDlg confirmation(popup_layout::kDeleteMacro, this, skin_);
    if (confirmation.run() != CPopDlg::kConfirmed) {
        return;
    }
    list_->deleteSelected();
    host_.RefreshMouseSettingsPage();
}

void CMacroSettingsDlg::onRecordDelayClicked() {
    recordHold_->setChecked(false);
}

void CMacroSettingsDlg::onRecordHoldClicked() {
    recordDelay_->setChecked(false);
}

void CMacroSettingsDlg::startRecording() {
    list_->commitNameBox();
    editor_->commitDelayBox();
    startRecord_->hide();
    stopRecord_->show();
    stopRecord_->setFocus();
    recorder_.Start();
    editor_->setRecording(true);
    qApp->installEventFilter(this);
    if (!watcher_.Install(this)) {
        // The page stays in the recording state; "Stop Record" leaves it.
        if (messageSink_) {
            messageSink_(this, QString::fromLatin1(kStartHookFailed));
        }
        return;
    }
    scopeNote_->setVisible(watcher_.scope() == KeyWatchScope::kProgramWindows);
}

void CMacroSettingsDlg::onStartRecord() {
    startRecording();
    // Recorded anew from empty.
    editor_->clearCurrentMacro();
    recordDelay_->setEnabled(false);
    recordHold_->setEnabled(false);
}

void CMacroSettingsDlg::stopRecording() {
    const bool hadFocus = stopRecord_->hasFocus();
    stopRecord_->hide();
    startRecord_->show();
    if (hadFocus) {
        startRecord_->setFocus();
    }
    recordDelay_->setEnabled(true);
    recordHold_->setEnabled(true);
    scopeNote_->hide();
    recorder_.Stop();
    editor_->setRecording(false);
    qApp->removeEventFilter(this);
    watcher_.Remove(this);
}

void CMacroSettingsDlg::onKeyReport(uint8_t virtualKey, bool released) {
    const auto recorded = recorder_.OnKey(virtualKey, released,
                                          {recordDelay_->isChecked(), recordHold_->isChecked()});
    if (recorded) {
        editor_->addRecordedKey(recorded->key, recorded->direction, recorded->delay);
    }
}

void CMacroSettingsDlg::commitPendingEdits() {
    list_->commitNameBox();
    editor_->commitDelayBox();
}

bool CMacroSettingsDlg::ownsKeyReceiver(const QObject* receiver) const {
    // Keys typed into any widget of the window: the main window's buttons would act on
    // them too.
    if (!receiver->isWidgetType()) {
        return false;
    }
    const auto* widget = static_cast<const QWidget*>(receiver);
    return widget->window() == window();
}

}  // namespace tavro
