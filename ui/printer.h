#pragma once
// The printer as the windows see it: a page that takes text and lines, an orientation, and the
// end of the document, which hands the page to the print system.

#include <memory>
#include <string>
#include <vector>

#include "ui/drawing.h"
#include "ui/text_metrics.h"

namespace torvi::ui {

enum class Orientation { Portrait, Landscape };

// Why a document did not reach the printer or its file; the window that printed puts it in words.
struct PrintFailure {
    enum class Kind {
        None,
        PrinterRefused,  // the printer would not start the document
        SpoolerRefused,  // the print system would not take the finished document
        FileNotOpened,   // the file cannot be written; reason holds the system's words
        FileNotWritten,  // the PDF could not be written into it
        FileEmpty,       // the file was left empty
    };
    Kind kind = Kind::None;
    std::string file;  // the PDF file, for the file kinds
    std::string reason;
    bool failed() const { return kind != Kind::None; }
};

class PrintJob : public DrawingSink {
  public:
    virtual const TextMetrics& metrics() const = 0;
    // Set before any output.
    virtual void setOrientation(Orientation orientation) = 0;
    // Finishes the page and hands the document over.
    virtual PrintFailure endDocument() = 0;
    void clear() override {}
};

class Printers {
  public:
    virtual ~Printers() = default;
    // A job on the system's default printer, or nullptr when there is none.
    virtual std::unique_ptr<PrintJob> openDefault() = 0;
    // A job that writes the page a printer would get into a PDF file.
    virtual std::unique_ptr<PrintJob> openFile(const std::string& path) = 0;
    // Whether the platform writes such files itself; where it does not, PDF is one of its
    // printers.
    virtual bool writesFiles() const { return true; }
};

}  // namespace torvi::ui
