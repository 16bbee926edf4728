#include "desktop/stock/stockorderwindow.h"

#include "desktop/data/execsql.h"
#include "desktop/data/loginstate.h"
#include "desktop/data/toast.h"
#include "desktop/frame/loadreport.h"
#include "desktop/frame/paintgradient.h"
#include "desktop/frame/procedures.h"
#include "desktop/masterdata/idnamecomboitem.h"
#include "desktop/stock/clientareafit.h"
#include "desktop/stock/collectedserials.h"
#include "desktop/stock/dropcalendar.h"
#include "desktop/stock/orderbrowsing.h"
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
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace korvell {

namespace {

    const QString approverPrompt = QStringLiteral("请选择审核工号");
    constexpr int codeWidth = 8;
    // The import error list's height in its normal place: six rows.
    constexpr int errorListHeight = platform::SheetModel::defaultRowHeight * 6 + 4;

    QPixmap receiveLamp(const QColor& colour)
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

    // A small scroll bar used as a button: any change of its value acts.
    QScrollBar* flatBar(const QString& name, const QString& tip)
    {
        auto* bar = new QScrollBar(Qt::Vertical);
        bar->setObjectName(name);
        bar->setToolTip(tip);
        bar->setRange(0, 32767);
        bar->setSingleStep(1);
        bar->setFixedSize(17, 33);
        return bar;
    }

} // namespace

StockOrderWindow::StockOrderWindow(const OrderWindowConfig& config, QWidget* parent)
    : QWidget(parent)
    , config(config)
{
    setObjectName(config.kind.windowName);
    setWindowTitle(config.caption);
    setAutoFillBackground(true);
    layOut();
    layOutGrids();
    makePrintGrid();
}

StockOrderWindow::~StockOrderWindow() = default;

void StockOrderWindow::layOut()
{
    Text1 = greyBox("Text1");
    Text3 = new QLineEdit;
    Text3->setObjectName("Text3");
    Text3->installEventFilter(this);
    Text6 = greyBox("Text6");
    Text6->setEnabled(false);
    for (int i = 0; i < config.totalLabels.size(); ++i)
        Text8 << greyBox(QString("Text8_%1").arg(i));

    Combo1_4 = new QComboBox;
    Combo1_4->setObjectName("Combo1_4");
    Combo1_4->setEditable(true);
    Combo1_4->setInsertPolicy(QComboBox::NoInsert);
    Combo1_4->setMinimumWidth(Combo1_4->fontMetrics().horizontalAdvance(approverPrompt) + 48);
    connect(Combo1_4, &QComboBox::activated, this, &StockOrderWindow::Combo1_Click);

    for (int i = 0; i < 4; ++i) {
        Command1[i] = new QPushButton(config.commands[i]);
        Command1[i]->setObjectName(QString("Command1_%1").arg(i));
        Command1[i]->setMinimumHeight(36);
        connect(Command1[i], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
    }
    Command1[1]->setEnabled(false);

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

    // Two lamps, one over the other; the receive state is shown by neither code path yet.
    auto* Imageonoff0 = new QLabel;
    Imageonoff0->setObjectName("Imageonoff_0");
    Imageonoff0->setPixmap(receiveLamp(QColor(200, 40, 40)));
    auto* Imageonoff1 = new QLabel;
    Imageonoff1->setObjectName("Imageonoff_1");
    Imageonoff1->setPixmap(receiveLamp(QColor(40, 180, 60)));
    Imageonoff1->hide();

    Grid1 = new platform::Grid;
    Grid1->setObjectName("Grid1");
    Grid3 = new platform::Grid;
    Grid3->setObjectName("Grid3");
    Grid3->setFixedHeight(errorListHeight);

    FlatScrollBar1 = flatBar("FlatScrollBar1", "扩大表格");
    FlatScrollBar2 = flatBar("FlatScrollBar2", "恢复表格");
    connect(FlatScrollBar1, &QScrollBar::valueChanged, this, [this] { setErrorListEnlarged(true); });
    connect(FlatScrollBar2, &QScrollBar::valueChanged, this, [this] { setErrorListEnlarged(false); });

    MonthView1 = new DropCalendar(this);
    MonthView1->setObjectName("MonthView1");
    connect(MonthView1, &DropCalendar::chosen, this, &StockOrderWindow::calendarChosen);
    fitter = new ClientAreaFit(this);

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel("条码接收状态:"));
    top->addWidget(Imageonoff0);
    top->addWidget(Imageonoff1);
    top->addStretch();
    top->addWidget(new QLabel(config.dayLabel));
    top->addWidget(Text3);
    top->addSpacing(16);
    top->addWidget(new QLabel(config.numberLabel));
    top->addWidget(Text1);

    auto* Label4 = new QLabel(config.heading);
    Label4->setObjectName("Label4");
    QFont headingFont = Label4->font();
    headingFont.setBold(true);
    headingFont.setPointSize(headingFont.pointSize() + 3);
    Label4->setFont(headingFont);
    Label4->setStyleSheet("color: red;");
    Label4->setAlignment(Qt::AlignCenter);

    header = new QHBoxLayout;
    header->addStretch();
    header->addWidget(new QLabel(config.approverLabel));
    header->addWidget(Combo1_4);

    auto* toolbar = new QHBoxLayout;
    for (QToolButton* b : Command2)
        toolbar->addWidget(b);
    toolbar->addStretch();
    toolbar->addWidget(new QLabel("重量单位:千克（KG）"));

    Frame1 = new QGroupBox("合计页");
    Frame1->setStyleSheet("QGroupBox { color: blue; }");
    auto* totalsRow = new QHBoxLayout(Frame1);
    totalsRow->addStretch();
    for (int i = 0; i < Text8.size(); ++i) {
        totalsRow->addWidget(new QLabel(config.totalLabels[i]));
        totalsRow->addWidget(Text8[i]);
    }

    auto* bars = new QVBoxLayout;
    bars->addWidget(FlatScrollBar1);
    bars->addStretch();
    bars->addWidget(FlatScrollBar2);
    auto* errors = new QVBoxLayout;
    errors->addWidget(new QLabel(config.errorListLabel));
    errors->addWidget(Grid3, 1);
    errorArea = new QHBoxLayout;
    errorArea->addLayout(bars);
    errorArea->addLayout(errors, 1);

    footer = new QHBoxLayout;
    footer->addStretch();
    for (int i : { 0, 3, 1, 2 })
        footer->addWidget(Command1[i]);
    footer->addStretch();
    footer->addWidget(new QLabel("制单人:"));
    footer->addWidget(Text6);

    page = new QVBoxLayout(this);
    page->addLayout(top);
    page->addWidget(Label4);
    page->addLayout(header);
    page->addLayout(toolbar);
    page->addWidget(Grid1, 1);
    page->addWidget(Frame1);
    page->addLayout(errorArea);
    page->addLayout(footer);
}

// Runs at every opening: another user may have logged in and the lists may have grown meanwhile.
void StockOrderWindow::Form_Load()
{
    const bool may = maySave();
    for (QWidget* w : std::initializer_list<QWidget*> { Command1[0], Command1[3], Command2[2], Command2[3] })
        w->setEnabled(may);
    Command1[1]->setEnabled(false);
    Text6->setText(loginState().gyname);
    ShowToast("", "", ToastBlack);
    fillApprovers();
    openOwnControls();
}

bool StockOrderWindow::maySave() const
{
    const QString rights = GetRights(config.kind.windowName);
    return rights != "0" && rights != "10";
}

void StockOrderWindow::fillApprovers()
{
    Combo1_4->clear();
    if (const SqlResult r = ExecSQL("select * from c_employee where bz_id=?", { QStringLiteral("1002") });
        r && r.rs)
        for (auto& rs = *r.rs; !rs.eof(); rs.MoveNext())
            Combo1_4->addItem(
                IdNameComboItem(rs.value("emp_id").toString(), rs.value("emp_name").toString(), codeWidth));
    Combo1_4->setCurrentIndex(-1);
    Combo1_4->setEditText(approverPrompt);
}

void StockOrderWindow::layOutGrids()
{
    // Widths in the grid's units from the designed grid width of 14895 twips.
    platform::SheetModel& sheet = Grid1->sheet();
    sheet.setCols(OrderColCount);
    sheet.setRows(1);
    const int W = int(std::nearbyint(14895 / 151.0));
    for (int c = 0; c < OrderColCount; ++c) {
        sheet.setCellText(0, c, config.grid.captions[c]);
        sheet.setColumnWidth(c, c == 0 || c >= OrderColStatus ? 0 : c == OrderColStatusName ? 80 : W);
        sheet.setColumnLocked(c, true);
    }
    sheet.setShadingColor1(platform::bgrFromColor(QColor(239, 243, 255)));
    platform::SheetModel& errors = Grid3->sheet();
    errors.setCols(6);
    errors.setRows(1);
    const QStringList captions { "产品条码", "产品型号", "产品规格", "净    重", "导入出错原因" };
    const QList<int> widths { 100, 60, 60, 60, 120 };
    for (int c = 1; c <= 5; ++c) {
        errors.setCellText(0, c, captions[c - 1]);
        errors.setColumnWidth(c, widths[c - 1]);
        errors.setColumnLocked(c, true);
        if (c >= 2)
            errors.setColumnAlignment(c, 10);
    }
}

QString StockOrderWindow::orderNumber() const
{
    return Text1->text();
}

void StockOrderWindow::setOrderNumber(const QString& number)
{
    Text1->setText(number);
}

bool StockOrderWindow::drawOrderNumber()
{
    const auto number = config.nextNumber(day, loginState().station_no);
    if (number)
        Text1->setText(*number);
    return number.has_value();
}

QString StockOrderWindow::approverName() const
{
    const QString text = Combo1_4->currentText().trimmed();
    return text == approverPrompt ? QString() : text;
}

void StockOrderWindow::reloadOrderGrid(const QString& status)
{
    const auto fill = loadOrderGrid(config.grid, Text1->text(), loginState().station_no, status);
    if (!fill)
        return; // ExecSQL has said why; grid and totals keep the last fill
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
}

QList<OrderLine> StockOrderWindow::orderLines() const
{
    QList<OrderLine> lines;
    const platform::SheetModel& sheet = Grid1->sheet();
    for (int r = 1; r < sheet.rows(); ++r)
        lines << OrderLine { sheet.cellText(r, OrderColSerial), sheet.cellText(r, OrderColStatus) };
    return lines;
}

QStringList StockOrderWindow::totals() const
{
    QStringList texts;
    for (const QLineEdit* t : Text8)
        texts << t->text();
    return texts;
}

void StockOrderWindow::setErrorList(const QList<ImportRejection>& rejections)
{
    platform::SheetModel& sheet = Grid3->sheet();
    platform::SheetModel::Batch batch(sheet);
    sheet.setRows(1);
    sheet.setRows(int(rejections.size()) + 1);
    for (int i = 0; i < rejections.size(); ++i) {
        const ImportRejection& e = rejections[i];
        const int r = i + 1;
        const QStringList cells { QString::number(r), e.serial, e.model, e.spec, e.net, e.reason };
        for (int c = 0; c < cells.size(); ++c)
            sheet.setCellText(r, c, cells[c]);
        if (!e.reason.isEmpty())
            sheet.setCellTextColor(r, 5, 0x0000FF);
    }
}

void StockOrderWindow::Command1_Click(int index)
{
    ShowToast("", "", ToastBlack);
    switch (index) {
    case 0:
        if (!refusedWithoutRights())
            importOrder(serialsToImport());
        break;
    case 1:
        bookCurrentOrder();
        break;
    case 2:
        if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
            frame->close();
        else
            close();
        break;
    case 3:
        if (!refusedWithoutRights())
            startNewOrder();
        break;
    }
}

// Import and new order need the maintenance right at the click, not only at the opening.
bool StockOrderWindow::refusedWithoutRights()
{
    if (maySave())
        return false;
    Command1[0]->setEnabled(false);
    Command1[3]->setEnabled(false);
    return true;
}

std::optional<QStringList> StockOrderWindow::serialsToImport()
{
    const QString path = FetchCollectedFile(loginState().myapppath, config.kind.pickTitle);
    if (path.isEmpty()) {
        ShowToast("用户取消，没有选择导入文本！", "", ToastRed);
        return std::nullopt;
    }
    setErrorList({});
    const CollectedFile file = readCollectedFile(path);
    switch (file.state) {
    case CollectedFile::State::Empty:
        ShowToast("采集文本是空的", "", ToastRed);
        return std::nullopt;
    case CollectedFile::State::Unreadable:
        ShowToast("采集文本无法打开", path, ToastRed);
        return std::nullopt;
    case CollectedFile::State::Read:
        break;
    }
    return file.serials;
}

void StockOrderWindow::importOrder(const std::optional<QStringList>& serials)
{
    if (!serials || orderNumber().isEmpty())
        return;
    const ImportOutcome outcome
        = stageSerials(config.kind, *serials, { orderNumber(), day, loginState().station_no, Text6->text() });
    setErrorList(outcome.rejections);
    hxsrk = 1;
    reloadOrderGrid(config.kind.staged);
    if (orderLines().isEmpty()) {
        hxsrk = 0;
        ShowToast(config.kind.noGoods, "", ToastRed);
        return;
    }
    ShowToast("数据已经导入！", "", ToastRed);
    Command1[1]->setEnabled(true);
    Command1[0]->setEnabled(false);
}

void StockOrderWindow::bookCurrentOrder()
{
    const BookingOutcome outcome
        = bookOrder(config.kind, { orderNumber(), approverName(), customer() }, orderLines());
    if (outcome.refused)
        return;
    for (const int i : outcome.booked)
        Grid1->sheet().setCellText(i + 1, OrderColStatusName, config.kind.bookedMark);
    // Lines that could not be booked stay staged, and the order stays open for another try.
    Command1[1]->setEnabled(outcome.pending);
    hxsrk = outcome.pending ? 1 : 0;
    afterBooking(outcome);
}

void StockOrderWindow::startNewOrder()
{
    if (hxsrk == 1) {
        ShowToast(config.kind.pending, config.kind.pendingNewOrder, ToastRed);
        return;
    }
    drawOrderNumber();
    Command1[0]->setEnabled(true);
    Grid1->sheet().setRows(1);
    setErrorList({});
    Combo1_4->setCurrentIndex(-1);
    Combo1_4->setEditText(QString());
    clearCustomer();
    for (QLineEdit* t : Text8)
        t->setText("0");
}

void StockOrderWindow::Command2_Click(int index)
{
    ShowToast("", "", ToastBlack);
    // Undo needs today's date and full rights at this very click.
    const bool mayUndo = undoAllowed(config.kind, Text3->text());
    Command2[2]->setEnabled(mayUndo);
    Command2[3]->setEnabled(mayUndo);
    switch (index) {
    case 0:
    case 1:
        browse(index == 0 ? -1 : 1);
        break;
    case 2:
        if (mayUndo)
            undoOrder();
        break;
    case 3:
        if (mayUndo)
            undoLine();
        break;
    case 4:
        printOrder();
        break;
    }
}

// The print grid as designed: five columns, thirty rows; each print rebuilds it from Grid1.
void StockOrderWindow::makePrintGrid()
{
    Grid2 = new platform::Grid(this);
    Grid2->setObjectName("Grid2");
    Grid2->sheet().setCols(5);
    Grid2->sheet().setRows(30);
    Grid2->hide();
    connect(Grid2, &platform::Grid::afterSort, this, &StockOrderWindow::Grid2_AfterSort);
}

// Printing tests neither the pending flag nor the rights; the user prints from the preview.
void StockOrderWindow::printOrder()
{
    buildOrderSheet(Grid2->sheet(), Grid1->sheet(), config.sheet(totals()), platform::clock().now().date(),
        loginState().gyname);
    Grid2->printPreview(100);
}

// The print grid's event fills the order grid from the order's report template.
void StockOrderWindow::Grid2_AfterSort(int)
{
    LoadReport(Grid1->sheet(), config.reportCode);
}

void StockOrderWindow::browse(int step)
{
    if (const auto shown = browseOrder(config.kind, orderNumber(), step, hxsrk == 1)) {
        setOrderNumber(*shown);
        reloadOrderGrid();
    }
}

void StockOrderWindow::undoOrder()
{
    if (orderLines().isEmpty())
        return;
    if (!undoWholeOrder(
            config.kind, orderNumber(), Grid1->sheet().cellText(1, OrderColClerk), Text6->text()))
        return;
    reloadOrderGrid();
    const bool staged = holdsStagedLines();
    Command1[1]->setEnabled(staged);
    Command1[0]->setEnabled(maySave());
    hxsrk = staged ? 1 : 0;
}

void StockOrderWindow::undoLine()
{
    const int r = Grid1->activeRow();
    if (!orderLines().isEmpty() && r >= 1) {
        const platform::SheetModel& sheet = Grid1->sheet();
        if (!undoOrderLine(config.kind, orderNumber(), sheet.cellText(r, OrderColSerial),
                sheet.cellText(r, OrderColClerk), Text6->text()))
            return;
        reloadOrderGrid();
    }
    if (!holdsStagedLines())
        hxsrk = 0;
}

bool StockOrderWindow::holdsStagedLines() const
{
    const QList<OrderLine> lines = orderLines();
    return std::any_of(
        lines.begin(), lines.end(), [this](const OrderLine& l) { return l.status == config.kind.staged; });
}

void StockOrderWindow::Combo1_Click()
{
    ShowToast("", "", ToastBlack);
    Combo1_4->setEditText(comboItemName(Combo1_4->currentText(), codeWidth));
}

void StockOrderWindow::calendarChosen(const QDate& chosen)
{
    // A new day means a new order number; staged items would lose their order.
    if (hxsrk == 1) {
        ShowToast(config.kind.pending, config.kind.pendingNewOrder, ToastRed);
        return;
    }
    day = chosen;
    Text3->setText(dayText(day));
    drawOrderNumber();
}

void StockOrderWindow::setErrorListEnlarged(bool on)
{
    enlarged = on;
    Grid1->setVisible(!on);
    Frame1->setVisible(!on);
    if (on) {
        Grid3->setMinimumHeight(platform::SheetModel::defaultRowHeight * 3);
        Grid3->setMaximumHeight(QWIDGETSIZE_MAX);
    } else {
        Grid3->setFixedHeight(errorListHeight);
    }
    page->setStretchFactor(errorArea, on ? 1 : 0);
}

// Date and order number are set when the window opens, never by a resize: staged items keep
// the order they were staged on.
void StockOrderWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    fitter->fit();
    if (!freshOpen)
        return;
    freshOpen = false;
    Form_Load();
    day = platform::clock().now().date();
    Text3->setText(dayText(day));
    drawOrderNumber();
    Grid1->sheet().setRows(1);
    Grid3->sheet().setRows(1);
    for (QLineEdit* t : Text8)
        t->setText("0");
}

void StockOrderWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    PaintGradient(this, 100, 255, 0, 40, 60, -3.0);
}

void StockOrderWindow::closeEvent(QCloseEvent* event)
{
    if (hxsrk == 1) {
        ShowToast(config.kind.pending, config.kind.pendingClose, ToastRed);
        event->ignore();
        return;
    }
    MonthView1->hide();
    ShowToast("", "", ToastBlack);
    freshOpen = true;
    event->accept();
}

bool StockOrderWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress && watched == Text3)
        MonthView1->dropBelow(Text3, day);
    return QWidget::eventFilter(watched, event);
}

} // namespace korvell
