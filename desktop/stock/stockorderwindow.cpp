#include "desktop/stock/stockorderwindow.h"

#include "desktop/data/loginstate.h"
#include "desktop/data/toast.h"
#include "desktop/masterdata/idnamecomboitem.h"
#include "desktop/stock/collectedserials.h"
#include "desktop/stock/generatorwait.h"
#include "desktop/stock/people.h"
#include "platform/grid/grid.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace korvell {

namespace {

    const QString approverPrompt = QStringLiteral("请选择审核工号");
    constexpr int codeWidth = 8;
    // The import error list's height in its normal place: six rows.
    constexpr int errorListHeight = platform::SheetModel::defaultRowHeight * 6 + 4;

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
    : StockWindow(config.shell, parent)
{
    layOut(config);
    layOutErrorList();
}

StockOrderWindow::~StockOrderWindow() = default;

void StockOrderWindow::layOut(const OrderWindowConfig& config)
{
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

    Grid3 = new platform::Grid;
    Grid3->setObjectName("Grid3");
    Grid3->setFixedHeight(errorListHeight);
    FlatScrollBar1 = flatBar("FlatScrollBar1", "扩大表格");
    FlatScrollBar2 = flatBar("FlatScrollBar2", "恢复表格");
    connect(FlatScrollBar1, &QScrollBar::valueChanged, this, [this] { setErrorListEnlarged(true); });
    connect(FlatScrollBar2, &QScrollBar::valueChanged, this, [this] { setErrorListEnlarged(false); });

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel("条码接收状态:"));
    top->addWidget(Imageonoff[0]);
    top->addWidget(Imageonoff[1]);
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

void StockOrderWindow::layOutErrorList()
{
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

// An opening starts with an empty error list and the approver to pick.
void StockOrderWindow::openOwnControls()
{
    Grid3->sheet().setRows(1);
    setErrorListEnlarged(false);
    fillApprovers();
}

// On this station's waiting order the window shows the lines that wait and offers to book them,
// to those who may (or to import the rest).
void StockOrderWindow::showOpenedOrder(OrderSession::Opening opening)
{
    if (opening == OrderSession::Opening::Resumed)
        reloadOrderGrid(config.kind.waiting);
    staging.opened();
    Command1[3]->setEnabled(!session.openingRights().refusesChange());
    showControls();
}

void StockOrderWindow::showControls()
{
    showOrder();
    const StagingSession::Controls c = staging.controls();
    Command1[0]->setEnabled(c.importEnabled);
    Command1[1]->setEnabled(c.bookEnabled);
}

QString StockOrderWindow::approverName() const
{
    const QString text = Combo1_4->currentText().trimmed();
    return text == approverPrompt ? QString() : text;
}

void StockOrderWindow::fillApprovers()
{
    fillPeopleList(Combo1_4, WeighingTeamCode, approverPrompt);
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
    session.settleLog();
    switch (index) {
    case 0:
        importOrder();
        break;
    case 1:
        bookCurrentOrder();
        break;
    case 2:
        exitWindow();
        break;
    case 3:
        startNewOrder();
        break;
    }
}

std::optional<QStringList> StockOrderWindow::serialsToImport()
{
    {
        GeneratorWait wait(this);
        RunGenerator(loginState().myapppath);
    }
    const QString path = CollectedFileOrPick(config.kind.pickTitle);
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

void StockOrderWindow::importOrder()
{
    const OrderSession::Work work = staging.startImport();
    if (work == OrderSession::Work::Refused)
        return;
    if (work == OrderSession::Work::NewOrder)
        showNewOrder();
    const auto serials = serialsToImport();
    if (!serials)
        return;
    const ImportOutcome outcome = staging.import(*serials);
    setErrorList(outcome.rejections);
    if (!outOfReach(outcome.trouble))
        reloadOrderGrid(config.kind.waiting);
    showControls();
}

void StockOrderWindow::bookCurrentOrder()
{
    const BookingOutcome outcome = staging.book(approverName(), customer(), orderLines());
    if (outcome.refused)
        return;
    markBooked(outcome.booked);
    if (outcome.trouble == DatabaseTrouble::None)
        afterBooking(outcome);
    showControls();
}

void StockOrderWindow::startNewOrder()
{
    if (!staging.mayStartNewOrder())
        return;
    if (!session.hasNumber()) {
        openOrder(); // opened without a number: this station's waiting order, or a new one
    } else {
        if (!session.renew())
            return;
        showNewOrder();
        Grid3->sheet().setRows(1);
    }
    staging.newOrder();
    showControls();
    Combo1_4->setCurrentIndex(-1);
    Combo1_4->setEditText(QString());
    clearOwnFields();
}

void StockOrderWindow::deleteOrUndo(int index)
{
    if (orderLines().isEmpty())
        return;
    std::optional<QString> serial;
    if (index == 3) {
        const int r = Grid1->activeRow();
        serial = r >= 1 ? Grid1->sheet().cellText(r, OrderColSerial) : QString(); // empty: none chosen
    }
    if (staging.undo(serial))
        reloadOrderGrid();
    showControls();
}

void StockOrderWindow::Combo1_Click()
{
    ShowToast("", "", ToastBlack);
    Combo1_4->setEditText(comboItemName(Combo1_4->currentText(), codeWidth));
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

} // namespace korvell
