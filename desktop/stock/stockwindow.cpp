#include "desktop/stock/stockwindow.h"

#include "desktop/data/execsql.h"
#include "desktop/data/loginstate.h"
#include "desktop/data/toast.h"
#include "desktop/frame/loadreport.h"
#include "desktop/frame/login.h"
#include "desktop/frame/paintgradient.h"
#include "desktop/masterdata/idnamecomboitem.h"
#include "desktop/stock/clientareafit.h"
#include "desktop/stock/dropcalendar.h"
#include "desktop/stock/people.h"
#include "platform/grid/grid.h"
#include "platform/ui/clock.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPainter>
#include <QStyle>
#include <QToolButton>

namespace korvell {

namespace {

    constexpr int codeWidth = 8;

    QPixmap lamp(const QColor& colour)
    {
        QPixmap picture(18, 18);
        picture.fill(Qt::transparent);
        QPainter p(&picture);
        p.setRenderHint(QPainter::Antialiasing);
        p.setBrush(colour);
        p.setPen(colour.darker());
        p.drawEllipse(1, 1, 16, 16);
        return picture;
    }

    QLineEdit* greyBox(const QString& name)
    {
        auto* box = new QLineEdit;
        box->setObjectName(name);
        box->setReadOnly(true);
        box->setStyleSheet("background: #e0e0e0;");
        return box;
    }

} // namespace

StockWindow::StockWindow(const StockWindowConfig& config, QWidget* parent)
    : OpeningWindow(parent)
    , config(config)
    , session(config.kind)
{
    setObjectName(config.kind.windowName);
    setWindowTitle(config.caption);
    setAutoFillBackground(true);

    Text1 = greyBox("Text1");
    // The date in use; only the calendar changes it.
    Text3 = new QLineEdit;
    Text3->setObjectName("Text3");
    Text3->setReadOnly(true);
    Text3->installEventFilter(this);
    Text6 = greyBox("Text6");
    Text6->setEnabled(false);
    Frame1 = new QGroupBox("合计页");
    Frame1->setStyleSheet("QGroupBox { color: blue; }");
    auto* totalsRow = new QHBoxLayout(Frame1);
    totalsRow->addStretch();
    for (int i = 0; i < config.totalLabels.size(); ++i) {
        Text8 << greyBox(QString("Text8_%1").arg(i));
        totalsRow->addWidget(new QLabel(config.totalLabels[i]));
        totalsRow->addWidget(Text8[i]);
    }

    const QList<QStyle::StandardPixmap> icons { QStyle::SP_ArrowLeft, QStyle::SP_ArrowRight,
        QStyle::SP_TrashIcon, QStyle::SP_DialogDiscardButton, QStyle::SP_FileDialogDetailedView };
    for (int i = 0; i < 5; ++i) {
        Command2[i] = new QToolButton;
        Command2[i]->setObjectName(QString("Command2_%1").arg(i));
        Command2[i]->setToolTip(config.toolTips[i]);
        Command2[i]->setIcon(style()->standardIcon(icons[i]));
        Command2[i]->setAutoRaise(true);
        connect(Command2[i], &QToolButton::clicked, this, [this, i] { Command2_Click(i); });
    }

    const std::array<QColor, 2> lampColours { QColor(200, 40, 40), QColor(40, 180, 60) };
    for (int i = 0; i < 2; ++i) {
        Imageonoff[i] = new QLabel;
        Imageonoff[i]->setObjectName(QString("Imageonoff_%1").arg(i));
        Imageonoff[i]->setPixmap(lamp(lampColours[i]));
    }
    Imageonoff[1]->hide();

    Grid1 = new platform::Grid;
    Grid1->setObjectName("Grid1");
    layOutOrderGrid();
    // The print grid as designed: five columns, thirty rows; each print rebuilds it from Grid1.
    Grid2 = new platform::Grid(this);
    Grid2->setObjectName("Grid2");
    Grid2->sheet().setCols(5);
    Grid2->sheet().setRows(30);
    Grid2->hide();
    connect(Grid2, &platform::Grid::afterSort, this, &StockWindow::Grid2_AfterSort);

    MonthView1 = new DropCalendar(this);
    MonthView1->setObjectName("MonthView1");
    connect(MonthView1, &DropCalendar::chosen, this, &StockWindow::calendarChosen);
    fitter = new ClientAreaFit(this);
    connect(
        &loginAnnouncer(), &LoginAnnouncer::loggedIn, this, [this] { Text6->setText(loginState().gyname); });
}

StockWindow::~StockWindow() = default;

void StockWindow::layOutOrderGrid()
{
    // Widths in the grid's units from the designed grid width of 14895 twips.
    platform::SheetModel& sheet = Grid1->sheet();
    sheet.setCols(OrderColCount);
    sheet.setRows(1);
    const int W = qRound(14895 / 151.0);
    for (int c = 0; c < OrderColCount; ++c) {
        sheet.setCellText(0, c, config.grid.captions[c]);
        sheet.setColumnWidth(c, c == 0 || c >= OrderColStatus ? 0 : c == OrderColStatusName ? 80 : W);
        sheet.setColumnLocked(c, true);
    }
    sheet.setShadingColor1(platform::bgrFromColor(QColor(239, 243, 255)));
}

// Another user may have logged in and the lists may have grown since the last opening. Day and
// order are set here, never by a resize: waiting items keep their order.
void StockWindow::Form_Load()
{
    Text6->setText(loginState().gyname);
    ShowToast("", "", ToastBlack);
    openOwnControls();
    openOrder();
}

void StockWindow::openOrder()
{
    const OrderSession::Opening opening = session.open(platform::clock().now().date());
    showNewOrder();
    showOpenedOrder(opening);
}

void StockWindow::showOrder()
{
    Text1->setText(session.number());
    Text3->setText(dayText(session.day()));
    Command2[2]->setEnabled(session.deletesEnabled());
    Command2[3]->setEnabled(session.deletesEnabled());
}

void StockWindow::showNewOrder()
{
    Grid1->sheet().setRows(1);
    for (QLineEdit* t : Text8)
        t->setText("0");
    showControls();
}

bool StockWindow::reloadOrderGrid(const QString& status)
{
    return showOrderLines(loadOrderGrid(config.grid, session.number(), loginState().station_no, status));
}

bool StockWindow::showOrderLines(const std::optional<OrderGridFill>& fill)
{
    if (!fill)
        return false; // ExecSQL has said why; grid and totals keep the last fill
    platform::SheetModel& sheet = Grid1->sheet();
    {
        platform::SheetModel::Batch batch(sheet);
        sheet.setRows(1);
        sheet.setRows(int(fill->rows.size()) + 1);
        for (int i = 0; i < fill->rows.size(); ++i) {
            const QStringList& row = fill->rows[i];
            for (int c = 1; c < OrderColCount; ++c)
                sheet.setCellText(i + 1, c, row[c]);
            if (!row[OrderColStatusName].isEmpty())
                sheet.setCellTextColor(i + 1, OrderColStatusName, 0x0000FF);
        }
    }
    for (int i = 0; i < Text8.size(); ++i)
        Text8[i]->setText(fill->totals.value(i, "0"));
    return true;
}

QList<OrderLine> StockWindow::orderLines() const
{
    QList<OrderLine> lines;
    const platform::SheetModel& sheet = Grid1->sheet();
    for (int r = 1; r < sheet.rows(); ++r)
        lines << OrderLine { sheet.cellText(r, OrderColSerial), sheet.cellText(r, OrderColStatus) };
    return lines;
}

QStringList StockWindow::totals() const
{
    QStringList texts;
    for (const QLineEdit* t : Text8)
        texts << t->text();
    return texts;
}

void StockWindow::markBooked(const QStringList& serials, const QString& status)
{
    platform::SheetModel& sheet = Grid1->sheet();
    for (int r = 1; r < sheet.rows(); ++r)
        if (serials.contains(sheet.cellText(r, OrderColSerial))
            && (status.isEmpty() || sheet.cellText(r, OrderColStatus) == status))
            sheet.setCellText(r, OrderColStatusName, config.kind.bookedMark);
}

void StockWindow::fillIdNameList(
    QComboBox* box, const SqlResult& rows, const QString& code, const QString& name, const QString& prompt)
{
    box->clear();
    if (rows && rows.rs)
        for (auto& rs = *rows.rs; !rs.eof(); rs.MoveNext())
            box->addItem(IdNameComboItem(rs.value(code).toString(), rs.value(name).toString(), codeWidth));
    box->setCurrentIndex(-1);
    box->setEditText(prompt);
}

void StockWindow::fillPeopleList(QComboBox* box, const QString& team, const QString& prompt)
{
    fillIdNameList(box, employeesOf(team), "emp_id", "emp_name", prompt);
}

void StockWindow::Command2_Click(int index)
{
    ShowToast("", "", ToastBlack);
    session.settleLog();
    // Deletes and undos need today's order and both rights at this very click.
    const OrderSession::DeleteGate gate = session.deleteGate();
    showOrder();
    switch (index) {
    case 0:
    case 1:
        browse(index == 0 ? -1 : 1);
        break;
    case 2:
    case 3:
        if (gate == OrderSession::DeleteGate::PastDay)
            ShowToast(config.kind.pastDay, config.kind.pastDayHint, ToastRed);
        else if (gate == OrderSession::DeleteGate::NoRights)
            ShowToast(config.kind.noDeleteRights, noRightsHint, ToastRed);
        else if (gate == OrderSession::DeleteGate::Open)
            deleteOrUndo(index);
        break;
    case 4:
        printOrder();
        break;
    }
}

void StockWindow::browse(int step)
{
    if (holdsOrder()) {
        ShowToast(config.kind.pending, config.kind.pendingBrowse, ToastRed);
        return;
    }
    if (!session.browse(step))
        return;
    showControls();
    showBrowsedOrder();
}

// Printing tests neither the pending flag nor the rights; the user prints from the preview.
void StockWindow::printOrder()
{
    buildOrderSheet(Grid2->sheet(), Grid1->sheet(), config.sheet(totals()), platform::clock().now().date(),
        loginState().gyname);
    Grid2->printPreview(100);
}

void StockWindow::exitWindow()
{
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
        frame->close();
    else
        close();
}

// The print grid's event fills the order grid from the order's report template.
void StockWindow::Grid2_AfterSort(int)
{
    LoadReport(Grid1->sheet(), config.reportCode);
}

void StockWindow::calendarChosen(const QDate& chosen)
{
    // A new day means a new order; items waiting on this one would lose it.
    if (holdsOrder()) {
        ShowToast(config.kind.pending, config.kind.pendingDay, ToastRed);
        return;
    }
    if (session.changeDay(chosen))
        showControls();
}

void StockWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    fitter->fit();
}

void StockWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    PaintGradient(this, 100, 255, 0, 40, 60, -3.0);
}

void StockWindow::closeEvent(QCloseEvent* event)
{
    if (!session.mayClose()) {
        event->ignore();
        return;
    }
    closing();
    MonthView1->hide();
    ShowToast("", "", ToastBlack);
    event->accept();
}

bool StockWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress && watched == Text3)
        MonthView1->dropBelow(Text3, session.day());
    return QWidget::eventFilter(watched, event);
}

} // namespace korvell
