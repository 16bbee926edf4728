#include "generator/ui/downloadprogressdlg.h"

#include "generator/link/linkenvironment.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>

namespace vosket {
namespace {

    // The download holds the event loop; let the window appear and repaint meanwhile.
    void paintNow()
    {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }

} // namespace

DownloadProgressDlg::DownloadProgressDlg()
    : progress(new QProgressBar(this))
{
    setWindowTitle(QStringLiteral("进行中"));
    setModal(false);
    auto* text = new QLabel(QStringLiteral("正在下载..."), this);
    text->move(14, 10);
    progress->setAccessibleName(QStringLiteral("正在下载"));
    progress->setRange(0, 100);
    progress->setTextVisible(false);
    setFixedSize(260, 80);
    programLinkEnvironment().progress = this;
}

DownloadProgressDlg::~DownloadProgressDlg()
{
    if (programLinkEnvironment().progress == this)
        programLinkEnvironment().progress = nullptr;
}

void DownloadProgressDlg::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    progress->setGeometry(14, height() / 2, width() - 28, 20);
}

void DownloadProgressDlg::begin()
{
    progress->setRange(0, 100);
    progress->setValue(0);
    show();
    raise();
    paintNow();
}

void DownloadProgressDlg::setPosition(int percent)
{
    progress->setValue(percent);
    paintNow();
}

void DownloadProgressDlg::end()
{
    hide();
    paintNow();
}

} // namespace vosket
