#include "ui/qt/qt_printers.h"

#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include "core/messages.h"
#include "ui/qt/qt_text_metrics.h"

namespace torvi::ui::qt {
namespace {

class QtPrintJob : public PrintJob {
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

    const TextMetrics& metrics() const override { return metrics_; }
    void setOrientation(Orientation orientation) override {
        printer_.setPageOrientation(orientation == Orientation::Landscape ? QPageLayout::Landscape
                                                                          : QPageLayout::Portrait);
    }
    void drawText(const TextRun& run) override { items_.emplace_back(run); }
    void drawLine(const LineRun& run) override { items_.emplace_back(run); }

    std::string endDocument() override {
        if (!file_.isEmpty()) {
            // Asking the file system first gives the reason a file cannot be written.
            QFile file(file_);
            if (!file.open(QIODevice::WriteOnly)) return notSaved(file.errorString());
        }
        QPainter painter;
        if (!painter.begin(&printer_)) {
            return file_.isEmpty() ? core::messages::kPrinterRefused
                                   : notSaved("the PDF could not be written");
        }
        paint(painter);
        if (!painter.end()) {
            return file_.isEmpty() ? core::messages::kSpoolerRefused
                                   : notSaved("the PDF could not be written");
        }
        if (!file_.isEmpty() && QFileInfo(file_).size() == 0) return notSaved("the file is empty");
        return {};
    }

  private:
    std::string notSaved(const QString& reason) const {
        return core::messages::notSaved(file_.toStdString(), reason.toStdString());
    }

    void paint(QPainter& painter) {
        const double scale = printer_.logicalDpiY() / 1440.0;  // device units per twip
        for (const DrawItem& item : items_) {
            if (const auto* line = std::get_if<LineRun>(&item)) {
                QPen pen(toQColor(line->colour));
                pen.setWidthF(std::max(1.0, printer_.logicalDpiY() / 96.0) * line->thickness);
                painter.setPen(pen);
                painter.drawLine(QPointF(line->x1 * scale, line->y1 * scale),
                                 QPointF(line->x2 * scale, line->y2 * scale));
            } else {
                const auto& text = std::get<TextRun>(item);
                const QFont font(printerFont(text.font), &printer_);
                painter.setFont(font);
                painter.setPen(toQColor(text.colour));
                const double ascent = QFontMetricsF(font, &printer_).ascent();
                painter.drawText(QPointF(text.x * scale, text.y * scale + ascent),
                                 QString::fromStdString(text.text));
            }
        }
    }

    QPrinter printer_;
    QtTextMetrics metrics_;
    QString file_;
    std::vector<DrawItem> items_;
};

}  // namespace

std::unique_ptr<PrintJob> QtPrinters::openDefault() {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) return nullptr;
    return std::make_unique<QtPrintJob>(info, QString());
}

std::unique_ptr<PrintJob> QtPrinters::openFile(const std::string& path) {
    return std::make_unique<QtPrintJob>(QPrinterInfo(), QString::fromStdString(path));
}

}  // namespace torvi::ui::qt
