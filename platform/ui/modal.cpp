#include "platform/ui/modal.h"

#include <QDialog>
#include <utility>

namespace platform {

namespace {

    ModalRunner& installed()
    {
        static ModalRunner runner;
        return runner;
    }

} // namespace

int runModal(QDialog& dialog)
{
    return installed() ? installed()(dialog) : dialog.exec();
}

ModalRunner setModalRunner(ModalRunner runner)
{
    return std::exchange(installed(), std::move(runner));
}

} // namespace platform
