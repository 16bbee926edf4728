#pragma once
// The about box: the system's name and version, and a button for the system-information tool.
#include <QDialog>

class QPushButton;

namespace korvell {

class frmAbout final : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);

    QPushButton* cmdOK = nullptr;
    QPushButton* cmdSysInfo = nullptr;

public slots:
    void cmdOK_Click();
    void cmdSysInfo_Click();
};

} // namespace korvell
