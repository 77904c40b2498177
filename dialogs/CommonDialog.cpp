#include "dialogs/CommonDialog.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QScreen>

#include "skin/Artwork.h"
#include "content/ContentError.h"
#include "content/Maker.h"
#include "content/TextLines.h"
#include "content/Version.h"
#include "controls/CorelButton.h"
#include "controls/DialogFont.h"
#include "controls/DialogFrame.h"
#include "controls/JPanelTexture.h"
#include "controls/QtText.h"
#include "controls/Wallpaper.h"
#include "dialogs/ApplicationError.h"
#include "dialogs/GotoEntry.h"

namespace lumivra {

namespace {

constexpr char kDeveloperName[] = "Samir Haddad";
constexpr char kTesterName[] = "Leena Karim";

QLabel* MakeLabel(QWidget* parent, const QString& text, int left, int top, bool visible = false) {
  auto* label = new QLabel(text, parent);
  label->move(left, top);
  label->adjustSize();
  label->setVisible(visible);
  return label;
}

QFrame* MakeBevel(QWidget* parent, int top, bool visible) {
  auto* line = new QFrame(parent);
  line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
  line->setGeometry(8, top, 273, 2);
  line->setVisible(visible);
  return line;
}

// The character a key press types, as the go-to filter sees it: 0 for keys
// that type nothing (arrows, shortcuts), which pass untouched.
char TypedCharacter(const QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) return '\r';
  if (event->key() == Qt::Key_Backspace) return '\b';
  if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return 0;
  const QString text = event->text();
  if (text.size() != 1 || !text[0].isPrint()) return 0;
  const char16_t c = text[0].unicode();
  // Anything outside ASCII is refused by the filter; any such stand-in will do.
  return c < 0x80 ? static_cast<char>(c) : '\x7f';
}

}  // namespace

TCommonDlg::TCommonDlg(QWidget* parent)
    : QDialog(parent),
      MainPanel(new TJPanelTexture(this)),
      LogoImage(new QLabel(MainPanel)),
      MessageLabel(MakeLabel(MainPanel, QStringLiteral("&Chapter/Verse :"), 8, 8, true)),
      ExampleLabel(MakeLabel(MainPanel, QStringLiteral("e.g. 7:86, 7.86 or 7,86"), 88, 8, true)),
      Bevel(MakeBevel(MainPanel, 52, true)),
      ProductLabel(MakeLabel(MainPanel, QStringLiteral("Lumivra"), 64, 6)),
      VersionLabel(MakeLabel(MainPanel,
                             QStringLiteral("Version %1.%2  (Build %1.%3)")
                                 .arg(kVersionMajor)
                                 .arg(kVersionMinor)
                                 .arg(kVersionPatch),
                             64, 22)),
      NoticeLabel(MakeLabel(MainPanel,
                            QStringLiteral("Copyright \u00A9 %1.")
                                .arg(QString::fromUtf8(kMakerName)),
                            64, 38)),
      SepBevel(MakeBevel(MainPanel, 53, false)),
      DeveloperLabel(MakeLabel(MainPanel,
                               QStringLiteral("Application Development : %1.").arg(QString::fromUtf8(kDeveloperName)),
                               8, 8)),
      WebContentLabel(MakeLabel(MainPanel,
                                QStringLiteral("Project Mangement & Testing : %1.").arg(QString::fromUtf8(kTesterName)),
                                8, 24)),
      GotoEdit(new QLineEdit(MainPanel)),
      CloseBtn(new TCorelButton(QStringLiteral("&Cancel"), MainPanel)),
      OKBtn(new TCorelButton(QStringLiteral("&OK"), MainPanel)),
      DisplayCombo(new QComboBox(MainPanel)) {
  setWindowTitle(QStringLiteral("Goto Chapter/Verse"));
  UseFixedDialogFrame(*this);
  setFont(DialogFont());
  setFixedSize(289, 94);
  setModal(true);

  MainPanel->setGeometry(0, 0, 289, 94);
  MainPanel->setFrameStyle(QFrame::NoFrame);
  MainPanel->setJStyleTexture(TJPanelTextureStyle::txTile);
  MainPanel->setJTransparent(false);
  MainPanel->setJTexture(BuiltInTexture());

  const QImage logo = ArtworkImage("logo");
  LogoImage->setPixmap(QPixmap::fromImage(logo));
  LogoImage->setGeometry(8, 7, logo.isNull() ? 46 : logo.width(), logo.isNull() ? 45 : logo.height());
  LogoImage->setAttribute(Qt::WA_TranslucentBackground);
  LogoImage->hide();

  QFont productFont = BoldDialogFont();
  ProductLabel->setFont(productFont);
  ProductLabel->adjustSize();

  QPalette grey = ExampleLabel->palette();
  grey.setColor(QPalette::WindowText, QColor(0x80, 0x80, 0x80));
  ExampleLabel->setPalette(grey);

  GotoEdit->setGeometry(8, 24, 273, 21);
  GotoEdit->setMaxLength(kGotoTextMaxLength);
  GotoEdit->installEventFilter(this);
  MessageLabel->setBuddy(GotoEdit);

  DisplayCombo->setGeometry(8, 24, 273, 21);
  DisplayCombo->setEditable(false);
  DisplayCombo->installEventFilter(this);
  DisplayCombo->hide();

  OKBtn->setGeometry(126, 63, 75, 23);
  CloseBtn->setGeometry(206, 63, 75, 23);
  // Enter is the fields' own business; a button only answers it when focused.
  for (TCorelButton* button : {OKBtn, CloseBtn}) {
    button->setDefault(false);
    button->setAutoDefault(false);
  }
  connect(OKBtn, &QPushButton::clicked, this, &TCommonDlg::OKBtnClick);
  connect(CloseBtn, &QPushButton::clicked, this, &TCommonDlg::CloseBtnClick);

  setTabOrder(GotoEdit, DisplayCombo);
  setTabOrder(DisplayCombo, OKBtn);
  setTabOrder(OKBtn, CloseBtn);
  FocusLater(GotoEdit);
}

TCommonDlg::~TCommonDlg() = default;

void TCommonDlg::FocusLater(QWidget* widget) {
  initialFocus_ = widget;
  if (isVisible()) widget->setFocus(Qt::OtherFocusReason);
}

void TCommonDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    move(area.center() - QPoint(frameGeometry().width() / 2, frameGeometry().height() / 2));
  }
  if (initialFocus_) initialFocus_->setFocus(Qt::OtherFocusReason);
}

void TCommonDlg::SetTexture(const QImage& texture) { MainPanel->setJTexture(texture); }

void TCommonDlg::SetMode(unsigned mode) {
  switch (mode) {
    case 1:
      DisplayCombo->hide();
      FocusLater(GotoEdit);
      break;
    case 2:
    case 4:
    case 6:
      setWindowTitle(mode == 2   ? QStringLiteral("Chapter Display Options")
                     : mode == 4 ? QStringLiteral("Change Theme")
                                 : QStringLiteral("Delete Bookmark"));
      MessageLabel->setText(mode == 2   ? QStringLiteral("&Select Display")
                            : mode == 4 ? QStringLiteral("&Select Theme")
                                        : QStringLiteral("&Select bookmark to delete"));
      MessageLabel->adjustSize();
      MessageLabel->setBuddy(DisplayCombo);
      if (mode == 4) {
        DisplayCombo->clear();
        DisplayCombo->addItems({QStringLiteral("Default"), QStringLiteral("Sky"), QStringLiteral("Rose"),
                                QStringLiteral("Forest")});
        DisplayCombo->setCurrentIndex(-1);
      } else if (mode == 6) {
        DisplayCombo->clear();
      }
      DisplayCombo->show();
      GotoEdit->hide();
      ExampleLabel->hide();
      FocusLater(DisplayCombo);
      break;
    case 3:
      setWindowTitle(QStringLiteral("About"));
      for (QWidget* w : {static_cast<QWidget*>(OKBtn), static_cast<QWidget*>(LogoImage),
                         static_cast<QWidget*>(SepBevel), static_cast<QWidget*>(ProductLabel),
                         static_cast<QWidget*>(NoticeLabel), static_cast<QWidget*>(VersionLabel)})
        w->show();
      for (QWidget* w : {static_cast<QWidget*>(GotoEdit), static_cast<QWidget*>(DisplayCombo),
                         static_cast<QWidget*>(ExampleLabel), static_cast<QWidget*>(MessageLabel),
                         static_cast<QWidget*>(Bevel)})
        w->hide();
      OKBtn->setText(QStringLiteral("&Team"));
      CloseBtn->setText(QStringLiteral("&OK"));
      FocusLater(CloseBtn);
      break;
    case 5:
      setWindowTitle(QStringLiteral("Development Team"));
      for (QWidget* w : {static_cast<QWidget*>(SepBevel), static_cast<QWidget*>(DeveloperLabel),
                         static_cast<QWidget*>(WebContentLabel)})
        w->show();
      for (QWidget* w : {static_cast<QWidget*>(GotoEdit), static_cast<QWidget*>(DisplayCombo),
                         static_cast<QWidget*>(ExampleLabel), static_cast<QWidget*>(MessageLabel),
                         static_cast<QWidget*>(Bevel), static_cast<QWidget*>(OKBtn),
                         static_cast<QWidget*>(LogoImage), static_cast<QWidget*>(ProductLabel),
                         static_cast<QWidget*>(NoticeLabel), static_cast<QWidget*>(VersionLabel)})
        w->hide();
      CloseBtn->setText(QStringLiteral("&OK"));
      FocusLater(CloseBtn);
      break;
    default:
      return;
  }
  mode_ = static_cast<int>(mode);
}

void TCommonDlg::SetDisplayList(const QStringList& names) {
  if (mode_ != 2) return;
  DisplayCombo->clear();
  DisplayCombo->addItems(names);
  DisplayCombo->setCurrentIndex(-1);
}

void TCommonDlg::SetBookmarkList(const QStringList& captions) {
  if (mode_ != 6) return;
  DisplayCombo->clear();
  DisplayCombo->addItems(captions);
  DisplayCombo->setCurrentIndex(captions.isEmpty() ? -1 : 0);
}

void TCommonDlg::SetDisplayName(const QString& name) {
  displayName_ = name;
  const int index = DisplayCombo->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
  if (index >= 0) DisplayCombo->setCurrentIndex(index);
}

void TCommonDlg::SetThemeIndex(int index) {
  themeIndex_ = index;
  DisplayCombo->setCurrentIndex(index >= 0 && index < DisplayCombo->count() ? index : -1);
}

bool TCommonDlg::ValidateGotoText() {
  // Digits and separators are the same bytes in every encoding; anything
  // else fails the conversion, and the report quotes it as typed.
  const auto target = lumivra::ValidateGotoText(GotoEdit->text().toStdString());
  if (!target) return false;
  gotoVerseRef_ = target->verseRef;
  gotoChapter_ = target->chapter;
  return true;
}

void TCommonDlg::OKBtnClick() {
  switch (mode_) {
    case 1:
      try {
        if (ValidateGotoText()) {
          gotoAccepted_ = true;
          accept();
          return;
        }
      } catch (const ContentError& e) {
        const QString text = QString::fromStdString(e.what());
        if (ErrorReport)
          ErrorReport(text);
        else
          ShowApplicationError(text);
      }
      GotoEdit->setFocus(Qt::OtherFocusReason);
      break;
    case 2:
      if (DisplayCombo->currentIndex() < 0) {
        DisplayCombo->setFocus(Qt::OtherFocusReason);
        return;
      }
      if (DisplayCombo->currentText() != displayName_) {
        displayName_ = FromCp1252(Trim(ToCp1252(DisplayCombo->currentText())));
        displayChanged_ = true;
      } else {
        displayChanged_ = false;
      }
      accept();
      break;
    case 3: {
      TCommonDlg team(this);
      team.SetMode(5);
      team.exec();
      break;
    }
    case 4:
      if (DisplayCombo->currentIndex() < 0) {
        DisplayCombo->setFocus(Qt::OtherFocusReason);
        return;
      }
      themeChanged_ = DisplayCombo->currentIndex() != themeIndex_;
      if (themeChanged_) themeIndex_ = DisplayCombo->currentIndex();
      accept();
      break;
    case 6:
      if (DisplayCombo->currentIndex() < 0) {
        DisplayCombo->setFocus(Qt::OtherFocusReason);
        return;
      }
      deleteIndex_ = DisplayCombo->currentIndex();
      deleteAccepted_ = true;
      accept();
      break;
    default:
      break;
  }
}

void TCommonDlg::CloseBtnClick() {
  themeChanged_ = false;
  displayChanged_ = false;
  gotoAccepted_ = false;
  reject();
}

bool TCommonDlg::GotoEditKeyPress(QKeyEvent* event) {
  const char key = TypedCharacter(event);
  if (key == 0) return false;
  switch (GotoKeyPress(GotoEdit->text().toStdString(), key)) {
    case GotoKeyAction::kInsert:
      return false;
    case GotoKeyAction::kSwallow:
      return true;
    case GotoKeyAction::kAccept:
      OKBtnClick();
      return true;
  }
  return true;
}

bool TCommonDlg::DisplayComboKeyPress(QKeyEvent* event) {
  if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) return false;
  OKBtnClick();
  return true;
}

bool TCommonDlg::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (watched == GotoEdit) return GotoEditKeyPress(key);
    if (watched == DisplayCombo) return DisplayComboKeyPress(key);
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace lumivra
