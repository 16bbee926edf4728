#pragma once
// A printer seam for tests: every job and every preview is printed into a numbered PDF file in a
// folder, so tests count jobs and read pages.
#include "platform/ui/printers.h"

#include <QDir>
#include <QPrinter>
#include <QStringList>

namespace testsupport {

class PdfPrinters final : public platform::Printers {
public:
    explicit PdfPrinters(QString folder)
        : dir(std::move(folder))
    {
        previous = platform::setPrinters(this);
    }
    ~PdfPrinters() override { platform::setPrinters(previous); }
    PdfPrinters(const PdfPrinters&) = delete;
    PdfPrinters& operator=(const PdfPrinters&) = delete;

    bool available = true; // false: behave like a machine without a printer
    QStringList files; // one PDF per job or preview, in order
    QList<int> previewZooms;

    std::unique_ptr<QPrinter> defaultPrinter(const QString& jobName) override
    {
        if (!available)
            return nullptr;
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setDocName(jobName);
        const QString file = QDir(dir).filePath(QString("job%1.pdf").arg(files.size() + 1));
        printer->setOutputFileName(file);
        files << file;
        return printer;
    }

    void preview(QPrinter& printer, const std::function<void(QPrinter*)>& paint, int zoomPercent) override
    {
        previewZooms << zoomPercent;
        const QString file = QDir(dir).filePath(QString("job%1.pdf").arg(files.size() + 1));
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        files << file;
        paint(&printer);
    }

private:
    QString dir;
    platform::Printers* previous = nullptr;
};

} // namespace testsupport
