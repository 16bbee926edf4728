#pragma once
// The main window: a frame whose client area holds the stock windows; its menus and buttons open
// every other window by name. Closing it ends the program.
#include <QMainWindow>
#include <QTimer>

class QLabel;
class QMdiArea;
class QToolButton;

namespace korvell {

class mainfrm final : public QMainWindow {
    Q_OBJECT
public:
    explicit mainfrm(QWidget* parent = nullptr);

    static constexpr int panelCount = 5;
    // Text of status-bar panel 1 to 5.
    QString panelText(int panel) const;
    QMdiArea* clientArea() const { return area; }

public slots:
    void Timer1_Timer();
    void calc_Click();
    void exitsys_Click();
    // The frame is closing and no child window refused: the program ends.
    void MDIForm_Unload();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void MDIForm_Load();
    // Title and company phone from c_compmsg; false when it could not be read.
    bool readCompany();
    void buildMenus();
    void buildButtons();
    // Shows a child window from the menu: it goes to the top left corner of the client area.
    void showAtTopLeft(const QString& name);

    QMdiArea* area = nullptr;
    QLabel* panels[panelCount] = {};
    QTimer Timer1;
    bool companyRead = false;
};

} // namespace korvell
