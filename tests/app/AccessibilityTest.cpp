// Every control of the reader's windows has a name for a screen reader, as
// Qt's accessibility interface reports it.
#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAccessible>
#include <QComboBox>
#include <QListWidget>
#include <QWebEngineView>

#include "app/Splitter.h"
#include "browser/ScriptText.h"
#include "dialogs/CommonDialog.h"
#include "dialogs/InformationDialog.h"
#include "search/AutoCombo.h"
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

TEST_F(ReaderTest, EveryControlHasAnAccessibleNameAndTheToolbarButtonsPress) {
  TMainForm& form = Open({}, false);
  EXPECT_EQ(UnnamedControls(&form), "");
  for (TepSchemeButton* button : {form.HomeBtn, form.BackBtn, form.ForwardBtn, form.SearchBtn, form.InfoBtn,
                                  form.GotoBtn, form.PrintBtn, form.DisplayOptionBtn, form.HelpBtn}) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(button);
    EXPECT_EQ(AccessibleName(button).toStdString(), button->Hint().toStdString());
    EXPECT_EQ(face->role(), QAccessible::Button);
    EXPECT_FALSE(face->state().focusable);
    EXPECT_EQ(face->actionInterface()->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
  }
  QAccessible::queryAccessibleInterface(form.ForwardBtn)->actionInterface()->doAction(
      QAccessibleActionInterface::pressAction());
  EXPECT_TRUE(WaitUntil([this] { return CurrentKey() == "Olvar~1"; }));
  // A soft hyphen is read as the hyphen drawn; the item keeps its text.
  QTreeWidgetItem* taHa = form.NodeAtAbsolutePosition(21);
  EXPECT_EQ(taHa->data(0, Qt::AccessibleTextRole).toString(), QString::fromUtf8("020 - T\u00e2-H\u00e2"));
  EXPECT_TRUE(taHa->text(0).contains(QChar(0x00AD)));

  TInformationDlg information;
  EXPECT_EQ(UnnamedControls(&information), "");
  TSearchDlg search;
  EXPECT_EQ(UnnamedControls(&search), "");
  // The fields keep their names while they hold text; the count names the list.
  search.SearchCombo->setEditText("mercy");
  EXPECT_EQ(AccessibleName(search.SearchCombo), "Search Text");
  EXPECT_EQ(AccessibleName(search.ChapterCombo), "Contained In");
  EXPECT_EQ(AccessibleName(search.ResultList), "Found : None.");
  for (unsigned mode : {1u, 2u, 3u}) {
    TCommonDlg common;
    common.SetMode(mode);
    EXPECT_EQ(UnnamedControls(&common), "") << mode;
  }
}

// What runs after each write while a screen reader listens (the screen
// reader test sees the result through the accessibility bus).
TEST_F(ReaderTest, TheAccessScriptGivesAPageItsTitleLanguagesAndVerseGroups) {
  Open();
  ShowNode(3);  // chapter 2, Arabic and translation
  Eval(PageAccessScript());
  EXPECT_EQ(Eval("(function(a){return [document.title,document.documentElement.lang,a.lang,a.dir].join()})("
                 "document.querySelector('font.a2'))"),
            "2. Al-Baqarah : The Cow,en,ar,rtl");
  // Each verse one group named by its label, its label bar not read after it.
  EXPECT_EQ(Eval("(function(g){return [g.length,g[254].getAttribute('aria-label'),"
                 "g[254].lastElementChild.getAttribute('aria-hidden')].join()})(document.querySelectorAll('[role=group]'))"),
            "286,2:255,true");
  EXPECT_EQ(EvalInt("document.querySelectorAll('img:not([aria-hidden]),body>br:not([aria-hidden])').length"), 0);
}

}  // namespace
