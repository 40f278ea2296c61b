#include "macros/rename_dlg.h"

#include <QKeyEvent>

#include "macros/rename_layout.h"
#include "skin/layout_qt.h"
#include "skin/modal_dialog.h"
#include "skin/vok_button.h"
#include "skin/vok_edit.h"

namespace tavro {

CRenameDlg::CRenameDlg(int profileNumber, QWidget* owner, ProfileRenamer* renamer,
                       SkinResources& skin)
    : CVokImageDialog(owner != nullptr ? owner->window() : nullptr,
                      Qt::Dialog | Qt::FramelessWindowHint),
      profileNumber_(profileNumber),
      renamer_(renamer),
      skin_(skin),
      edit_(new CVokEdit(rename_layout::kNameEdit.id, this)) {
    setWindowTitle(QStringLiteral("TAVRO"));
    setBackground(skin_.image(SkinFile::ReNameNormal));
    edit_->setGeometry(ToQRect(rename_layout::kNameEdit.rect));
    edit_->setBackgroundImage(skin_.element(rename_layout::kNameEdit, SkinState::Normal));
    edit_->setAccessibleName(QStringLiteral("Name"));
    placeButton(rename_layout::kOkButton);
    placeButton(rename_layout::kCancelButton);
    placeButton(rename_layout::kCloseButton);
    edit_->setFocus();
}

int CRenameDlg::run() {
    CentreOnParentWindow(*this);
    return runModal();
}

void CRenameDlg::keyPressEvent(QKeyEvent* event) {
    if (!HandleDialogKey(
            *this, *event, [this] { accept(); }, [this] { endModal(kCancelled); })) {
        CVokImageDialog::keyPressEvent(event);
    }
}

void CRenameDlg::onCommand(int id) {
    if (id == rename_layout::kOkButton.id) {
        accept();
    } else if (id == rename_layout::kCancelButton.id || id == rename_layout::kCloseButton.id) {
        endModal(kCancelled);
    }
}

void CRenameDlg::placeButton(const PlacedControl& control) {
    auto* button = new CVokButton(control.id, this);
    button->setGeometry(ToQRect(control.rect));
    button->setAccessibleName(QString::fromLatin1(control.caption));
    button->setImages(FourStateImages(skin_.element(control, SkinState::Normal),
                                      skin_.element(control, SkinState::Over),
                                      skin_.element(control, SkinState::Down)));
}

void CRenameDlg::accept() {
    if (renamer_ != nullptr) {
        renamer_->RenameProfile(profileNumber_, edit_->text());
    }
    endModal(kAccepted);
}

}  // namespace tavro
