#pragma once
// The printer seam: labels, orders and sheets are printed on the system's default printer in the
// programs and into PDF files in tests.
#include <QString>
#include <functional>
#include <memory>

class QPrinter;

namespace platform {

class Printers {
public:
    virtual ~Printers() = default;
    // A printer ready for a job, or nullptr when no printer is available.
    virtual std::unique_ptr<QPrinter> defaultPrinter(const QString& jobName) = 0;
    // A print preview at zoomPercent that calls paint whenever it renders; the user prints from
    // it. Returns when the preview is closed.
    virtual void preview(QPrinter& printer, const std::function<void(QPrinter*)>& paint, int zoomPercent) = 0;
};

Printers& printers();
// Installs p (not owned; nullptr restores the system's printers). Returns the previous one.
Printers* setPrinters(Printers* p);

} // namespace platform
