#include "desktop/stock/rkform.h"

#include "desktop/data/execsql.h"
#include "desktop/data/loginstate.h"
#include "desktop/data/toast.h"
#include "desktop/masterdata/idnamecomboitem.h"
#include "desktop/stock/decimaltext.h"
#include "desktop/stock/itemstatus.h"
#include "desktop/stock/movementsheets.h"
#include "desktop/stock/people.h"
#include "desktop/stock/printlabel.h"
#include "desktop/stock/stationsettings.h"
#include "desktop/stock/weighingrecord.h"
#include "platform/grid/grid.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace korvell {

namespace {

    const QString unchosen = QStringLiteral("请选择");
    const QString simulationMark = QStringLiteral("★");
    constexpr int codeWidth = 8;

    const QString wholeDeleteTip = QStringLiteral("全部删除该入库单货物");
    const QString wholeRestoreTip = QStringLiteral("恢复删除的该入库单货物");
    const QString itemDeleteTip = QStringLiteral("单笔删除入库货物");
    const QString itemRestoreTip = QStringLiteral("单笔恢复删除的入库货物");

    const StockWindowConfig stockInWindow {
        .kind = StockInOrders,
        .grid = StockInGrid,
        .caption = "货物称重入库功能",
        .toolTips = { "上一张入库单", "下一张入库单", wholeDeleteTip, itemDeleteTip, "打印入库单" },
        .totalLabels = { "总数量:", "总毛量:", "总净量:" },
        .sheet = stockInSheetLayout,
        .reportCode = "rkreport",
    };

    QLineEdit* textBox(const QString& name, bool readOnly)
    {
        auto* box = new QLineEdit;
        box->setObjectName(name);
        box->setReadOnly(readOnly);
        return box;
    }

    QComboBox* listBox(const QString& name, const QString& tip)
    {
        auto* box = new QComboBox;
        box->setObjectName(name);
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        box->setMinimumContentsLength(10);
        box->setToolTip(tip);
        return box;
    }

} // namespace

rkform::rkform(QWidget* parent)
    : StockWindow(stockInWindow, parent)
{
    Combo1[0] = listBox("Combo1_0", "请选择产品型号");
    Combo1[1] = listBox("Combo1_1", "请选择生产班组");
    Combo1[2] = listBox("Combo1_2", "请选择生产机组");
    Combo1[3] = listBox("Combo1_3", "请选择质量检验员");
    Combo1[4] = listBox("Combo1_4", "请选择审核工号");
    Combo2 = listBox("Combo2", QString());
    Text2 = textBox("Text2", true);
    QFont big = Text2->font();
    big.setPointSize(18);
    big.setBold(true);
    Text2->setFont(big);
    Text4 = textBox("Text4", false);
    Text5 = textBox("Text5", false);
    Text7 = textBox("Text7", true);
    Text7->setMaxLength(1);
    Text7->setFixedWidth(28);
    Text7->setAlignment(Qt::AlignCenter);
    Text7->installEventFilter(this);

    const QStringList captions { "开始称重", "货物入库", "退出" };
    for (int i = 0; i < 3; ++i) {
        Command1[i] = new QPushButton(captions[i]);
        Command1[i]->setObjectName(QString("Command1_%1").arg(i));
        connect(Command1[i], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
    }
    Command1[1]->setEnabled(false);

    UnstoredWeight = new QLabel;
    UnstoredWeight->setObjectName("UnstoredWeight");
    UnstoredWeight->setStyleSheet("color: white; background: #c00000; padding: 4px; font-weight: bold;");
    UnstoredWeight->hide();
    UnstoredWeight->installEventFilter(this);

    connect(Grid1, &platform::Grid::clicked, this, &rkform::Grid1_Click);
    layOut();
    label = new printlabel(this);

    Timer1.setInterval(simulationIntervalMs);
    connect(&Timer1, &QTimer::timeout, this, &rkform::Timer1_Timer);
    connect(&MSComm1, &ScaleLink::lineReceived, this, &rkform::scaleLine);
    connect(&MSComm1, &ScaleLink::lost, this, [this](const QString& message) { stopWeighing(message); });
    for (int i = 0; i < 5; ++i)
        connect(Combo1[i], &QComboBox::activated, this, [this, i] { Combo1_Click(i); });
    connect(Combo2, &QComboBox::activated, this, &rkform::Combo2_Click);
}

rkform::~rkform() = default;

// Two rows of choices, the order and weight line, the weight last lost, the buttons, the order
// grid, the totals.
void rkform::layOut()
{
    auto* choices = new QGridLayout;
    const auto place = [choices](int row, int col, const QString& caption, QWidget* w) {
        choices->addWidget(new QLabel(caption), row, col * 2, Qt::AlignRight);
        choices->addWidget(w, row, col * 2 + 1);
    };
    place(0, 0, "产品型号:", Combo1[0]);
    place(0, 1, "产品规格:", Text4);
    place(0, 2, "包装自重:", Text5);
    place(0, 3, "称重审核:", Combo1[4]);
    place(1, 0, "生产工号:", Combo2);
    place(1, 1, "生产班组:", Combo1[1]);
    place(1, 2, "生产机组:", Combo1[2]);
    place(1, 3, "质量检验:", Combo1[3]);
    place(2, 0, "入库单号:", Text1);
    place(2, 1, "入库日期:", Text3);
    place(2, 2, "称重人:", Text6);

    auto* weightLine = new QHBoxLayout;
    weightLine->addWidget(new QLabel("当前重量:"));
    weightLine->addWidget(Text2, 1);
    weightLine->addWidget(new QLabel("重量单位:千克（KG）"));
    weightLine->addSpacing(24);
    weightLine->addWidget(new QLabel("电子称接收状态:"));
    weightLine->addWidget(Imageonoff[0]);
    weightLine->addWidget(Imageonoff[1]);
    weightLine->addSpacing(24);
    weightLine->addWidget(Text7);
    weightLine->addWidget(new QLabel("进行模似称重"));
    weightLine->addStretch();
    for (QPushButton* b : Command1)
        weightLine->addWidget(b);

    auto* heading = new QHBoxLayout;
    auto* title = new QLabel("入 库 单 信 息");
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPointSize(titleFont.pointSize() + 2);
    title->setFont(titleFont);
    heading->addWidget(title);
    heading->addStretch();
    for (QToolButton* b : Command2)
        heading->addWidget(b);

    auto* page = new QVBoxLayout(this);
    page->addLayout(choices);
    page->addLayout(weightLine);
    page->addWidget(UnstoredWeight);
    page->addLayout(heading);
    page->addWidget(Grid1, 1);
    page->addWidget(Frame1);
}

// An opening shows nothing of the last product: every list reads 请选择 again.
void rkform::openOwnControls()
{
    Label9 = labelPhoneSetting();
    fillIdNameList(Combo1[0], ExecSQL("select * from c_procname"), "procid", "procmsg", unchosen);
    fillPeopleList(Combo2, {}, unchosen);
    fillIdNameList(Combo1[1], ExecSQL("select * from c_bzname"), "bzid", "bzname", unchosen);
    fillIdNameList(Combo1[2], ExecSQL("select * from c_jzname"), "jzid", "jzname", unchosen);
    fillPeopleList(Combo1[3], InspectorTeamCode, unchosen);
    fillPeopleList(Combo1[4], WeighingTeamCode, unchosen);
    for (QLineEdit* box : { Text2, Text4, Text5, Text7 })
        box->clear();
    dismissUnstored();
}

// On this station's unbooked order the window stands as after a stop: the order is to be booked,
// by those who may.
void rkform::showOpenedOrder(OrderSession::Opening opening)
{
    weighingSession.opened(opening);
    if (opening == OrderSession::Opening::Resumed)
        LoadStockInSlipGrid();
    showControls();
}

void rkform::closing()
{
    if (weighingSession.weighing())
        stopWeighing();
}

bool rkform::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        if (watched == Text7)
            Text7_Click();
        else if (watched == UnstoredWeight)
            dismissUnstored();
    }
    return StockWindow::eventFilter(watched, event);
}

void rkform::Combo1_Click(int index)
{
    ShowToast("", "", ToastBlack);
    QComboBox* box = Combo1[index];
    const QString code = comboItemCode(box->currentText(), codeWidth);
    box->setEditText(code);
    if (index != 0)
        return;
    const SqlResult r = ExecSQL("select * from c_procname where procid=?", { code });
    if (!r) {
        // The last product's size and tare would be stored with this one: weighing is refused until
        // the product is chosen again (ExecSQL has said why).
        Text4->clear();
        Text5->clear();
    } else if (r.rs && !r.rs->eof()) {
        Text4->setText(r.rs->value("procname").toString());
        const QVariant tare = r.rs->value("nullweight");
        const auto exact = Decimal::fromStored(tare);
        Text5->setText(exact ? exact->text() : tare.toString());
    }
}

void rkform::Combo2_Click()
{
    const QString code = comboItemCode(Combo2->currentText(), codeWidth);
    Combo2->setEditText(code);
    if (const auto groups = producerGroupsOf(code)) {
        Combo1[1]->setEditText(groups->team);
        Combo1[2]->setEditText(groups->machineGroup);
    }
}

void rkform::Command1_Click(int index)
{
    ShowToast("", "", ToastBlack);
    session.settleLog();
    switch (index) {
    case 0:
        if (weighingSession.weighing())
            stopWeighing();
        else
            startWeighing();
        break;
    case 1:
        bookOrder();
        break;
    case 2:
        exitWindow();
        break;
    }
}

void rkform::startWeighing()
{
    QList<WeighingSession::Choice> choices;
    for (QComboBox* box : Combo1)
        choices << WeighingSession::Choice { box->currentText() != unchosen, box->toolTip() };
    int unchosenAt = -1;
    const WeighingSession::Start start = weighingSession.start(choices, hasItemRows(), &unchosenAt);
    if (unchosenAt >= 0)
        Combo1[unchosenAt]->setFocus();
    if (start == WeighingSession::Start::Refused)
        return;
    if (start == WeighingSession::Start::NewOrder)
        showNewOrder(); // shown at once: a scale that fails to open leaves the window on it
    const bool simulation = Text7->text() == simulationMark;
    if (simulation)
        Timer1.start();
    else if (!OpenScalePort(1))
        return;
    weighingSession.started(simulation);
    showControls();
}

void rkform::stopWeighing(const QString& reason)
{
    if (weighingSession.simulating())
        Timer1.stop();
    else
        OpenScalePort(0);
    catchUpGrid();
    weighingSession.stop(hasItemRows(), reason);
    showControls();
}

void rkform::bookOrder()
{
    catchUpGrid();
    const BookingOutcome outcome = weighingSession.book(orderLines());
    markBooked(outcome.booked, StatusWeighed); // the removed rows stay as listed
    showControls();
}

void rkform::Text7_Click()
{
    if (weighingSession.maySwitchSimulation())
        Text7->setText(Text7->text() == simulationMark ? QString() : simulationMark);
}

void rkform::Timer1_Timer()
{
    Text2->setText(WeightSimulator::text(SimulatedWeight()));
    weigh();
}

void rkform::scaleLine(const QByteArray& line)
{
    Text2->setText(weightLineText(line));
    if (weighingSession.weighing() && isWeightFrame(line))
        weigh();
}

void rkform::weigh()
{
    const LoginState& login = loginState();
    WeighingEntry entry;
    entry.gross = Text2->text();
    entry.tare = Text5->text();
    entry.spec = Text4->text();
    entry.day = session.day();
    entry.order = session.number();
    entry.model = Combo1[0]->currentText();
    entry.team = Combo1[1]->currentText();
    entry.machineGroup = Combo1[2]->currentText();
    entry.inspector = Combo1[3]->currentText();
    entry.auditor = Combo1[4]->currentText();
    entry.producer = Combo2->currentText();
    entry.weigher = login.gyname;
    entry.station = login.station_no;
    const WeighingOutcome item = SaveWeighingRecord(entry);
    if (!item) {
        showUnstored(entry.gross.trimmed(), item.why);
        return;
    }
    Label10 = item->serialno;
    weighingSession.stored();
    LoadStockInSlipGrid();

    WeightLabel l;
    l.spec = Text4->text();
    l.net = item->net;
    l.model = Combo1[0]->currentText();
    l.producer = Combo2->currentText();
    l.gross = Text2->text();
    l.day = Text3->text();
    l.phone = Label9;
    l.serialno = Label10;
    l.inspector = Combo1[3]->currentText();
    l.compphone = login.compphone;
    label->printLabel(l);
}

// The package may be gone from the scale by the time the database answers again, so the weight is
// not stored later: the operator weighs it again. The line names every such weight until the
// operator dismisses it.
void rkform::showUnstored(const QString& weight, const QString& why)
{
    ShowToast("重量" + weight + "的货物没有保存！", why, ToastRed);
    unstored.add(weight);
    UnstoredWeight->setText(unstored.line());
    UnstoredWeight->setToolTip("没有保存的重量：" + unstored.all() + "\n点击关闭此提示");
    UnstoredWeight->show();
}

void rkform::dismissUnstored()
{
    unstored.clear();
    UnstoredWeight->hide();
}

bool rkform::OpenScalePort(int flag)
{
    const bool open = flag == 1;
    if (open && !MSComm1.open(scalePortSetting())) {
        ShowToast("电子称串口打开失败！", MSComm1.errorText(), ToastRed);
        return false;
    }
    if (!open)
        MSComm1.close();
    Imageonoff[1]->setVisible(open);
    Imageonoff[0]->setVisible(!open);
    return true;
}

void rkform::LoadStockInSlipGrid()
{
    showOrderLines(weighingSession.loadOrder());
    showControls();
}

// Items are stored but a failed refill left the grid without them: show them again, so the order
// can be booked and the window closed.
void rkform::catchUpGrid()
{
    if (session.pending() && !hasItemRows())
        LoadStockInSlipGrid();
}

// The single-item button follows the row; nothing else is read or changed.
void rkform::Grid1_Click()
{
    weighingSession.rowChosen(Grid1->sheet().cellText(Grid1->activeRow(), OrderColStatus));
    showItemButton(weighingSession.controls());
}

void rkform::showControls()
{
    showOrder();
    const WeighingSession::Controls c = weighingSession.controls();
    Command1[0]->setText(c.startCaption);
    Command1[0]->setEnabled(c.startEnabled);
    Command1[1]->setEnabled(c.bookEnabled);
    Command2[2]->setToolTip(c.wholeRestore ? wholeRestoreTip : wholeDeleteTip);
    Command2[2]->setIcon(
        style()->standardIcon(c.wholeRestoreIcon ? QStyle::SP_BrowserReload : QStyle::SP_TrashIcon));
    showItemButton(c);
}

void rkform::showItemButton(const WeighingSession::Controls& c)
{
    Command2[3]->setToolTip(c.itemRestore ? itemRestoreTip : itemDeleteTip);
    Command2[3]->setIcon(
        style()->standardIcon(c.itemRestore ? QStyle::SP_BrowserReload : QStyle::SP_DialogDiscardButton));
}

bool rkform::hasItemRows() const
{
    return Grid1->sheet().rows() > 1;
}

void rkform::deleteOrUndo(int index)
{
    if (!hasItemRows())
        return;
    if (index == 2) {
        showOrderLines(weighingSession.editWholeOrder());
    } else {
        const int r = Grid1->activeRow();
        const int col = Grid1->activeCol();
        if (showOrderLines(weighingSession.editItem(Grid1->sheet().cellText(r, OrderColSerial), r)))
            Grid1->setActiveCell(r, col);
    }
    showControls();
}

} // namespace korvell
