#pragma once
// The logged-in user changes their own password: old one, new one, new one again.
#include <QDialog>

class QLineEdit;
class QPushButton;

namespace korvell {

class frmgymm final : public QDialog {
    Q_OBJECT
public:
    explicit frmgymm(QWidget* parent = nullptr);

    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QLineEdit* Text3 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;

public slots:
    void Command1_Click();
    void Command2_Click();
    // Every way of closing the window ends here; the boxes are emptied and the toast goes.
    void done(int result) override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void ClearInputs();
    void refuse(const QString& text, QLineEdit* field);
};

} // namespace korvell
