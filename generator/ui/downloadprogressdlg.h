#pragma once
// "进行中": the progress window of a download attempt. While one exists, the program's downloads
// show it.
#include "generator/link/downloadprogress.h"

#include <QDialog>

class QProgressBar;

namespace vosket {

class DownloadProgressDlg : public QDialog, public DownloadProgress {
    Q_OBJECT
public:
    DownloadProgressDlg();
    ~DownloadProgressDlg() override;

    void begin() override;
    void setPosition(int percent) override;
    void end() override;

    QProgressBar* bar() const { return progress; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QProgressBar* progress;
};

} // namespace vosket
