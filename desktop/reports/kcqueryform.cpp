#include "desktop/reports/kcqueryform.h"

#include "platform/grid/grid.h"
#include "platform/ui/dialogs.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace korvell {

namespace {

    QWidget* captioned(const QString& caption, QWidget* grid)
    {
        auto* box = new QWidget;
        auto* layout = new QVBoxLayout(box);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(new QLabel(caption));
        layout->addWidget(grid, 1);
        return box;
    }

} // namespace

kcqueryform::kcqueryform(QWidget* parent)
    : QueryWindow(kcqueryformConfig(), parent)
{
    QPushButton* showConditions = addButton({ "Command3", "条件" });
    controls->insertWidget(1, showConditions);

    Frame1 = new QFrame(this);
    Frame1->setObjectName("Frame1");
    Frame1->setFrameShape(QFrame::Panel);
    Frame1->setFrameShadow(QFrame::Raised);
    Frame1->setAutoFillBackground(true);
    Grid2 = new platform::Grid;
    Grid2->setObjectName("Grid2");
    Grid3 = new platform::Grid;
    Grid3->setObjectName("Grid3");
    QPushButton* close = addButton({ "Command6", "关闭" });
    auto* grids = new QHBoxLayout;
    grids->addWidget(captioned("组合条件", Grid2), 3);
    grids->addWidget(captioned("输出内容", Grid3), 2);
    auto* panel = new QVBoxLayout(Frame1);
    panel->addLayout(grids, 1);
    panel->addWidget(close, 0, Qt::AlignRight);
    Frame1->hide();

    connect(showConditions, &QPushButton::clicked, this, [this] {
        placeFrame();
        Frame1->show();
        Frame1->raise();
    });
    connect(close, &QPushButton::clicked, Frame1, &QWidget::hide);
    connect(Grid2, &platform::Grid::buttonClicked, this, [this](int row, int) {
        duplicateConditionRow(Grid2->sheet(), row);
        Grid2->refresh();
    });
}

// Every opening starts from the view's fields as they are now: all shown, no conditions.
void kcqueryform::loaded()
{
    Frame1->hide();
    fields = viewFields().value_or(QList<ViewField> {});
    buildConditionSheet(Grid2->sheet(), fields);
    buildOutputSheet(Grid3->sheet(), fields);
    Grid2->sheet().setColumnWidth(1, 100);
    Grid2->sheet().setColumnWidth(3, 120);
    Grid3->sheet().setColumnWidth(1, 100);
    Grid2->refresh();
    Grid3->refresh();
}

std::optional<QueryStatements> kcqueryform::statements()
{
    Frame1->hide();
    const auto built = combinedStatements(Grid2->sheet(), Grid3->sheet(), fields);
    if (const auto* message = std::get_if<QString>(&built)) {
        platform::dialogs().message(
            *message, QStringLiteral("提示"), platform::Buttons::Ok, platform::Icon::Warning);
        return std::nullopt;
    }
    const CombinedStatements& s = std::get<CombinedStatements>(built);
    return QueryStatements { s.rows, s.totals };
}

void kcqueryform::resizeEvent(QResizeEvent* event)
{
    QueryWindow::resizeEvent(event);
    placeFrame();
}

// The panel stands over the middle of the result grid.
void kcqueryform::placeFrame()
{
    const QRect grid = Grid1->geometry();
    Frame1->setGeometry(
        grid.adjusted(grid.width() / 8, grid.height() / 10, -grid.width() / 8, -grid.height() / 10));
}

} // namespace korvell
