#include "platform/ui/printers.h"

#include "platform/ui/seam.h"

#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>

namespace platform {
namespace {

    class SystemPrinters final : public Printers {
    public:
        std::unique_ptr<QPrinter> defaultPrinter(const QString& jobName) override
        {
            const QPrinterInfo info = QPrinterInfo::defaultPrinter();
            if (info.isNull())
                return nullptr;
            auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
            printer->setDocName(jobName);
            return printer;
        }

        void preview(QPrinter& printer, const std::function<void(QPrinter*)>& paint, int zoomPercent) override
        {
            QPrintPreviewDialog dialog(&printer);
            QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, paint);
            if (auto* view = dialog.findChild<QPrintPreviewWidget*>())
                view->setZoomFactor(zoomPercent / 100.0);
            dialog.exec();
        }
    };

    SystemPrinters systemPrinters;
    Seam<Printers> seam(systemPrinters);

} // namespace

Printers& printers()
{
    return seam.get();
}

Printers* setPrinters(Printers* p)
{
    return seam.install(p);
}

} // namespace platform
