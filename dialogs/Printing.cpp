#include "dialogs/Printing.h"

#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace lumivra {

namespace {

constexpr char kJobName[] = "printJob";

// One print of one view. Lives as the view's child until the engine reports
// the job done, so the printer outlives the asynchronous print.
class TPrintJob : public QObject {
public:
  TPrintJob(QWebEngineView* view, std::unique_ptr<QPrinter> printer,
            std::function<void(bool)> done)
      : QObject(view), printer_(std::move(printer)), done_(std::move(done)) {
    setObjectName(kJobName);
  }

  void Start(QWebEngineView* view) {
    // A renderer that ends takes its print with it: the job is over.
    connect(view->page(), &QWebEnginePage::renderProcessTerminated, this, [this] { Finish(false); });
    // A PDF goes straight from the engine, so the text stays text; a real
    // printer gets the pages drawn by the view.
    if (printer_->outputFormat() == QPrinter::PdfFormat) {
      pdfPath_ = printer_->outputFileName();
      connect(view->page(), &QWebEnginePage::pdfPrintingFinished, this,
              [this](const QString& path, bool ok) {
                if (path == pdfPath_) Finish(ok);
              });
      view->page()->printToPdf(pdfPath_, printer_->pageLayout(), printer_->pageRanges());
    } else {
      connect(view, &QWebEngineView::printFinished, this, [this](bool ok) { Finish(ok); });
      view->print(printer_.get());
    }
  }

private:
  void Finish(bool ok) {
    if (finished_) return;
    finished_ = true;
    auto done = std::move(done_);
    deleteLater();
    if (done) done(ok);
  }

  std::unique_ptr<QPrinter> printer_;
  std::function<void(bool)> done_;
  QString pdfPath_;
  bool finished_ = false;
};

}  // namespace

bool BrowserPrintRunning(QWebEngineView* view) {
  return view != nullptr &&
         view->findChild<QObject*>(kJobName, Qt::FindDirectChildrenOnly) != nullptr;
}

bool PrintBrowserPageTo(QWebEngineView* view, std::unique_ptr<QPrinter> printer,
                        std::function<void(bool)> done) {
  if (view == nullptr || printer == nullptr || BrowserPrintRunning(view)) return false;
  if (printer->outputFormat() == QPrinter::PdfFormat && printer->outputFileName().isEmpty())
    return false;
  if (printer->outputFormat() == QPrinter::NativeFormat && !printer->isValid()) return false;
  auto* job = new TPrintJob(view, std::move(printer), std::move(done));
  job->Start(view);
  return true;
}

void PrintBrowserPage(QWebEngineView* view, bool withDialog) {
  try {
    if (view == nullptr || BrowserPrintRunning(view)) return;
    std::unique_ptr<QPrinter> printer;
    if (withDialog) {
      printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
      QPointer<QWebEngineView> guard(view);
      QPrintDialog dialog(printer.get(), view->window());
      if (dialog.exec() != QDialog::Accepted || guard.isNull()) return;
    } else {
      const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
      if (defaultPrinter.isNull()) return;
      printer = std::make_unique<QPrinter>(defaultPrinter, QPrinter::HighResolution);
    }
    PrintBrowserPageTo(view, std::move(printer));
  } catch (...) {
    // Printing failures end the command without a message.
  }
}

}  // namespace lumivra
