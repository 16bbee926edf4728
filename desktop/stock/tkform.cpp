#include "desktop/stock/tkform.h"

#include "desktop/data/toast.h"
#include "desktop/stock/movementsheets.h"
#include "desktop/stock/returnsource.h"
#include "platform/grid/grid.h"
#include "platform/ui/clock.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

namespace korvell {

namespace {

    const QString importCaption = QStringLiteral("导入退库");
    const QString wholeOrderCaption = QStringLiteral("整单退库");

    const OrderWindowConfig returnWindow {
        .shell = {
            .kind = ReturnOrders,
            .grid = ReturnGrid,
            .caption = "已出库货物退库操作",
            .toolTips = { "上一张退库单", "下一张退库单", "全部删除该单货物", "单笔删除退库货物", "打印退库单" },
            .totalLabels = { "总数量:", "总净量:" },
            .sheet = returnSheetLayout,
            .reportCode = "tkreport",
        },
        .dayLabel = "退库日期:",
        .numberLabel = "退库单号:",
        .heading = "货 物 退 库 单 信 息",
        .approverLabel = "退库审核:",
        .errorListLabel = "错误退货编号列表",
        .commands = { importCaption, "货物退库", "退出", "新退库单" },
    };

    QDateEdit* datePicker(const QString& name, const QDate& day)
    {
        auto* picker = new QDateEdit(day);
        picker->setObjectName(name);
        picker->setCalendarPopup(true);
        picker->setDisplayFormat("yyyy-MM-dd");
        return picker;
    }

} // namespace

tkform::tkform(QWidget* parent)
    : StockOrderWindow(returnWindow, parent)
{
    Text2 = new QLineEdit;
    Text2->setObjectName("Text2");
    connect(Text2, &QLineEdit::textChanged, this, &tkform::Text2_Change);
    Command3 = new QToolButton;
    Command3->setObjectName("Command3");
    Command3->setToolTip("查询原出库单");
    Command3->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    Command3->setAutoRaise(true);
    connect(Command3, &QToolButton::clicked, this, &tkform::Command3_Click);
    headerRow()->insertWidget(0, new QLabel("原出库单号："));
    headerRow()->insertWidget(1, Text2, 1);
    headerRow()->insertWidget(2, Command3);
    headerRow()->insertStretch(3, 1);

    // The picker floats over the middle of the order grid while it is open.
    auto* frame = new QGroupBox("货物出库单条件查询", this);
    Frame2 = frame;
    Frame2->setObjectName("Frame2");
    Frame2->setAutoFillBackground(true);
    DTPicker1 = datePicker("DTPicker1", QDate(2006, 8, 9));
    DTPicker2 = datePicker("DTPicker2", platform::clock().now().date());
    Text4 = new QLineEdit;
    Text4->setObjectName("Text4");
    auto* Command4 = new QPushButton("查询");
    Command4->setObjectName("Command4");
    connect(Command4, &QPushButton::clicked, this, &tkform::Command4_Click);
    auto* Command5 = new QPushButton("确定");
    Command5->setObjectName("Command5");
    connect(Command5, &QPushButton::clicked, Frame2, &QWidget::hide);
    List1 = new QListWidget;
    List1->setObjectName("List1");
    connect(List1, &QListWidget::itemClicked, this, &tkform::List1_Click);
    connect(List1, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        List1_Click(item);
        Frame2->hide();
    });

    auto* pickerLayout = new QGridLayout(Frame2);
    pickerLayout->addWidget(new QLabel("开始日期"), 0, 0);
    pickerLayout->addWidget(DTPicker1, 0, 1);
    pickerLayout->addWidget(new QLabel("结束日期"), 0, 2);
    pickerLayout->addWidget(DTPicker2, 0, 3);
    pickerLayout->addWidget(Command4, 0, 4);
    pickerLayout->addWidget(new QLabel("客户名称"), 1, 0);
    pickerLayout->addWidget(Text4, 1, 1, 1, 3);
    pickerLayout->addWidget(Command5, 1, 4);
    pickerLayout->addWidget(List1, 2, 0, 1, 4);
    auto* hint = new QLabel("请选择需要退库的出库单号");
    hint->setAlignment(Qt::AlignCenter);
    pickerLayout->addWidget(hint, 3, 0, 1, 4);
    Frame2->hide();
}

void tkform::openOwnControls()
{
    StockOrderWindow::openOwnControls();
    Text2->clear();
    Frame2->hide();
}

// A source order is taken back once: after booking and on a new order the import reads the
// collected file again, as its caption says.
void tkform::clearOwnFields()
{
    Text2->clear();
}

void tkform::afterBooking(const BookingOutcome&)
{
    Text2->clear();
}

QString tkform::sourceOrder() const
{
    return Text2->text().trimmed();
}

// A source order takes that whole stock-out order back instead of reading the collected file.
std::optional<QStringList> tkform::serialsToImport()
{
    if (!isWholeOrderReturn(Text2->text()))
        return StockOrderWindow::serialsToImport();
    setErrorList({});
    return serialsOfStockOutOrder(sourceOrder());
}

void tkform::Command3_Click()
{
    ShowToast("", "", ToastBlack);
    fillPicker(stockOutOrders());
    DTPicker2->setDate(platform::clock().now().date());
    placePicker();
    Frame2->show();
    Frame2->raise();
}

void tkform::Command4_Click()
{
    fillPicker(stockOutOrders(DTPicker1->date(), DTPicker2->date(), Text4->text()));
}

void tkform::fillPicker(const std::optional<QStringList>& lines)
{
    if (!lines)
        return; // ExecSQL has said why; the list stays as it was
    List1->clear();
    List1->addItems(*lines);
}

void tkform::List1_Click(QListWidgetItem* item)
{
    Text2->setText(pickedOrderNumber(item->text()));
}

void tkform::Text2_Change()
{
    Command1[0]->setText(isWholeOrderReturn(Text2->text()) ? wholeOrderCaption : importCaption);
}

void tkform::resizeEvent(QResizeEvent* event)
{
    StockOrderWindow::resizeEvent(event);
    placePicker();
}

// Over the middle of the order grid, in the designed size where the window allows it.
void tkform::placePicker()
{
    const QRect grid(Grid1->mapTo(this, QPoint(0, 0)), Grid1->size());
    const QSize size(qMin(560, width() - 20), qBound(160, height() - grid.top() - 10, 420));
    Frame2->setGeometry(QRect(QPoint(grid.center().x() - size.width() / 2, grid.top()), size));
}

} // namespace korvell
