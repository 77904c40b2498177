#include "app/Main.h"

#include <QCloseEvent>
#include <QFile>
#include <QMessageBox>
#include <QTimer>
#include <QTreeWidget>
#include <exception>

#include "browser/IEDocHostUIHandler.h"
#include "content/Maker.h"
#include "controls/QtText.h"
#include "controls/Wallpaper.h"
#include "dialogs/ApplicationError.h"
#include "dialogs/MessageBoxes.h"

namespace lumivra {

namespace {

// The start-up warnings of the core-file check as message boxes.
class MessageBoxWarnings : public StartupWarnings {
public:
  explicit MessageBoxWarnings(MessageBoxes& boxes) : boxes_(boxes) {}
  void Warn(const std::string& text) override {
    boxes_.Show(QMessageBox::Warning, "Warning", FromCp1252(text));
  }

private:
  MessageBoxes& boxes_;
};

// The launcher names here the settings folder it could not make or enter;
// the reader then runs elsewhere, with its default settings.
constexpr char kUnusableSettingsFolder[] = "LUMIVRA_UNUSABLE_SETTINGS_FOLDER";

// Says so once: the variable goes with the first window that reads it, and
// is not handed on to the programs the reader starts.
void WarnOfUnusableSettingsFolder(MessageBoxes& boxes) {
  const QByteArray folder = qgetenv(kUnusableSettingsFolder);
  if (folder.isEmpty()) return;
  qunsetenv(kUnusableSettingsFolder);
  boxes.Show(QMessageBox::Warning, "Warning",
             QStringLiteral("Warning : Failed to use settings folder %1. The settings cannot be kept "
                            "in that folder; %2 starts with its default settings.")
                 .arg(QFile::decodeName(folder), QString::fromLatin1(kApplicationTitle)));
}

}  // namespace

TMainForm::TMainForm(MessageBoxes* boxes, std::vector<std::string> coreFolders, QWidget* parent)
    : QMainWindow(parent), content_(std::move(coreFolders)) {
  if (boxes == nullptr) {
    ownBoxes_ = std::make_unique<QtMessageBoxes>();
    boxes = ownBoxes_.get();
  }
  boxes_ = boxes;
  setObjectName("MainForm");
  CreateComponents();
  FormCreate();
}

TMainForm::~TMainForm() {
  FormDestroy();
  SetWallpaperSource({});
  // The tree must not report changes while it is taken apart.
  if (changeTimer_ != nullptr) changeTimer_->stop();
  if (TreeView != nullptr) TreeView->disconnect(this);
}

void TMainForm::FormCreate() {
  try {
    SetupMenuDrawing();
    MessageBoxWarnings warnings(*boxes_);
    content_.CheckCoreFiles(warnings);
    WarnOfUnusableSettingsFolder(*boxes_);
    docHostHandler_ = std::make_unique<TDocHostUIHandler>();
    BookmarkList.clear();
    if (!LoadSettings()) {
      ThemeType = 0;
      ThemeMenuColor = 0xFFFFFF;
      ViewOption = 0;
      InitODefaultPage = 0;
    }
    ShowLoading = true;
    BuildChapterTree();
  } catch (...) {
    boxes_->Show(QMessageBox::Critical, "Error",
                 QString("Error : Failed to initialize application. Please contact ") +
                     QString::fromUtf8(kMakerSupportEmail));
  }
}

void TMainForm::FormDestroy() {
  if (destroyed_) return;
  destroyed_ = true;
  SaveSettings();
  content_.Release();
  docHostHandler_.reset();
  BookmarkList.clear();
  emit FormDestroyed();
}

void TMainForm::closeEvent(QCloseEvent* event) {
  FormDestroy();
  event->accept();
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Client && event->type() == QEvent::Resize) FormResize();
  return QMainWindow::eventFilter(watched, event);
}

void TMainForm::miExitClick() { close(); }

void TMainForm::ShowApplicationError(const std::string& cp1252Text) {
  boxes_->Show(QMessageBox::Critical, kApplicationTitle, ErrorReportText(FromCp1252(cp1252Text)));
}

void TMainForm::ReportErrors(const std::function<void()>& command) {
  try {
    command();
  } catch (const std::exception& error) {
    ShowApplicationError(error.what());
  }
}

}  // namespace lumivra
