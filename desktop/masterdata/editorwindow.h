#pragma once
// The window of a master-data editor (machine groups, customers, products, teams, employees and
// program users): the grid, a save and a close button. The rules are the GridEditor's; the window
// lays out, loads at each opening and forwards its clicks.
#include "desktop/frame/openingwindow.h"
#include "desktop/masterdata/grideditor.h"

#include <QWidget>

class QLabel;
class QPushButton;

namespace platform {
class Grid;
}

namespace korvell {

class EditorWindow final : public OpeningWindow<QWidget> {
    Q_OBJECT
public:
    explicit EditorWindow(const EditorConfig& config, QWidget* parent = nullptr);
    ~EditorWindow() override;

    platform::Grid* Grid1 = nullptr;
    QPushButton* Command1 = nullptr; // save
    QPushButton* Command2 = nullptr; // close
    QLabel* Label1 = nullptr; // bzform's team-code line

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load() override;
    // Another user may have logged in while the window stayed open.
    void Form_Activate() override;
    void layOut();

    std::unique_ptr<GridEditor> engine;
};

} // namespace korvell
