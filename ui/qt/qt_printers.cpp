#include "ui/qt/qt_printers.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include "core/messages.h"
#include "ui/qt/qt_text_metrics.h"

namespace torvi::ui::qt {
namespace {

class QtPrintJob : public PrintJob {
  public:
    explicit QtPrintJob(const QPrinterInfo& info)
        : printer_(info, QPrinter::HighResolution), metrics_(&printer_) {
        printer_.setDocName("Torvi");
        // Many queues announce no colour and would turn every colour of the page grey.
        printer_.setColorMode(QPrinter::Color);
    }

    const TextMetrics& metrics() const override { return metrics_; }
    void setOrientation(Orientation orientation) override {
        printer_.setPageOrientation(orientation == Orientation::Landscape ? QPageLayout::Landscape
                                                                          : QPageLayout::Portrait);
    }
    void drawText(const TextRun& run) override { items_.emplace_back(run); }
    void drawLine(const LineRun& run) override { items_.emplace_back(run); }

    std::string endDocument() override {
        QPainter painter;
        if (!painter.begin(&printer_)) return core::messages::kPrinterRefused;
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
        if (!painter.end()) return core::messages::kSpoolerRefused;
        return {};
    }

  private:
    QPrinter printer_;
    QtTextMetrics metrics_;
    std::vector<DrawItem> items_;
};

}  // namespace

std::unique_ptr<PrintJob> QtPrinters::open(std::string& problem) {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        problem = core::messages::kNoPrinter;
        return nullptr;
    }
    return std::make_unique<QtPrintJob>(info);
}

}  // namespace torvi::ui::qt
