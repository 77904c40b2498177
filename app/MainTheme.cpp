#include "app/Main.h"

#include <QMenuBar>

#include "dialogs/CommonDialog.h"
#include "skin/TepSchemePanel.h"
#include "skin/ThemeArtwork.h"
#include "skin/ThemeMenuStyle.h"
#include "skin/Themes.h"

namespace lumivra {

void TMainForm::ApplyTheme(int type) {
  if (!CopyThemeIntoStore(type, *Skin)) return;
  ThemeMenuColor = FindTheme(type)->menuColor;
}

void TMainForm::miChangeThemeClick() {
  bool changed = false;
  {
    TCommonDlg dlg(this);
    PrepareCommonDialog(dlg);
    dlg.SetMode(4);
    dlg.SetThemeIndex(ThemeType);
    dlg.exec();
    changed = dlg.ThemeChanged();
    ThemeType = dlg.ThemeIndex();
  }
  if (!changed) return;
  ApplyTheme(ThemeType);
  // The store repaints the window later; the toolbar and its buttons now.
  ToolPanel->repaint();
}

void TMainForm::SetupMenuDrawing() {
  if (menuStyle_ == nullptr) {
    const auto menuColor = [this] {
      return QColor(ThemeMenuColor & 0xFF, (ThemeMenuColor >> 8) & 0xFF, (ThemeMenuColor >> 16) & 0xFF);
    };
    menuStyle_ = new ThemeMenuStyle(menuColor, QColor(kWindowFaceColor));
    menuStyle_->setParent(menuBar());
  }
  lumivra::SetupMenuDrawing(*menuBar(), *menuStyle_);
}

}  // namespace lumivra
