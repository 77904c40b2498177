#include "search/SearchDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QStyledItemDelegate>

#include "skin/Artwork.h"
#include "content/TextLines.h"
#include "controls/AccessibleComboBox.h"
#include "controls/CorelButton.h"
#include "controls/DialogFont.h"
#include "controls/DialogFrame.h"
#include "controls/JPanelTexture.h"
#include "controls/QtText.h"
#include "search/ArabicFold.h"
#include "search/AutoCombo.h"
#include "search/ScopeNames.h"

namespace lumivra {

namespace {

constexpr int kResultLineHeight = 17;
// The longest the result list's fill goes without processing events.
constexpr qint64 kFillSliceMs = 8;

// The magnifier drawn before each result line; its white shows the line's brush.
QImage LoadBitImage() {
  QImage image = ArtworkImage("magnifier").convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if ((image.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF) image.setPixel(x, y, 0);
  return image;
}

class ClickLabel : public QLabel {
public:
  ClickLabel(const QString& text, QWidget* parent, std::function<void()> onClick)
      : QLabel(text, parent), onClick_(std::move(onClick)) {}

protected:
  void mouseReleaseEvent(QMouseEvent* event) override {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && onClick_) onClick_();
  }

private:
  std::function<void()> onClick_;
};

class ResultLineDelegate : public QStyledItemDelegate {
public:
  ResultLineDelegate(const QImage* picture, QObject* parent) : QStyledItemDelegate(parent), picture_(picture) {}

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override {
    return QSize(option.rect.width(), kResultLineHeight);
  }

  QString displayText(const QVariant& value, const QLocale&) const override {
    return WithVisibleSoftHyphens(value.toString());
  }

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    const bool selected = option.state & QStyle::State_Selected;
    const QPalette::ColorGroup group = !(option.state & QStyle::State_Enabled) ? QPalette::Disabled
                                       : (option.state & QStyle::State_Active) ? QPalette::Active
                                                                              : QPalette::Inactive;
    const QRect r = option.rect;
    painter->save();
    painter->fillRect(r, option.palette.color(group, selected ? QPalette::Highlight : QPalette::Base));
    painter->drawImage(r.left() + 2, r.top() + 1, *picture_);
    painter->setFont(option.font);
    painter->setPen(option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    const int textLeft = r.left() + (picture_->isNull() ? 16 : picture_->width()) + 8;
    painter->drawText(QRect(textLeft, r.top(), r.right() - textLeft + 1, r.height()),
                      Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, displayText(index.data(), option.locale));
    if (option.state & QStyle::State_HasFocus) {
      // A dotted focus rectangle round the current line.
      painter->setPen(QPen(option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text), 1,
                           Qt::DotLine));
      painter->drawRect(r.adjusted(0, 0, -1, -1));
    }
    painter->restore();
  }

private:
  const QImage* picture_;
};

bool HoldsArabic(const QString& text) { return HoldsArabicLetter(text.toStdString()); }

// A text as the core takes it: UTF-8 for an Arabic search, else Windows-1252.
std::string CoreText(const QString& text) { return HoldsArabic(text) ? text.toStdString() : ToCp1252(text); }

QString FromCoreText(const std::string& text, bool arabic) {
  return arabic ? QString::fromStdString(text) : FromCp1252(text);
}

QFrame* MakeLine(QWidget* parent, int x, int y, int width) {
  auto* line = new QFrame(parent);
  line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
  line->setLineWidth(1);
  line->setGeometry(x, y, width, 2);
  return line;
}

QLabel* MakeLabel(QWidget* parent, const QString& text, int x, int y) {
  auto* label = new QLabel(text, parent);
  label->move(x, y);
  label->adjustSize();
  return label;
}

TCorelButton* MakeButton(QWidget* parent, const QString& caption, int x, int y, int width) {
  auto* button = new TCorelButton(caption, parent);
  button->setGeometry(x, y, width, 23);
  // No default button: Enter searches only from the search box, and a button
  // is the active default only while it has the focus.
  button->setAutoDefault(false);
  return button;
}

}  // namespace

TSearchDlg::TSearchDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Search"));
  UseFixedDialogFrame(*this);
  setFont(DialogFont());
  setFixedSize(337, 385);

  MainPanel = new TJPanelTexture(this);
  MainPanel->setGeometry(0, 0, 337, 385);
  MainPanel->setFrameStyle(QFrame::NoFrame);
  MainPanel->setJStyleTexture(TJPanelTextureStyle::txTile);
  MainPanel->setJTransparent(false);

  SearchBorderBevel = new QFrame(MainPanel);
  SearchBorderBevel->setFrameStyle(QFrame::Box | QFrame::Raised);
  SearchBorderBevel->setLineWidth(1);
  SearchBorderBevel->setGeometry(8, 8, 233, 145);

  // Both combo boxes keep their names for a screen reader while their text changes.
  InstallAccessibleComboBox();
  SearchLabel = MakeLabel(MainPanel, QStringLiteral("&Search Text"), 16, 16);
  SearchCombo = new TAutoComboBox(MainPanel);
  SearchCombo->setAccessibleName(QStringLiteral("Search Text"));
  SearchCombo->lineEdit()->setAccessibleName(QStringLiteral("Search Text"));
  SearchCombo->setGeometry(16, 32, 217, 21);
  SearchCombo->Complete = true;
  SearchCombo->MinLengthComplete = 0;
  SearchLabel->setBuddy(SearchCombo);
  SearchBevel = MakeLine(MainPanel, 16, 65, 217);

  ContentsLabel = MakeLabel(MainPanel, QStringLiteral("&Contained In :"), 16, 78);
  ChapterCombo = new QComboBox(MainPanel);
  ChapterCombo->setAccessibleName(QStringLiteral("Contained In"));
  ChapterCombo->setGeometry(16, 94, 217, 21);
  ChapterCombo->setMaxVisibleItems(12);
  // A drop-down list, not the style's screen-high menu that ignores the rows.
  ChapterCombo->setStyleSheet(
      QStringLiteral("QComboBox { combobox-popup: 0; } QComboBox QAbstractItemView::item { min-height: 13px; }"));
  for (const auto& name : ChapterScopeNames()) ChapterCombo->addItem(FromCp1252(name));
  ChapterCombo->setEnabled(false);
  ContentsLabel->setBuddy(ChapterCombo);

  IncludeAllCheck = new QCheckBox(MainPanel);
  IncludeAllCheck->setGeometry(16, 120, 15, 17);
  IncludeAllCheck->setChecked(true);
  IncludeLabel = new ClickLabel(QStringLiteral("Include &All Chapters."), MainPanel, [this] { IncludeLabelClick(); });
  IncludeLabel->move(33, 121);
  IncludeLabel->adjustSize();
  IncludeLabel->setBuddy(IncludeAllCheck);

  FindBtn = MakeButton(MainPanel, QStringLiteral("&Find Now"), 248, 8, 81);
  ResetStopBtn = MakeButton(MainPanel, QStringLiteral("Re&set"), 248, 40, 81);
  CancelBtn = MakeButton(MainPanel, QStringLiteral("&Cancel"), 248, 72, 81);

  MiddleSepBevel = MakeLine(MainPanel, 8, 160, 321);
  ResultsLabel = MakeLabel(MainPanel, QStringLiteral("Found : None."), 9, 168);
  ResultsLabel->resize(200, ResultsLabel->height());
  ResultsLabel->setEnabled(false);

  BitImage = LoadBitImage();
  ResultList = new QListWidget(MainPanel);
  ResultsLabel->setBuddy(ResultList);
  ResultList->setAccessibleName(ResultsLabel->text());
  ResultList->setGeometry(8, 184, 321, 153);
  ResultList->setUniformItemSizes(true);
  ResultList->setSelectionMode(QAbstractItemView::SingleSelection);
  ResultList->setItemDelegate(new ResultLineDelegate(&BitImage, ResultList));
  ResultList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  ResultList->installEventFilter(this);

  BottomSepBevel = MakeLine(MainPanel, 8, 344, 321);
  ReportBtn = MakeButton(MainPanel, QStringLiteral("&Report"), 94, 355, 75);
  ViewBtn = MakeButton(MainPanel, QStringLiteral("&View"), 174, 355, 75);
  GotoBtn = MakeButton(MainPanel, QStringLiteral("&Goto"), 254, 355, 75);
  SetResultButtons(false);

  setTabOrder(SearchCombo, FindBtn);
  setTabOrder(FindBtn, ResetStopBtn);
  setTabOrder(ResetStopBtn, CancelBtn);
  setTabOrder(CancelBtn, IncludeAllCheck);
  setTabOrder(IncludeAllCheck, ResultList);
  setTabOrder(ResultList, GotoBtn);
  setTabOrder(GotoBtn, ViewBtn);
  setTabOrder(ViewBtn, ReportBtn);
  setTabOrder(ReportBtn, ChapterCombo);

  connect(FindBtn, &QPushButton::clicked, this, [this] { FindBtnClick(); });
  connect(ResetStopBtn, &QPushButton::clicked, this, [this] { ResetStopBtnClick(); });
  connect(CancelBtn, &QPushButton::clicked, this, [this] { CancelBtnClick(); });
  connect(IncludeAllCheck, &QCheckBox::toggled, this, [this] { IncludeAllCheckClick(); });
  connect(ResultList, &QListWidget::itemDoubleClicked, this, [this] { ResultListDblClick(); });
  connect(ViewBtn, &QPushButton::clicked, this, [this] { ViewBtnClick(); });
  connect(ReportBtn, &QPushButton::clicked, this, [this] { ReportBtnClick(); });
  connect(GotoBtn, &QPushButton::clicked, this, [this] { GotoBtnClick(); });
  SearchCombo->OnKeyPress = [this](TAutoComboBox*, char key) {
    if (key != '\r') return false;
    FindBtn->setFocus();
    FindBtnClick();
    return true;
  };

  ChapterCombo->setCurrentIndex(0);
}

TSearchDlg::~TSearchDlg() = default;

void TSearchDlg::Execute(const PeResourceFile* translation, const QImage& wallpaper,
                         const TLocateVerse& locateVerse) {
  if (!translation) return;
  SetWallpaper(wallpaper);
  SetTranslationLibrary(translation);
  exec();
  if (gotoChosen_ && locateVerse) locateVerse(chosenChapter_, chosenVerseRef_);
}

void TSearchDlg::SetWallpaper(const QImage& wallpaper) { MainPanel->setJTexture(wallpaper); }

int TSearchDlg::SelectedResult() const {
  const auto items = ResultList->selectedItems();
  return items.isEmpty() ? -1 : ResultList->row(items.first());
}

std::string TSearchDlg::SearchText() const { return CoreText(SearchCombo->currentText()); }

bool TSearchDlg::SearchTextIsArabic() const { return HoldsArabic(SearchCombo->currentText()); }

void TSearchDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;
  gotoChosen_ = false;
  closingByCancel_ = false;
  if (const QScreen* s = screen()) {
    QRect frame = frameGeometry();
    frame.moveCenter(s->availableGeometry().center());
    move(frame.topLeft());
  }
  SearchCombo->setFocus();
}

bool TSearchDlg::eventFilter(QObject* watched, QEvent* event) {
  // With no line selected, the first arrow key selects the first line.
  if (watched == ResultList && event->type() == QEvent::KeyPress && ResultList->count() > 0 &&
      ResultList->selectedItems().isEmpty()) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Down || key == Qt::Key_Up) {
      ResultList->setCurrentRow(0);
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void TSearchDlg::FindBtnClick() {
  const bool arabic = SearchTextIsArabic();
  const std::string text = Trim(SearchText());
  if (text.empty()) {
    SearchCombo->setEditText(QString());
    SearchCombo->setFocus();
    return;
  }
  // The history holds each text once, compared in the form the core takes.
  const std::string upper = UpperCaseAscii(text);
  bool known = false;
  for (int i = 0; i < SearchCombo->count() && !known; ++i) {
    const QString item = SearchCombo->itemText(i);
    known = HoldsArabic(item) == arabic && UpperCaseAscii(CoreText(item)) == upper;
  }
  if (!known) {
    // Adding an item must not replace what the box shows.
    const QString shown = SearchCombo->currentText();
    SearchCombo->addItem(FromCoreText(text, arabic));
    if (SearchCombo->currentText() != shown) SearchCombo->setEditText(shown);
  }
  RunSearch(text, arabic);
}

void TSearchDlg::SetResultButtons(bool enabled) {
  GotoBtn->setEnabled(enabled);
  ViewBtn->setEnabled(enabled);
  ReportBtn->setEnabled(enabled);
}

void TSearchDlg::RunSearch(const std::string& text, bool arabic) {
  const unsigned generation = ++searchGeneration_;
  gotoChosen_ = false;
  stopRequested_ = false;
  search_.ClearFoundPositions();
  ResultList->clear();
  SetResultButtons(false);
  const int scope = std::max(0, ChapterCombo->currentIndex());
  if (arabic)
    search_.MatchArabicVerses(text, scope);
  else
    search_.MatchVerses(UpperCaseAscii(text), scope);
  const std::vector<int>& found = search_.FoundPositions();
  if (found.empty()) {
    ResultList->setEnabled(false);
    ShowCount(QStringLiteral("Found : 0."), false);
    SearchCombo->setFocus();
    return;
  }
  ShowCount(QStringLiteral("Found : %1.").arg(found.size()), true);

  ++fillDepth_;
  // A Reset or a newer search during any of these yields replaces this fill's
  // results: it then ends at once, leaving the list to its successor.
  auto replaced = [&] { return generation != searchGeneration_; };
  QApplication::processEvents();
  bool completed = !replaced();
  // Lines go in by the batch, events are processed (and the list repainted)
  // between batches: the first batch is a screenful, each next one twice the
  // last, and none runs longer than a few milliseconds.
  QStringList batch;
  size_t batchLimit = static_cast<size_t>(ResultList->viewport()->height() / kResultLineHeight + 1);
  QElapsedTimer slice;
  slice.start();
  std::string line;
  for (size_t k = 0; completed && k < found.size();) {
    line.clear();
    search_.AppendRecordResultLine(line, found[k++]);
    batch.append(FromCp1252(line));
    if (k < found.size() && static_cast<size_t>(batch.size()) < batchLimit && !slice.hasExpired(kFillSliceMs))
      continue;
    const int first = ResultList->count();
    ResultList->addItems(batch);
    // A screen reader reads a chapter name's soft hyphen as the hyphen drawn.
    for (int row = first; row < ResultList->count(); ++row) {
      QListWidgetItem* item = ResultList->item(row);
      if (item->text().contains(QChar(0x00AD)))
        item->setData(Qt::AccessibleTextRole, WithVisibleSoftHyphens(item->text()));
    }
    batch.clear();
    batchLimit = std::min<size_t>(batchLimit * 2, 1024);
    QApplication::processEvents();
    slice.restart();
    if (replaced() || stopRequested_) completed = false;
  }
  if (completed) {
    ResultList->setEnabled(true);
    SetResultButtons(true);
  }
  if (--fillDepth_ == 0 && pendingClose_) {
    const int result = *pendingClose_;
    pendingClose_.reset();
    QDialog::done(result);
  }
}

void TSearchDlg::ShowCount(const QString& text, bool enabled) {
  ResultsLabel->setEnabled(enabled);
  ResultsLabel->setText(text);
  // The count names the list it describes for a screen reader.
  ResultList->setAccessibleName(text);
}

void TSearchDlg::ResetStopBtnClick() {
  gotoChosen_ = false;
  stopRequested_ = true;
  ++searchGeneration_;
  search_.ClearFoundPositions();
  ResultList->clear();
  SetResultButtons(false);
  ResultList->setEnabled(false);
  ShowCount(QStringLiteral("Found : None."), false);
  IncludeAllCheck->setChecked(true);
  SearchCombo->setEditText(QString());
  SearchCombo->setFocus();
}

void TSearchDlg::CancelBtnClick() {
  stopRequested_ = true;
  closingByCancel_ = true;
  reject();
}

void TSearchDlg::done(int result) {
  // The close box and Escape wait for a running fill to finish; Cancel and
  // Goto close at once.
  if (fillDepth_ > 0 && !closingByCancel_) {
    pendingClose_ = result;
    return;
  }
  closingByCancel_ = false;
  QDialog::done(result);
}

void TSearchDlg::IncludeAllCheckClick() {
  const bool all = IncludeAllCheck->isChecked();
  ChapterCombo->setEnabled(!all);
  if (all) ChapterCombo->setCurrentIndex(0);
}

void TSearchDlg::IncludeLabelClick() { IncludeAllCheck->setChecked(!IncludeAllCheck->isChecked()); }

void TSearchDlg::ResultListDblClick() { ViewBtnClick(); }

void TSearchDlg::ViewBtnClick() {
  if (SelectedResult() < 0) return;
  if (ViewHandler) ViewHandler(*this);
}

void TSearchDlg::ReportBtnClick() {
  if (ReportHandler) ReportHandler(*this);
}

void TSearchDlg::GotoBtnClick() {
  const int selected = SelectedResult();
  const auto& found = search_.FoundPositions();
  if (selected < 0 || selected >= static_cast<int>(found.size())) return;
  const int position = found[selected];
  chosenVerseRef_ = search_.RecordVerseRef(position);
  chosenChapter_ = search_.RecordChapter(position);
  gotoChosen_ = true;
  closingByCancel_ = true;  // closes at once
  accept();
}

}  // namespace lumivra
