#pragma once
// The login window: the first window of the program. It stays loaded, hidden, for the whole run
// and is shown again by the main window's "换用户" to switch user.
#include <QDialog>
#include <functional>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace korvell {

class frmLogin final : public QDialog {
    Q_OBJECT
public:
    explicit frmLogin(QWidget* parent = nullptr);

    QComboBox* Combo1 = nullptr;
    QLineEdit* txtPassword = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

public slots:
    void cmdOK_Click();
    void cmdCancel_Click();
    // Esc and the title bar's close button act as "取消(&Q)".
    void reject() override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    // Fills the user list; false when the database could not be read.
    bool fillUsers();

    bool usersRead = false;
};

// What a successful login opens: the main window, unless the program was started for another.
void setLoginHandover(std::function<void()> open);

} // namespace korvell
