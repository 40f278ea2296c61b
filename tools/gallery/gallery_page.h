#pragma once

#include <QString>

#include <functional>

#include "skin/image_set.h"
#include "skin/layout_qt.h"
#include "skin/place_control.h"
#include "skin/skin_resources.h"
#include "skin/vok_image_dialog.h"

namespace tavro::gallery {

// Says what a control reported, for the gallery's status line and its output.
using ReportLog = std::function<void(const QString& line)>;

// One skinned page of the gallery: its background and controls, logging every report.
class GalleryPage : public CVokImageDialog {
    Q_OBJECT

public:
    GalleryPage(QString name, SkinResources& skin, ReportLog log, QWidget* parent = nullptr);

    const QString& name() const { return name_; }
    SkinResources& skin() const { return skin_; }

    // A new control of type Control at the place of `control`, shown.
    template <typename Control>
    Control* place(const PlacedControl& control) {
        auto* widget = CreatePlaced<Control>(control, this);
        widget->show();
        return widget;
    }
    FourStateImages looks(const PlacedControl& control, int states = 4) const;

protected:
    void onNotify(int id, int value) override;
    void onCommand(int id) override;

private:
    QString name_;
    SkinResources& skin_;
    ReportLog log_;
};

}  // namespace tavro::gallery
