#include "controls/AccessibleComboBox.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>

namespace lumivra {

namespace {

class AccessibleComboBox : public QAccessibleWidget {
public:
  explicit AccessibleComboBox(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

  QString text(QAccessible::Text t) const override {
    QString text;
    if (t == QAccessible::Name) text = Box()->accessibleName();
    if ((t == QAccessible::Name && text.isEmpty()) || t == QAccessible::Value)
      text = Box()->isEditable() ? Box()->lineEdit()->text() : Box()->currentText();
    return text.isEmpty() ? QAccessibleWidget::text(t) : text;
  }
  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.expandable = true;
    state.expanded = Box()->view()->isVisible();
    state.editable = Box()->isEditable();
    return state;
  }

  // The list, and the edit field of an editable one (which has its focus).
  int childCount() const override { return Box()->isEditable() ? 2 : 1; }
  QAccessibleInterface* child(int index) const override {
    if (index == 0) return QAccessible::queryAccessibleInterface(Box()->view());
    if (index == 1 && Box()->isEditable()) return QAccessible::queryAccessibleInterface(Box()->lineEdit());
    return nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    if (child->object() == Box()->view()) return 0;
    if (Box()->isEditable() && child->object() == Box()->lineEdit()) return 1;
    return -1;
  }
  QAccessibleInterface* focusChild() const override { return Box()->isEditable() ? child(1) : nullptr; }

  QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
  void doAction(const QString& action) override {
    if (action != showMenuAction() && action != pressAction()) return;
    if (Box()->view()->isVisible()) Box()->hidePopup();
    else Box()->showPopup();
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
  QComboBox* Box() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* ComboBoxFactory(const QString& className, QObject* object) {
  if (className == QLatin1String("QComboBox")) return new AccessibleComboBox(static_cast<QComboBox*>(object));
  return nullptr;
}

}  // namespace

void InstallAccessibleComboBox() {
  static const bool installed = (QAccessible::installFactory(ComboBoxFactory), true);
  Q_UNUSED(installed);
}

}  // namespace lumivra
