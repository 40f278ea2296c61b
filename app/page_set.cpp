#include "app/page_set.h"

#include "app/main_window_layout.h"
#include "skin/layout_qt.h"

namespace tavro {

namespace {

using namespace main_window_layout;

template <typename Page>
Page* Embed(Page* page, QWidget& mainWindow) {
    page->embedAsPage(&mainWindow, ToQRect(kPageArea));
    return page;
}

PlaceholderPage* Placeholder(int background, const PlacedControl& tab, QWidget& mainWindow,
                             const PageContext& context) {
    return Embed(new PlaceholderPage(context.skin.element(background, SkinState::Normal),
                                     QString::fromUtf8(tab.caption)),
                 mainWindow);
}

}  // namespace

PageSet BuildPageSet(QWidget& mainWindow, const PageContext& context) {
    PageSet set;
    set.sensor = Embed(new CSensorDlg(context.skin, context.mouse), mainWindow);
    set.sensor->setMessageSink(context.showMessage);
    set.lighting = Embed(new CColorSettingsDlg(nullptr, context.skin), mainWindow);
    set.lighting->setCurrentRecordSource(context.editedRecord);
    set.macros = Embed(new CMacroSettingsDlg(context.macroLibrary, context.macroHost,
                                             context.keyboard, nullptr, context.skin),
                       mainWindow);
    set.macros->setMessageSink(context.showMessage);
    set.support = Embed(new CSupportDlg(context.skin, context.addressOpener), mainWindow);
    set.mouseSettings = Placeholder(22, kMouseSettingsTab, mainWindow, context);
    set.settingsPages = {set.mouseSettings, set.sensor, set.lighting};
    set.tabPages = {set.mouseSettings, set.sensor, set.lighting, set.macros, set.support};
    return set;
}

}  // namespace tavro
