#include "desktop/stock/ckform.h"

#include "desktop/data/toast.h"
#include "desktop/frame/windowregistry.h"
#include "desktop/masterdata/editorwindow.h"
#include "desktop/stock/customersearch.h"
#include "desktop/stock/itemstatus.h"
#include "desktop/stock/movementsheets.h"
#include "platform/grid/grid.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QToolButton>

namespace korvell {

namespace {

    const QString printMark = QStringLiteral("★");

    const OrderWindowConfig stockOutWindow {
        .shell = {
            .kind = StockOutOrders,
            .grid = StockOutGrid,
            .caption = "货物出库功能",
            .toolTips = { "上一张出库单", "下一张出库单", "全部删除该出库单货物", "单笔删除出库货物", "打印出库单" },
            .totalLabels = { "总数量:", "总毛量:", "总净量:" },
            .sheet = stockOutSheetLayout,
            .reportCode = "ckreport",
        },
        .dayLabel = "出库日期:",
        .numberLabel = "出库单号:",
        .heading = "出 库 单 信 息",
        .approverLabel = "出库审核:",
        .errorListLabel = "错误库存列表",
        .commands = { "导入", "货物出库", "退出", "新出库单" },
    };

} // namespace

ckform::ckform(QWidget* parent)
    : StockOrderWindow(stockOutWindow, parent)
{
    Combo2 = new QComboBox;
    Combo2->setObjectName("Combo2");
    Combo2->setEditable(true);
    Combo2->setInsertPolicy(QComboBox::NoInsert);
    Combo2->setMinimumContentsLength(30);
    Combo2->installEventFilter(this);
    Combo2->lineEdit()->installEventFilter(this);

    Command3 = new QToolButton;
    Command3->setObjectName("Command3");
    Command3->setToolTip("增添客户信息");
    Command3->setIcon(style()->standardIcon(QStyle::SP_FileDialogNewFolder));
    Command3->setAutoRaise(true);
    connect(Command3, &QToolButton::clicked, this, &ckform::Command3_Click);

    printflg = new QLineEdit;
    printflg->setObjectName("printflg");
    printflg->setReadOnly(true);
    printflg->setFixedWidth(28);
    printflg->setAlignment(Qt::AlignCenter);
    printflg->setStyleSheet("color: red;");
    printflg->installEventFilter(this);

    headerRow()->insertWidget(0, new QLabel("客户名称："));
    headerRow()->insertWidget(1, Combo2, 1);
    headerRow()->insertWidget(2, Command3);
    footerRow()->insertWidget(0, printflg);
    footerRow()->insertWidget(1, new QLabel("出库时立即打印出库单"));
}

void ckform::openOwnControls()
{
    StockOrderWindow::openOwnControls();
    Combo2->setEditText(QString());
    Combo2_Search();
    printflg->clear();
}

QString ckform::customerName() const
{
    return Combo2->currentText().trimmed();
}

bool ckform::printAtOnce() const
{
    return printflg->text() == printMark;
}

// Enter lists the customers whose name contains the typed text; the text stays.
void ckform::Combo2_Search()
{
    const QString typed = Combo2->currentText();
    const auto names = customersContaining(typed);
    if (!names)
        return; // ExecSQL has said why; the list stays as it was
    Combo2->clear();
    Combo2->addItems(*names);
    Combo2->setCurrentIndex(-1);
    Combo2->setEditText(typed);
}

// The customer editor opens with a new blank line; this list is refreshed by the next Enter.
void ckform::Command3_Click()
{
    if (auto* editor = qobject_cast<EditorWindow*>(showWindow("khform")))
        editor->Grid1->sheet().addRow();
}

void ckform::clearOwnFields()
{
    Combo2->setCurrentIndex(-1);
    Combo2->setEditText(QString());
}

// The note is printed as the grid stands, marked booked; then the grid shows the booked lines,
// or the staged ones while some were left alone.
void ckform::afterBooking(const BookingOutcome& outcome)
{
    if (!outcome.booked.isEmpty() && printAtOnce())
        Command2_Click(4);
    LoadStockOutOrderGrid(outcome.pending ? StatusStagedForStockOut : StatusBookedOut);
}

void ckform::printflg_Click()
{
    printflg->setText(printAtOnce() ? QString() : printMark);
}

bool ckform::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && (watched == Combo2 || watched == Combo2->lineEdit())) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Combo2_Search();
            return true;
        }
    } else if (event->type() == QEvent::MouseButtonPress && watched == printflg) {
        printflg_Click();
    }
    return StockOrderWindow::eventFilter(watched, event);
}

} // namespace korvell
