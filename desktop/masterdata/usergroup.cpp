#include "desktop/masterdata/usergroup.h"

#include "desktop/data/loginstate.h"
#include "desktop/frame/msgfrm.h"
#include "desktop/frame/paintgradient.h"
#include "desktop/frame/procedures.h"
#include "platform/grid/grid.h"

#include <QLabel>
#include <QPushButton>
#include <cmath>

namespace korvell {

namespace {

    // A design place given in twips.
    QRect place(int left, int top, int width, int height)
    {
        return QRect(
            left / twipsPerPixel, top / twipsPerPixel, width / twipsPerPixel, height / twipsPerPixel);
    }

} // namespace

usergroup::usergroup(QWidget* parent)
    : OpeningWindow(parent)
{
    setObjectName(QString::fromUtf8(groupRightsWindow));
    setWindowTitle(QStringLiteral("用户组设置维护"));
    Label2 = new QLabel(QStringLiteral("用户组名称"), this);
    Label2->move(place(240, 120, 0, 0).topLeft());
    Grid1 = new platform::Grid(this);
    Grid1->setGeometry(place(240, 360, 5175, 2175));
    Label1 = new QLabel(QStringLiteral("用户组权限"), this);
    Label1->move(place(240, 2760, 0, 0).topLeft());
    Grid2 = new platform::Grid(this);
    Grid2->setGeometry(place(240, 3000, 5175, 2415));
    Command1 = new QPushButton(QStringLiteral("保存"), this);
    Command1->setGeometry(place(1680, 5520, 615, 555));
    Command2 = new QPushButton(QStringLiteral("取消"), this);
    Command2->setGeometry(place(3000, 5520, 615, 555));
    setFixedSize(place(0, 0, 5790, 6240).size());

    engine = std::make_unique<GroupRightsEditor>(Grid1->sheet(), Grid2->sheet());
    engine->prepare();
    Grid1->sheet().setColumnWidth(1, int(std::nearbyint(Grid1->width() * twipsPerPixel * 0.07)));

    connect(Grid1, &platform::Grid::clicked, this, [this] { engine->showRights(Grid1->activeRow()); });
    connect(Grid1, &platform::Grid::mouseDown, this,
        [this](int button, int, int, int) { engine->deleteOnMouseButton(button, Grid1->activeRow()); });
    connect(Command1, &QPushButton::clicked, this, [this] { engine->save(Grid1->activeRow()); });
    connect(Command2, &QPushButton::clicked, this, &QWidget::close);
}

usergroup::~usergroup() = default;

void usergroup::Form_Activate()
{
    Command1->setEnabled(
        GetRights(QString::fromUtf8(groupRightsWindow)).maySaveGroupRights(loginState().gyname));
}

// Rights and groups are read afresh at each opening.
void usergroup::Form_Load()
{
    closeToast();
    Form_Activate();
    engine->loadGroups();
    Grid1->refresh();
}

void usergroup::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    PaintGradient(this, 100, 255, 0, 40, 60, -3.0);
}

void usergroup::closeEvent(QCloseEvent* event)
{
    closeToast();
    QWidget::closeEvent(event);
}

} // namespace korvell
