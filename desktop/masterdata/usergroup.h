#pragma once
// The group rights editor "用户组设置维护": the groups in one grid, the query and maintenance
// rights of the clicked group per window in a second; one button saves that group's rights.
#include "desktop/frame/openingwindow.h"
#include "desktop/masterdata/grouprights.h"

#include <QWidget>
#include <memory>

class QLabel;
class QPushButton;

namespace platform {
class Grid;
}

namespace korvell {

class usergroup final : public OpeningWindow<QWidget> {
    Q_OBJECT
public:
    explicit usergroup(QWidget* parent = nullptr);
    ~usergroup() override;

    QLabel* Label2 = nullptr;
    platform::Grid* Grid1 = nullptr; // groups
    QLabel* Label1 = nullptr;
    platform::Grid* Grid2 = nullptr; // rights of the clicked group
    QPushButton* Command1 = nullptr; // save
    QPushButton* Command2 = nullptr; // close

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load() override;
    // Another user may have logged in while the window stayed open.
    void Form_Activate() override;

    std::unique_ptr<GroupRightsEditor> engine;
};

} // namespace korvell
