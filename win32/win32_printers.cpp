#include "win32/win32_printers.h"

// clang-format off
#include <windows.h>
#include <winspool.h>
// clang-format on

#include <vector>

#include "win32/gdi_painting.h"
#include "win32/win32_text_metrics.h"

namespace torvi::win32 {
namespace {

class Win32PrintJob : public ui::PrintJob {
  public:
    explicit Win32PrintJob(std::string printer)
        : printer_(std::move(printer)),
          information_(CreateICA("WINSPOOL", printer_.c_str(), nullptr, nullptr)),
          metrics_(information_) {}
    ~Win32PrintJob() override {
        if (information_ != nullptr) DeleteDC(information_);
    }

    const ui::TextMetrics& metrics() const override { return metrics_; }
    void setOrientation(ui::Orientation orientation) override { orientation_ = orientation; }
    void drawText(const ui::TextRun& run) override { items_.emplace_back(run); }
    void drawLine(const ui::LineRun& run) override { items_.emplace_back(run); }
    void drawFill(const ui::FillRun& run) override { items_.emplace_back(run); }
    void drawPicture(const ui::PictureRun& run) override { items_.emplace_back(run); }

    ui::PrintFailure endDocument() override {
        using Kind = ui::PrintFailure::Kind;
        HDC dc = createDeviceContext();
        if (dc == nullptr) return {Kind::PrinterRefused, {}, {}};
        DOCINFOA document{};
        document.cbSize = sizeof document;
        document.lpszDocName = "Torvi";
        if (StartDocA(dc, &document) <= 0 || StartPage(dc) <= 0) {
            DeleteDC(dc);
            return {Kind::PrinterRefused, {}, {}};
        }
        // The model's positions count from the printable area, where the device's origin is.
        paintItems(dc, items_, {GetDeviceCaps(dc, LOGPIXELSX), GetDeviceCaps(dc, LOGPIXELSY)});
        const bool handedOver = EndPage(dc) > 0 && EndDoc(dc) > 0;
        DeleteDC(dc);
        return handedOver ? ui::PrintFailure{} : ui::PrintFailure{Kind::SpoolerRefused, {}, {}};
    }

  private:
    // A device context with the printer's settings, the orientation and colour changed.
    HDC createDeviceContext() const {
        HANDLE printer = nullptr;
        std::vector<char> name(printer_.begin(), printer_.end());
        name.push_back('\0');
        if (!OpenPrinterA(name.data(), &printer, nullptr)) return nullptr;
        const LONG size = DocumentPropertiesA(nullptr, printer, name.data(), nullptr, nullptr, 0);
        std::vector<char> settings(size > 0 ? static_cast<std::size_t>(size) : sizeof(DEVMODEA));
        auto* mode = reinterpret_cast<DEVMODEA*>(settings.data());
        HDC dc = nullptr;
        if (size > 0 && DocumentPropertiesA(nullptr, printer, name.data(), mode, nullptr,
                                            DM_OUT_BUFFER) == IDOK) {
            mode->dmFields |= DM_ORIENTATION | DM_COLOR;
            mode->dmOrientation =
                orientation_ == ui::Orientation::Landscape ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT;
            // Many queues announce no colour and would turn every colour of the page grey.
            mode->dmColor = DMCOLOR_COLOR;
            DocumentPropertiesA(nullptr, printer, name.data(), mode, mode,
                                DM_IN_BUFFER | DM_OUT_BUFFER);
            dc = CreateDCA("WINSPOOL", printer_.c_str(), nullptr, mode);
        }
        ClosePrinter(printer);
        return dc;
    }

    std::string printer_;
    HDC information_;
    Win32TextMetrics metrics_;
    ui::Orientation orientation_ = ui::Orientation::Portrait;
    std::vector<ui::DrawItem> items_;
};

}  // namespace

std::unique_ptr<ui::PrintJob> Win32Printers::openDefault() {
    char name[512] = {};
    DWORD size = sizeof name;
    if (!GetDefaultPrinterA(name, &size)) return nullptr;
    return std::make_unique<Win32PrintJob>(name);
}

std::unique_ptr<ui::PrintJob> Win32Printers::openFile(const std::string&) {
    return nullptr;
}

}  // namespace torvi::win32
