#pragma once

#include <QString>
#include <QWidget>

#include "skin/skin_resources.h"
#include "skin/vok_image_dialog.h"

namespace tavro {

class CVokEdit;

// What accepting a new name changes; the main window implements it.
class ProfileRenamer {
public:
    virtual ~ProfileRenamer() = default;

    // Profile `number` (1 … 5) is called `name` from now on: its record and the caption
    // of its profile button. The name reaches its file and the mouse at the next Apply.
    virtual void RenameProfile(int number, const QString& name) = 0;
};

// The modal dialog in which the user types a new name for one of the five profiles.
// The box starts empty (the current name is not shown) and takes any text, the empty
// one too, of any length: the mouse keeps the first 15 bytes, the profile file all of it.
// OK or Enter accepts (1); Cancel, Close or Escape changes nothing (2).
class CRenameDlg : public CVokImageDialog {
    Q_OBJECT

public:
    static constexpr int kAccepted = 1;
    static constexpr int kCancelled = 2;

    // Without a renamer, accepting only closes the dialog. Modal to, and centred on,
    // the owner's window.
    CRenameDlg(int profileNumber, QWidget* owner, ProfileRenamer* renamer,
               SkinResources& skin = SkinResources::Shared());

    int run();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void onCommand(int id) override;

private:
    void placeButton(const PlacedControl& control);
    void accept();

    int profileNumber_;
    ProfileRenamer* renamer_;
    SkinResources& skin_;
    CVokEdit* edit_;
};

}  // namespace tavro
