#include "qt/qt_printers.h"

#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include "qt/conversions.h"
#include "qt/painting.h"
#include "qt/qt_text_metrics.h"
#include "ui/units.h"

namespace torvi::qt {
namespace {

class QtPrintJob : public ui::PrintJob {
  public:
    // On the given printer, or into a PDF file when the printer is none.
    QtPrintJob(const QPrinterInfo& info, QString file)
        : printer_(info, QPrinter::HighResolution), metrics_(&printer_), file_(std::move(file)) {
        printer_.setDocName("Torvi");
        // Many queues announce no colour and would turn every colour of the page grey.
        printer_.setColorMode(QPrinter::Color);
        if (!file_.isEmpty()) {
            printer_.setOutputFormat(QPrinter::PdfFormat);
            printer_.setOutputFileName(file_);
            // The margins a printer leaves, so that the file holds the page it would print.
            printer_.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Point);
        }
    }

    const ui::TextMetrics& metrics() const override { return metrics_; }
    void setOrientation(ui::Orientation orientation) override {
        printer_.setPageOrientation(orientation == ui::Orientation::Landscape
                                        ? QPageLayout::Landscape
                                        : QPageLayout::Portrait);
    }
    void drawText(const ui::TextRun& run) override { items_.emplace_back(run); }
    void drawLine(const ui::LineRun& run) override { items_.emplace_back(run); }
    void drawFill(const ui::FillRun& run) override { items_.emplace_back(run); }
    void drawPicture(const ui::PictureRun& run) override { items_.emplace_back(run); }

    ui::PrintFailure endDocument() override {
        using Kind = ui::PrintFailure::Kind;
        const bool toFile = !file_.isEmpty();
        if (toFile) {
            // Asking the file system first gives the reason a file cannot be written.
            QFile file(file_);
            if (!file.open(QIODevice::WriteOnly))
                return failure(Kind::FileNotOpened, file.errorString());
        }
        QPainter painter;
        if (!painter.begin(&printer_))
            return failure(toFile ? Kind::FileNotWritten : Kind::PrinterRefused);
        paintItems(painter, items_,
                   Surface{printer_.logicalDpiY() / double(ui::kTwipsPerInch), &printer_});
        if (!painter.end()) return failure(toFile ? Kind::FileNotWritten : Kind::SpoolerRefused);
        if (toFile && QFileInfo(file_).size() == 0) return failure(Kind::FileEmpty);
        return {};
    }

  private:
    ui::PrintFailure failure(ui::PrintFailure::Kind kind, const QString& reason = {}) const {
        return {kind, toStdString(file_), toStdString(reason)};
    }

    QPrinter printer_;
    QtTextMetrics metrics_;
    QString file_;
    std::vector<ui::DrawItem> items_;
};

}  // namespace

std::unique_ptr<ui::PrintJob> QtPrinters::openDefault() {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) return nullptr;
    return std::make_unique<QtPrintJob>(info, QString());
}

std::unique_ptr<ui::PrintJob> QtPrinters::openFile(const std::string& path) {
    return std::make_unique<QtPrintJob>(QPrinterInfo(), toQString(path));
}

}  // namespace torvi::qt
