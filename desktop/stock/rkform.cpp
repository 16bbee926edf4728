#include "desktop/stock/rkform.h"

#include "desktop/data/execsql.h"
#include "desktop/data/loginstate.h"
#include "desktop/data/toast.h"
#include "desktop/frame/loadreport.h"
#include "desktop/frame/paintgradient.h"
#include "desktop/frame/procedures.h"
#include "desktop/masterdata/idnamecomboitem.h"
#include "desktop/stock/clientareafit.h"
#include "desktop/stock/decimaltext.h"
#include "desktop/stock/dropcalendar.h"
#include "desktop/stock/itemstatus.h"
#include "desktop/stock/itemtransitions.h"
#include "desktop/stock/numbering.h"
#include "desktop/stock/ordersheet.h"
#include "desktop/stock/printlabel.h"
#include "desktop/stock/stationsettings.h"
#include "desktop/stock/stockinslip.h"
#include "desktop/stock/stockinslipedit.h"
#include "desktop/stock/weighingrecord.h"
#include "platform/grid/grid.h"
#include "platform/ui/clock.h"
#include "platform/ui/dialogs.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace korvell {

namespace {

    const QString unchosen = QStringLiteral("请选择");
    const QString simulationMark = QStringLiteral("★");
    const QString startCaption = QStringLiteral("开始称重");
    const QString stopCaption = QStringLiteral("停止称重");
    constexpr int codeWidth = 8;

    // Order grid columns.
    enum Col {
        ColSerial = 1,
        ColModel,
        ColSpec,
        ColGross,
        ColNet,
        ColStatusName,
        ColDay,
        ColInspector,
        ColAuditor,
        ColOrder,
        ColStatus,
        ColWeigher,
        ColCount
    };

    const QString wholeDeleteTip = QStringLiteral("全部删除该入库单货物");
    const QString wholeRestoreTip = QStringLiteral("恢复删除的该入库单货物");
    const QString itemDeleteTip = QStringLiteral("单笔删除入库货物");
    const QString itemRestoreTip = QStringLiteral("单笔恢复删除的入库货物");

    QPixmap portPicture(const QColor& colour)
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

    const QString cannotDeleteHint = QStringLiteral("已出库或在出库单、退库单上的货物不能删除");

    struct SlipEditTexts {
        QString notOwner, notOwnerHint, changed, changedHint, unchanged, unchangedHint, noItem;
    };

    // Says what came of a delete or restore (a failed statement has been reported by ExecSQL);
    // true when the order's rows may have changed and the grid is to be refilled.
    bool reportSlipEdit(const SlipEdit& edit, const SlipEditTexts& t)
    {
        switch (edit.result) {
        case SlipEditResult::NotOwner:
            ShowToast(t.notOwner, t.notOwnerHint, ToastRed);
            return false;
        case SlipEditResult::NoOrder:
            ShowToast(t.noItem, "", ToastRed);
            return false;
        case SlipEditResult::Failed:
            return false;
        case SlipEditResult::Changed:
            ShowToast(t.changed, t.changedHint, ToastRed);
            return true;
        case SlipEditResult::NothingChanged:
            ShowToast(t.unchanged, t.unchangedHint, ToastRed);
            return true;
        }
        return false;
    }

} // namespace

rkform::rkform(QWidget* parent)
    : QWidget(parent)
{
    setObjectName("rkform");
    setWindowTitle("货物称重入库功能");
    setAutoFillBackground(true);

    Combo1[0] = listBox("Combo1_0", "请选择产品型号");
    Combo1[1] = listBox("Combo1_1", "请选择生产班组");
    Combo1[2] = listBox("Combo1_2", "请选择生产机组");
    Combo1[3] = listBox("Combo1_3", "请选择质量检验员");
    Combo1[4] = listBox("Combo1_4", "请选择审核工号");
    Combo2 = listBox("Combo2", QString());
    Text1 = textBox("Text1", true);
    Text1->setStyleSheet("background: #d4d0c8;");
    Text2 = textBox("Text2", true);
    QFont big = Text2->font();
    big.setPointSize(18);
    big.setBold(true);
    Text2->setFont(big);
    Text3 = textBox("Text3", true);
    Text4 = textBox("Text4", false);
    Text5 = textBox("Text5", false);
    Text6 = textBox("Text6", true);
    Text7 = textBox("Text7", true);
    Text7->setMaxLength(1);
    Text7->setFixedWidth(28);
    Text7->setAlignment(Qt::AlignCenter);
    for (int i = 0; i < 3; ++i)
        Text8[i] = textBox(QString("Text8_%1").arg(i), true);

    const QStringList captions { startCaption, "货物入库", "退出" };
    for (int i = 0; i < 3; ++i) {
        Command1[i] = new QPushButton(captions[i]);
        Command1[i]->setObjectName(QString("Command1_%1").arg(i));
        connect(Command1[i], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
    }
    Command1[1]->setEnabled(false);

    const QStringList tips { "上一张入库单", "下一张入库单", wholeDeleteTip, itemDeleteTip, "打印入库单" };
    const QList<QStyle::StandardPixmap> icons { QStyle::SP_ArrowLeft, QStyle::SP_ArrowRight,
        QStyle::SP_TrashIcon, QStyle::SP_DialogDiscardButton, QStyle::SP_FileDialogDetailedView };
    for (int i = 0; i < 5; ++i) {
        Command2[i] = new QToolButton;
        Command2[i]->setObjectName(QString("Command2_%1").arg(i));
        Command2[i]->setToolTip(tips[i]);
        Command2[i]->setIcon(style()->standardIcon(icons[i]));
        Command2[i]->setAutoRaise(true);
        connect(Command2[i], &QToolButton::clicked, this, [this, i] { Command2_Click(i); });
    }

    Imageonoff[0] = new QLabel;
    Imageonoff[0]->setObjectName("Imageonoff_0");
    Imageonoff[0]->setPixmap(portPicture(QColor(200, 40, 40)));
    Imageonoff[1] = new QLabel;
    Imageonoff[1]->setObjectName("Imageonoff_1");
    Imageonoff[1]->setPixmap(portPicture(QColor(40, 180, 60)));
    Imageonoff[1]->hide();

    Grid1 = new platform::Grid;
    Grid1->setObjectName("Grid1");
    connect(Grid1, &platform::Grid::clicked, this, &rkform::Grid1_Click);
    Grid2 = new platform::Grid(this);
    Grid2->setObjectName("Grid2");
    Grid2->hide();
    connect(Grid2, &platform::Grid::afterSort, this, &rkform::Grid2_AfterSort);

    MonthView1 = new DropCalendar(this);
    MonthView1->setObjectName("MonthView1");
    connect(MonthView1, &DropCalendar::chosen, this, &rkform::calendarChosen);
    fitter = new ClientAreaFit(this);
    Text3->installEventFilter(this);
    Text7->installEventFilter(this);

    // Two rows of choices, the order and weight line, the buttons, the order grid, the totals.
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

    auto* Frame1 = new QGroupBox("合计页");
    auto* totals = new QHBoxLayout(Frame1);
    const QStringList totalCaptions { "总数量:", "总毛量:", "总净量:" };
    for (int i = 0; i < 3; ++i) {
        totals->addWidget(new QLabel(totalCaptions[i]));
        totals->addWidget(Text8[i]);
    }

    auto* page = new QVBoxLayout(this);
    page->addLayout(choices);
    page->addLayout(weightLine);
    page->addLayout(heading);
    page->addWidget(Grid1, 1);
    page->addWidget(Frame1);

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

// Runs at every opening: another user may have logged in and the lists may have grown meanwhile.
void rkform::Form_Load()
{
    const bool rights = maySave();
    for (QWidget* w : std::initializer_list<QWidget*> { Command1[0], Command2[2], Command2[3] })
        w->setEnabled(rights);
    Text6->setText(loginState().gyname);
    Label9 = labelPhoneSetting();
    ShowToast("", "", ToastBlack);

    fillList(Combo1[0], "select * from c_procname", "procid", "procmsg");
    fillList(Combo2, "select * from c_employee", "emp_id", "emp_name");
    fillList(Combo1[1], "select * from c_bzname", "bzid", "bzname");
    fillList(Combo1[2], "select * from c_jzname", "jzid", "jzname");
    fillList(Combo1[3], "select * from c_employee where bz_id='1001'", "emp_id", "emp_name");
    fillList(Combo1[4], "select * from c_employee where bz_id='1002'", "emp_id", "emp_name");

    // The order grid: captions, widths and shading; W from the designed width of 14895 twips.
    platform::SheetModel& sheet = Grid1->sheet();
    sheet.setCols(ColCount);
    sheet.setRows(1);
    const QStringList heads { "", "产品条码", "产品型号", "产品规格", "毛    重", "净    重", "记录状态",
        "入库日期", "检验人员", "称重审核", "入库单号", "", "" };
    const int W = qRound(14895 / 151.0);
    for (int c = 0; c < ColCount; ++c) {
        sheet.setCellText(0, c, heads[c]);
        sheet.setColumnWidth(c, c == 0 || c >= ColStatus ? 0 : c == ColStatusName ? 80 : W);
        sheet.setColumnLocked(c, true);
    }
    sheet.setShadingColor1(platform::bgrFromColor(QColor(239, 243, 255)));
    for (QLineEdit* t : Text8)
        t->setText("0");
}

void rkform::fillList(QComboBox* box, const QString& sql, const QString& code, const QString& name)
{
    box->clear();
    if (const SqlResult r = ExecSQL(sql); r && r.rs)
        for (auto& rs = *r.rs; !rs.eof(); rs.MoveNext())
            box->addItem(IdNameComboItem(rs.value(code).toString(), rs.value(name).toString(), codeWidth));
    box->setCurrentIndex(-1);
    box->setEditText(unchosen);
}

bool rkform::maySave() const
{
    const QString rights = GetRights("rkform");
    return rights != "0" && rights != "10";
}

void rkform::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    fitter->fit();
    if (!freshOpen)
        return;
    freshOpen = false;
    Form_Load();
    day = platform::clock().now().date();
    Text3->setText(dayText(day));
    clearGrid();
    NextStockInSlipNo();
    // A window opened again starts idle.
    Command1[1]->setEnabled(false);
    markUnstored(false);
}

void rkform::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    PaintGradient(this, 100, 255, 0, 40, 60, -3.0);
}

void rkform::closeEvent(QCloseEvent* event)
{
    if (hxsrk == 1) {
        ShowToast("本入库单有货物待入库！", "请入库后再退出！！", ToastRed);
        event->ignore();
        return;
    }
    if (weighing)
        stopWeighing();
    MonthView1->hide();
    ShowToast("", "", ToastBlack);
    freshOpen = true;
    event->accept();
}

bool rkform::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        if (watched == Text3)
            Text3_Click();
        else if (watched == Text7)
            Text7_Click();
    }
    return QWidget::eventFilter(watched, event);
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
    if (r && r.rs && !r.rs->eof()) {
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
    const SqlResult r = ExecSQL("select * from c_employee where emp_id=?", { code });
    if (r && r.rs && !r.rs->eof()) {
        Combo1[1]->setEditText(r.rs->value("bz_id").toString());
        Combo1[2]->setEditText(r.rs->value("jz_id").toString());
    }
}

void rkform::Command1_Click(int index)
{
    ShowToast("", "", ToastBlack);
    switch (index) {
    case 0:
        if (weighing)
            stopWeighing();
        else
            startWeighing();
        break;
    case 1:
        bookOrder();
        break;
    case 2:
        if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
            frame->close();
        else
            close();
        break;
    }
}

void rkform::startWeighing()
{
    if (!maySave()) {
        Command1[0]->setEnabled(false);
        ShowToast("您没有称重入库的权限！", "请与管理员联系", ToastRed);
        return;
    }
    for (QComboBox* box : Combo1)
        if (box->currentText() == unchosen) {
            ShowToast(box->toolTip(), "", ToastRed);
            box->setFocus();
            return;
        }
    if (hasItemRows()) {
        const auto answer
            = platform::dialogs().message("需要产生新的入库单号吗？，如果不点确定本次称重的货物将并入单号为"
                    + Text1->text() + " 的入库单！",
                "友情提示", platform::Buttons::YesNo, platform::Icon::Question);
        if (answer == platform::Answer::Yes) {
            if (!NextStockInSlipNo())
                return;
            clearGrid();
        }
    }
    if (Text1->text().isEmpty() && !NextStockInSlipNo())
        return;
    simulating = Text7->text() == simulationMark;
    if (simulating)
        Timer1.start();
    else if (!OpenScalePort(1))
        return;
    weighing = true;
    Command1[0]->setText(stopCaption);
    ShowToast("正在连续称重！", "按停止称重方能做入库", ToastRed);
}

void rkform::stopWeighing(const QString& reason)
{
    weighing = false;
    Command1[0]->setText(startCaption);
    if (simulating)
        Timer1.stop();
    else
        OpenScalePort(0);
    catchUpGrid();
    if (!hasItemRows() && hxsrk != 1) {
        ShowToast(reason.isEmpty() ? QStringLiteral("用户终止称重操作！") : reason,
            reason.isEmpty() ? QString() : QStringLiteral("电子称连接中断，称重已停止"), ToastRed);
        return;
    }
    Command1[0]->setEnabled(false);
    Command1[1]->setEnabled(true);
    if (reason.isEmpty())
        ShowToast("点击货物入库后才能保存", "入库后方能接着称重！", ToastRed);
    else
        ShowToast(reason, "电子称连接中断，称重已停止；点击货物入库后才能保存", ToastRed);
}

void rkform::bookOrder()
{
    const QString station = loginState().station_no;
    catchUpGrid();
    platform::SheetModel& sheet = Grid1->sheet();
    int booked = 0, removed = 0, failed = 0;
    for (int r = 1; r < sheet.rows(); ++r) {
        const QString serial = sheet.cellText(r, ColSerial);
        const QString status = sheet.cellText(r, ColStatus);
        const QString order = sheet.cellText(r, ColOrder);
        if (serial.isEmpty())
            continue;
        if (status == StatusWeighed) {
            const Changed c = bookStockInItem(serial, order, station);
            failed += !c;
            if (c && *c > 0) {
                ++booked;
                sheet.setCellText(r, ColStatusName, "已经入库");
            }
        } else if (status == StatusDeleted) {
            const Changed c = removeDeletedItem(serial, order, station);
            failed += !c;
            removed += c.value_or(0);
        }
    }
    if (failed > 0) {
        hxsrk = hasPendingItems(Text1->text(), station).value_or(hxsrk);
        ShowToast("货物入库没有全部完成！", QString("%1笔货物未能入库，请稍后再点击货物入库").arg(failed),
            ToastRed);
        return;
    }
    Command1[0]->setEnabled(maySave());
    Command1[1]->setEnabled(false);
    if (booked + removed > 0) {
        ShowToast("本单数据已经全部入库！", QString("入库%1笔，删除%2笔").arg(booked).arg(removed), ToastRed);
        WriteLog("将入库单号为" + Text1->text() + "的所有产品入库");
    } else {
        ShowToast("没有货物数据可以入库！", "", ToastRed);
    }
    hxsrk = hasPendingItems(Text1->text(), station).value_or(hxsrk == 1) ? 1 : 0;
}

void rkform::Text3_Click()
{
    MonthView1->dropBelow(Text3, day);
}

void rkform::calendarChosen(const QDate& date)
{
    // A new day means a new order; items still waiting for booking would lose their order.
    if (weighing || hxsrk == 1) {
        ShowToast("本入库单有货物待入库！", "请入库后再更改入库日期！", ToastRed);
        return;
    }
    day = date;
    Text3->setText(dayText(day));
    NextStockInSlipNo();
}

void rkform::Text7_Click()
{
    if (weighing) {
        ShowToast("正在称重，不能切换模拟称重！", "请先停止称重", ToastRed);
        return;
    }
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
    if (weighing && isWeightFrame(line))
        weigh();
}

void rkform::weigh()
{
    const LoginState& login = loginState();
    WeighingEntry entry;
    entry.gross = Text2->text();
    entry.tare = Text5->text();
    entry.spec = Text4->text();
    entry.day = day;
    entry.order = Text1->text();
    entry.model = Combo1[0]->currentText();
    entry.team = Combo1[1]->currentText();
    entry.machineGroup = Combo1[2]->currentText();
    entry.inspector = Combo1[3]->currentText();
    entry.auditor = Combo1[4]->currentText();
    entry.producer = Combo2->currentText();
    entry.weigher = Text6->text();
    entry.station = login.station_no;
    const auto item = SaveWeighingRecord(entry);
    markUnstored(!item);
    if (!item) {
        hxsrk = hasPendingItems(Text1->text(), login.station_no).value_or(hxsrk) ? 1 : 0;
        return;
    }
    Label10 = item->serialno;
    hxsrk = 1;
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

// The weight box marks a weight whose item could not be stored until the next stored item, so
// the operator weighs that package again.
void rkform::markUnstored(bool on)
{
    Text2->setStyleSheet(on ? QStringLiteral("color: white; background: #c00000;") : QString());
    QFont f = Text2->font();
    f.setStrikeOut(on);
    Text2->setFont(f);
    Text2->setToolTip(on ? QStringLiteral("此重量的货物没有保存，请重新称重！") : QString());
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

bool rkform::NextStockInSlipNo()
{
    const auto number = korvell::NextStockInSlipNo(day, loginState().station_no);
    if (number)
        Text1->setText(*number);
    return number.has_value();
}

void rkform::LoadStockInSlipGrid()
{
    if (!ReloadStockInSlipGrid() || !hasItemRows())
        return;
    // The whole-order button follows the item weighed first (the last row).
    const platform::SheetModel& sheet = Grid1->sheet();
    setDeleteMode(Command2[2], sheet.cellText(sheet.rows() - 1, ColStatus) == StatusDeleted);
}

// Fills the grid and the totals without touching the whole-order button; false when the order
// could not be read (ExecSQL has said why) and the grid keeps its last fill.
bool rkform::ReloadStockInSlipGrid()
{
    const auto slip = loadStockInSlip(Text1->text(), loginState().station_no);
    if (!slip)
        return false;
    platform::SheetModel& sheet = Grid1->sheet();
    {
        platform::SheetModel::Batch batch(sheet);
        sheet.setRows(1);
        sheet.setRows(int(slip->rows.size()) + 1);
        int i = 1;
        for (const StockInSlipRow& row : slip->rows) {
            if (!row.statusName.isEmpty()) {
                sheet.setCellText(i, ColStatusName, row.statusName);
                sheet.setCellTextColor(i, ColStatusName, 0x0000FF);
            }
            const QStringList cells { row.serialno, row.proc_mod, row.proc_mod1, row.gross, row.net };
            for (int c = 0; c < cells.size(); ++c)
                sheet.setCellText(i, ColSerial + c, cells[c]);
            sheet.setCellText(i, ColDay, row.rk_date);
            sheet.setCellText(i, ColInspector, row.jy_emp);
            sheet.setCellText(i, ColAuditor, row.sh_emp);
            sheet.setCellText(i, ColOrder, row.groupno);
            sheet.setCellText(i, ColStatus, row.status);
            sheet.setCellText(i, ColWeigher, row.op_emp);
            ++i;
        }
    }
    Text8[0]->setText(slip->count);
    Text8[1]->setText(slip->gross);
    Text8[2]->setText(slip->net);
    return true;
}

// Items are stored but a failed refill left the grid without them: show them again, so the order
// can be booked and the window closed.
void rkform::catchUpGrid()
{
    if (hxsrk == 1 && !hasItemRows())
        LoadStockInSlipGrid();
}

void rkform::Grid1_Click()
{
    const int r = Grid1->activeRow();
    setDeleteMode(Command2[3], Grid1->sheet().cellText(r, ColStatus) == StatusDeleted);
}

void rkform::setDeleteMode(QToolButton* button, bool restore)
{
    const bool whole = button == Command2[2];
    button->setToolTip(
        whole ? (restore ? wholeRestoreTip : wholeDeleteTip) : (restore ? itemRestoreTip : itemDeleteTip));
    const QStyle::StandardPixmap icon = restore
        ? QStyle::SP_BrowserReload
        : (whole ? QStyle::SP_TrashIcon : QStyle::SP_DialogDiscardButton);
    button->setIcon(style()->standardIcon(icon));
}

void rkform::clearGrid()
{
    Grid1->sheet().setRows(1);
    for (QLineEdit* t : Text8)
        t->setText("0");
}

bool rkform::hasItemRows() const
{
    return Grid1->sheet().rows() > 1;
}

// The five buttons of the order: previous, next, whole order, single item, print.
void rkform::Command2_Click(int index)
{
    const bool mayDelete = deletesAllowed();
    ShowToast("", "", ToastBlack);
    switch (index) {
    case 0:
    case 1:
        browse(index);
        break;
    case 2:
    case 3:
        if (!mayDelete) {
            if (day != platform::clock().now().date())
                ShowToast("只能删除或恢复当天的入库货物！", "请把入库日期改回今天", ToastRed);
            else
                ShowToast("您没有删除入库货物的权限！", "请与管理员联系", ToastRed);
        } else if (index == 2) {
            editWholeSlip();
        } else {
            editSlipItem();
        }
        break;
    case 4:
        FillStockInPrintGrid();
        Grid2->printPreview(100);
        break;
    }
}

// Deletes and restores only today's orders, and only with both rights; checked at every click,
// so a day chosen meanwhile or rights changed meanwhile hold for this click already.
bool rkform::deletesAllowed()
{
    const bool allowed = day == platform::clock().now().date() && GetRights("rkform") == "11";
    Command2[2]->setEnabled(allowed);
    Command2[3]->setEnabled(allowed);
    return allowed;
}

void rkform::browse(int index)
{
    if (weighing || hxsrk == 1) {
        ShowToast("本入库单有货物待入库！", "请入库后再查其他入库单！！", ToastRed);
        return;
    }
    const bool previous = index == 0;
    const auto number = previous ? previousOrderNo(Text1->text()) : nextOrderNo(Text1->text());
    if (!number)
        return;
    const auto exists = stockInSlipExists(*number, loginState().station_no);
    if (!exists)
        return;
    if (!*exists) {
        if (previous)
            ShowToast("本单是当日第一张入库单！", "前面没有其他入库单！！", ToastRed);
        else
            ShowToast("本单是当日最后的入库单！", "后面没有其他入库单！！", ToastRed);
        return;
    }
    Text1->setText(*number);
    LoadStockInSlipGrid();
}

void rkform::editWholeSlip()
{
    if (!hasItemRows())
        return;
    const QString order = Text1->text();
    if (order.isEmpty()) {
        ShowToast("没有入库单号！", "不能删除或恢复", ToastRed);
        return;
    }
    const QString station = loginState().station_no;
    const bool restore = Command2[2]->toolTip() != wholeDeleteTip;
    if (restore)
        Command2[2]->setIcon(style()->standardIcon(QStyle::SP_TrashIcon));
    const SlipEdit edit = restore ? restoreStockInSlip(order, station, Text6->text())
                                  : deleteStockInSlip(order, station, Text6->text());
    const QString noItems = "入库单" + order + "没有货物！";
    const SlipEditTexts restored { "该单货物不是您入库的！", "您无权进行删除恢复！",
        "该入库单数据已经全部恢复！", QString("恢复%1笔，变为正常库存！").arg(edit.changed),
        "该入库单没有删除的货物可以恢复！", "", noItems };
    const SlipEditTexts deleted { "该单货物不是您入库的！", "您无权删除！", "该入库单数据已经全部删除！",
        QString("删除%1笔").arg(edit.changed), "该入库单没有可以删除的货物！", cannotDeleteHint, noItems };
    const bool refill = reportSlipEdit(edit, restore ? restored : deleted);
    if (refill)
        LoadStockInSlipGrid();
    if (!restore && (refill || edit.result == SlipEditResult::NotOwner))
        Command2[2]->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));
}

void rkform::editSlipItem()
{
    if (!hasItemRows())
        return;
    const int r = Grid1->activeRow();
    const QString serial = Grid1->sheet().cellText(r, ColSerial);
    const QString order = Text1->text();
    const QString station = loginState().station_no;
    const bool restore = Command2[3]->toolTip() != itemDeleteTip;
    // The button turns at once, even when the action is refused.
    setDeleteMode(Command2[3], !restore);
    const SlipEdit edit = restore ? restoreStockInSlipItem(serial, order, station, Text6->text())
                                  : deleteStockInSlipItem(serial, order, station, Text6->text());
    const QString notOnOrder = "请选择入库单" + order + "的货物！";
    const SlipEditTexts restored { "该笔货物不是您入库的！", "您无权进行删除恢复！", "该笔货物数据已经恢复！",
        "变为正常库存！", "该笔货物没有删除，不需要恢复！", "", notOnOrder };
    const SlipEditTexts deleted { "该笔货物不是您入库的！", "您无权删除！", "该笔货物数据已经删除！", "",
        "该笔货物不能删除！", cannotDeleteHint, notOnOrder };
    const bool refill = reportSlipEdit(edit, restore ? restored : deleted);
    if (!refill)
        return;
    const int col = Grid1->activeCol();
    ReloadStockInSlipGrid();
    Grid1->setActiveCell(r, col);
    Grid1_Click(); // the button follows the row as it now is
}

void rkform::FillStockInPrintGrid()
{
    OrderSheetLayout layout;
    layout.title = "产品入库单";
    layout.titlePointSize = 20;
    // The status, day, auditor and order columns are as wide as their texts, so paper cuts none.
    layout.columns = { { ColSerial, 120 }, { ColModel, 50 }, { ColSpec, 50 }, { ColGross, 50, 14 },
        { ColNet, 50, 14 }, { ColStatusName, 80 }, { ColDay, 70 }, { ColInspector, 50 }, { ColAuditor, 60 },
        { ColOrder, 110 } };
    layout.totals = { { ColSerial, "合  计: " }, { ColModel, "总" + Text8[0]->text() },
        { ColGross, Text8[1]->text() }, { ColNet, Text8[2]->text() } };
    buildOrderSheet(
        Grid2->sheet(), Grid1->sheet(), layout, platform::clock().now().date(), loginState().gyname);
}

// The print grid's event fills the order grid from the stock-in order's report template.
void rkform::Grid2_AfterSort(int)
{
    LoadReport(Grid1->sheet(), "rkreport");
}

} // namespace korvell
