// Every control of the reader's windows has a name for a screen reader, as
// Qt's accessibility interface reports it.
#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAccessible>
#include <QComboBox>
#include <QWebEngineView>

#include "app/Splitter.h"
#include "dialogs/CommonDialog.h"
#include "dialogs/InformationDialog.h"
#include "search/SearchDialog.h"
#include "skin/TepSchemeButton.h"
#include "tests/app/ReaderTestSupport.h"

using namespace lumivra;
using namespace lumivra::testing;

namespace {

QString AccessibleName(QWidget* widget) {
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
  return face != nullptr ? face->text(QAccessible::Name).trimmed() : QString();
}

// The controls under `root` without a name: whatever takes the focus or is
// clicked, not the inner parts of lists, combo boxes and browser views.
QStringList UnnamedControlList(QWidget* root) {
  QStringList unnamed;
  for (QObject* child : root->children()) {
    auto* widget = qobject_cast<QWidget*>(child);
    // Hidden ones and the menu bar's own extension button are out of reach.
    if (widget == nullptr || widget->isWindow() || widget->isHidden() ||
        widget->objectName().startsWith("qt_"))
      continue;
    const bool control = widget->focusPolicy() != Qt::NoFocus || qobject_cast<QAbstractButton*>(widget) ||
                         qobject_cast<TepSchemeButton*>(widget) || qobject_cast<TSplitter*>(widget);
    if (control && AccessibleName(widget).isEmpty())
      unnamed << QString("%1 %2").arg(widget->metaObject()->className(), widget->objectName());
    if (!qobject_cast<QAbstractScrollArea*>(widget) && !qobject_cast<QComboBox*>(widget) &&
        !qobject_cast<QWebEngineView*>(widget))
      unnamed << UnnamedControlList(widget);
  }
  return unnamed;
}

std::string UnnamedControls(QWidget* root) { return UnnamedControlList(root).join("; ").toStdString(); }

TEST_F(ReaderTest, EveryControlHasAnAccessibleName) {
  TMainForm& form = Open({}, false);
  EXPECT_EQ(UnnamedControls(&form), "");
  for (TepSchemeButton* button : {form.HomeBtn, form.BackBtn, form.ForwardBtn, form.SearchBtn, form.InfoBtn,
                                  form.GotoBtn, form.PrintBtn, form.DisplayOptionBtn, form.HelpBtn})
    EXPECT_EQ(AccessibleName(button).toStdString(), button->Hint().toStdString());

  TInformationDlg information;
  EXPECT_EQ(UnnamedControls(&information), "");
  TSearchDlg search;
  EXPECT_EQ(UnnamedControls(&search), "");
  for (unsigned mode : {1u, 2u, 3u}) {
    TCommonDlg common;
    common.SetMode(mode);
    EXPECT_EQ(UnnamedControls(&common), "") << mode;
  }
}

}  // namespace
