#pragma once
// "COM口设置": the port COM1 to COM6, shown with the device it stands for here, and the speed.
#include "generator/project/commsettings.h"

#include <QDialog>

class QComboBox;
class QLabel;

namespace vosket {

class ComSettingDlg : public QDialog {
    Q_OBJECT
public:
    // OK stores the two choices in comm; Cancel leaves it as it was.
    explicit ComSettingDlg(CommSettings& comm, QWidget* parent = nullptr);

    QComboBox* portBox() const { return port; }
    QComboBox* baudBox() const { return baud; }
    QLabel* deviceLabel() const { return device; }

    void accept() override;

private:
    void showDevice(int portIndex);

    CommSettings& comm;
    QComboBox* port;
    QComboBox* baud;
    QLabel* device;
};

} // namespace vosket
