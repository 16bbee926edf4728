#include "desktop/masterdata/editorwindow.h"

#include "desktop/frame/msgfrm.h"
#include "desktop/frame/paintgradient.h"
#include "desktop/frame/procedures.h"
#include "platform/grid/grid.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

namespace korvell {

namespace {

    constexpr int margin = 8; // pixels around a grid that keeps its design place
    const QSize buttonSize(615 / twipsPerPixel, 555 / twipsPerPixel);
    const QSize laidOutSize(760, 480);

    int pixels(double twips)
    {
        return int(twips / twipsPerPixel);
    }

} // namespace

EditorWindow::EditorWindow(const EditorConfig& config, QWidget* parent)
    : OpeningWindow(parent)
{
    setObjectName(config.name);
    setWindowTitle(config.caption);
    Grid1 = new platform::Grid(this);
    Command1 = new QPushButton(QStringLiteral("保存"), this);
    Command2 = new QPushButton(QStringLiteral("取消"), this);
    Command1->resize(buttonSize);
    Command2->resize(buttonSize);
    if (!config.label.isEmpty()) {
        Label1 = new QLabel(config.label, this);
        Label1->adjustSize();
    }
    Grid1->setShowFocusRect(false);
    if (config.designColours) {
        Grid1->setSelectionColor(0xFF8080); // RGB(128,128,255)
        Grid1->setOutsideColor(0x808080);
    }
    engine = std::make_unique<GridEditor>(config, Grid1->sheet());
    engine->prepare();

    if (config.layout.laidOut) {
        resize(laidOutSize);
    } else {
        const QSize grid = config.layout.designGrid;
        Grid1->setGeometry(margin, margin, grid.width(), grid.height());
        const int top = margin * 2 + grid.height();
        const int width = grid.width() + 2 * margin;
        Command1->move(int(width * 0.35), top);
        Command2->move(int(width * 0.6), top);
        setFixedSize(width, top + buttonSize.height() + margin);
    }

    connect(Command1, &QPushButton::clicked, this, [this] { engine->save(); });
    connect(Command2, &QPushButton::clicked, this, &QWidget::close);
    connect(Grid1, &platform::Grid::clicked, this, [] { ShowToast(QString(), QString(), ToastBlack); });
    connect(Grid1, &platform::Grid::mouseDown, this,
        [this](int button, int, int, int) { engine->deleteOnMouseButton(button, Grid1->activeRow()); });
}

EditorWindow::~EditorWindow() = default;

void EditorWindow::Form_Activate()
{
    Command1->setEnabled(GetRights(engine->config().name).mayChange());
}

// Rights and rows are read afresh at each opening; a resize keeps the edits.
void EditorWindow::Form_Load()
{
    closeToast();
    Form_Activate();
    engine->load();
    Grid1->refresh();
}

void EditorWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    PaintGradient(this, 100, 255, 0, 40, 60, -3.0);
    layOut();
}

void EditorWindow::layOut()
{
    const EditorConfig& config = engine->config();
    const int innerWidth = width() * twipsPerPixel;
    const int innerHeight = height() * twipsPerPixel;
    if (config.layout.laidOut) {
        const int gridWidth = std::max(innerWidth - 200, 0);
        const int gridHeight = std::max(innerHeight - 1000, 0);
        Grid1->setGeometry(pixels(100), pixels(100), pixels(gridWidth), pixels(gridHeight));
        const int buttonTop = pixels(gridHeight + config.layout.buttonGap);
        Command1->move(pixels(innerWidth * config.layout.saveLeft), buttonTop);
        Command2->move(pixels(innerWidth * config.layout.closeLeft), buttonTop);
        if (Label1)
            Label1->move(pixels(100), buttonTop + (buttonSize.height() - Label1->height()) / 2);
    }
    const int gridWidthTwips = Grid1->width() * twipsPerPixel;
    platform::SheetModel& sheet = Grid1->sheet();
    for (int i = 0; i < config.columns.size(); ++i)
        sheet.setColumnWidth(i + 1, editorColumnWidth(config.columns.at(i), gridWidthTwips));
}

void EditorWindow::closeEvent(QCloseEvent* event)
{
    closeToast();
    if (!engine->config().closeLogText.isEmpty())
        WriteLog(engine->config().closeLogText);
    QWidget::closeEvent(event);
}

} // namespace korvell
