#include "desktop/reports/frmreport.h"

#include "desktop/data/loginstate.h"
#include "desktop/data/toast.h"
#include "desktop/frame/loadreport.h"
#include "desktop/frame/paintgradient.h"
#include "desktop/reports/reportbindings.h"
#include "desktop/reports/reportcatalogue.h"
#include "desktop/reports/sheetformatting.h"
#include "platform/grid/grid.h"
#include "platform/ui/dialogs.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace korvell {

namespace {

    void hideToast()
    {
        ShowToast(QString(), QString(), ToastBlack);
    }

    void tell(const QString& text, const QString& title)
    {
        platform::dialogs().message(text, title, platform::Buttons::Ok, platform::Icon::Warning);
    }

    template <class Widget> Widget* named(Widget* widget, const QString& name)
    {
        widget->setObjectName(name);
        return widget;
    }

    QPushButton* button(const QString& caption, const QString& name)
    {
        return named(new QPushButton(caption), name);
    }

    // A frame holding a grid with a column of buttons at its right.
    QGroupBox* gridFrame(const QString& caption, const QString& name, platform::Grid* grid,
        std::initializer_list<QPushButton*> buttons)
    {
        auto* frame = named(new QGroupBox(caption), name);
        auto* column = new QVBoxLayout;
        for (QPushButton* b : buttons)
            column->addWidget(b);
        column->addStretch();
        auto* layout = new QHBoxLayout(frame);
        layout->addWidget(grid, 1);
        layout->addLayout(column);
        return frame;
    }

    void addSheetItems(QMenu* menu, const std::vector<SheetMenuItem>& items, platform::Grid* sheet)
    {
        for (const SheetMenuItem& i : items) {
            if (i.separatorBefore)
                menu->addSeparator();
            if (!i.command) {
                QMenu* sub = menu->addMenu(i.caption);
                sub->setObjectName(i.name);
                addSheetItems(sub, i.submenu, sheet);
                continue;
            }
            QAction* action = menu->addAction(i.caption);
            action->setObjectName(i.name);
            if (!i.shortcut.isEmpty())
                action->setShortcut(QKeySequence(i.shortcut));
            QObject::connect(action, &QAction::triggered, sheet, [sheet, command = i.command] {
                command(sheet->sheet(), { sheet->selection(), sheet->activeRow(), sheet->activeCol() });
            });
        }
    }

} // namespace

frmreport::frmreport(QWidget* parent)
    : OpeningWindow(parent)
{
    setObjectName(QStringLiteral("frmreport"));
    setWindowTitle(QStringLiteral("报表设计器"));

    Grid1 = named(new platform::Grid, QStringLiteral("Grid1"));
    Grid3 = named(new platform::Grid, QStringLiteral("Grid3"));
    Command2[0] = button(QStringLiteral("确定"), QStringLiteral("Command2_0"));
    Command2[1] = button(QStringLiteral("取消"), QStringLiteral("Command2_1"));
    Frame3 = gridFrame(
        QStringLiteral("新增报表"), QStringLiteral("Frame3"), Grid3, { Command2[0], Command2[1] });
    Frame3->setFixedHeight(260);
    Frame3->hide();

    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(buildTopRow());
    layout->addWidget(Grid1, 1);
    layout->addWidget(Frame3);
    layout->addWidget(buildBottomRow());
    setCentralWidget(central);
    buildMenus();
    resize(1100, 780);

    for (int i = 0; i < 8; ++i)
        connect(Command1[i], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
    for (int i = 0; i < 2; ++i)
        connect(Command2[i], &QPushButton::clicked, this, [this, i] { Command2_Click(i); });
    connect(Command3, &QPushButton::clicked, this, &frmreport::Command3_Click);
    connect(Combo1, &QComboBox::activated, this, &frmreport::Combo1_Click);
    connect(List1, &QListWidget::itemClicked, this, &frmreport::List1_Click);
    connect(List2, &QListWidget::itemClicked, this, &frmreport::List2_Click);
    connect(Grid1, &platform::Grid::currentCellChanged, this, &frmreport::Grid1_CurrentCellChanged);
    connect(&Grid3->sheet(), &platform::SheetModel::cellsChanged, this,
        [this] { keepBlankCatalogueRow(Grid3->sheet()); });
}

QWidget* frmreport::buildTopRow()
{
    Command1[0] = button(QStringLiteral("新建"), QStringLiteral("Command1_0"));
    Command1[1] = button(QStringLiteral("保存"), QStringLiteral("Command1_1"));
    Command3 = button(QStringLiteral("增加报表"), QStringLiteral("Command3"));
    Combo1 = named(new QComboBox, QStringLiteral("Combo1"));
    Combo1->setMinimumWidth(160);
    Text1 = named(new QLineEdit, QStringLiteral("Text1"));
    Command1[3] = button(QStringLiteral("检查"), QStringLiteral("Command1_3"));
    Command1[4] = button(QStringLiteral("保存"), QStringLiteral("Command1_4"));

    auto* row = new QWidget;
    auto* top = new QHBoxLayout(row);
    top->setContentsMargins(0, 0, 0, 0);
    top->addWidget(Command1[0]);
    top->addWidget(Command1[1]);
    top->addWidget(Command3);
    top->addWidget(Combo1);
    top->addWidget(new QLabel(QStringLiteral("语句")));
    top->addWidget(Text1, 1);
    top->addWidget(Command1[3]);
    top->addWidget(Command1[4]);
    return row;
}

QWidget* frmreport::buildBottomRow()
{
    Grid2 = named(new platform::Grid, QStringLiteral("Grid2"));
    Command1[5] = button(QStringLiteral("保存"), QStringLiteral("Command1_5"));
    Command1[6] = button(QStringLiteral("删行"), QStringLiteral("Command1_6"));
    Command1[2] = button(QStringLiteral("测试"), QStringLiteral("Command1_2"));
    Command1[7] = button(QStringLiteral("预览"), QStringLiteral("Command1_7"));
    Frame1 = gridFrame(QStringLiteral("报表设计"), QStringLiteral("Frame1"), Grid2,
        { Command1[5], Command1[6], Command1[2], Command1[7] });

    Frame2 = named(new QGroupBox(QStringLiteral("数据库")), QStringLiteral("Frame2"));
    List1 = named(new QListWidget, QStringLiteral("List1"));
    List2 = named(new QListWidget, QStringLiteral("List2"));
    QFont fixed = List1->font();
    fixed.setFamily(QStringLiteral("Noto Sans Mono CJK SC"));
    List1->setFont(fixed);
    auto* lists = new QGridLayout(Frame2);
    lists->addWidget(new QLabel(QStringLiteral("选中列表")), 0, 0);
    lists->addWidget(new QLabel(QStringLiteral("字段列表")), 0, 1);
    lists->addWidget(List2, 1, 0);
    lists->addWidget(List1, 1, 1);
    lists->setColumnStretch(0, 1);
    lists->setColumnStretch(1, 2);

    auto* row = new QWidget;
    auto* bottom = new QHBoxLayout(row);
    bottom->setContentsMargins(0, 0, 0, 0);
    bottom->addWidget(Frame1, 3);
    bottom->addWidget(Frame2, 2);
    row->setFixedHeight(240);
    return row;
}

void frmreport::buildMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("文件(&F)"));
    file->setObjectName(QStringLiteral("mnuFile"));
    auto add = [this](QMenu* menu, const QString& name, const QString& caption, auto slot,
                   const QString& shortcut = {}) {
        QAction* action = menu->addAction(caption, this, slot);
        action->setObjectName(name);
        if (!shortcut.isEmpty())
            action->setShortcut(QKeySequence(shortcut));
        return action;
    };
    add(file, QStringLiteral("mnuNewFile"), QStringLiteral("新建(&N)"), &frmreport::mnuNewFile_Click,
        QStringLiteral("Ctrl+N"));
    add(file, QStringLiteral("mnuSave"), QStringLiteral("保存(&S) ..."), &frmreport::mnuSave_Click,
        QStringLiteral("Ctrl+S"));
    file->addSeparator();
    add(file, QStringLiteral("mnuExportToExcel"), QStringLiteral("输出到Excel ..."),
        &frmreport::mnuExportToExcel_Click);
    file->addSeparator();
    // The page set-up of a template is part of the sheet; the item offers nothing of its own.
    QAction* pageSetup = file->addAction(QStringLiteral("页面设置 ..."));
    pageSetup->setObjectName(QStringLiteral("mnuPageSetup"));
    pageSetup->setEnabled(false);
    add(file, QStringLiteral("mnuPrintPreview"), QStringLiteral("打印预览(&V)"),
        &frmreport::mnuPrintPreview_Click);
    add(file, QStringLiteral("mnuDirectPrint"), QStringLiteral("打印(&P)"), &frmreport::mnuDirectPrint_Click,
        QStringLiteral("Ctrl+P"));
    file->addSeparator();
    add(file, QStringLiteral("mnuSample1"), QString(), &frmreport::mnuSample1_Click);
    add(file, QStringLiteral("mnuSample2"), QString(), &frmreport::mnuSample2_Click);
    file->addSeparator();
    add(file, QStringLiteral("mnuQuit"), QStringLiteral("退出(&X)"), &frmreport::mnuQuit_Click);

    QMenu* action = menuBar()->addMenu(QStringLiteral("操作(&A)"));
    action->setObjectName(QStringLiteral("mnuAction"));
    QStringList fonts = QFontDatabase::families();
    fonts.sort();
    addSheetItems(action, sheetMenuItems(fonts), Grid1);

    QMenu* data = menuBar()->addMenu(QStringLiteral("数据操作"));
    data->setObjectName(QStringLiteral("sjform"));
    data->addAction(QStringLiteral("插入数据"))->setObjectName(QStringLiteral("inertdata"));
}

// Each opening starts afresh: no report chosen, an empty sheet, the catalogue as it is now.
void frmreport::Form_Load()
{
    setUpCatalogueGrid(Grid3->sheet());
    const auto reports = readCatalogue();
    catalogueRead = reports.has_value();
    const std::vector<ReportDefinition> shown = reports.value_or(std::vector<ReportDefinition> {});
    Combo1->clear();
    for (const ReportDefinition& r : shown)
        Combo1->addItem(r.reportchname);
    Combo1->setCurrentIndex(-1);
    fillCatalogueGrid(Grid3->sheet(), shown);
    Frame3->hide();
    curtablename.clear();
    curreportname.clear();
    Text1->clear();
    setUpBindingGrid(Grid2->sheet());
    fillBindingGrid(Grid2->sheet(), {});
    List1->clear();
    List2->clear();

    Grid1->newFile();
    setSheetDefaults();
    apppath = loginState().myapppath;
    if (!apppath.endsWith('/'))
        apppath += '/';
    findChild<QAction*>(QStringLiteral("mnuSample1"))->setText(apppath + "Sample.cel");
    findChild<QAction*>(QStringLiteral("mnuSample2"))->setText(apppath + "Sample.xml");
}

// Font, grid switches, paper and footer: what both the load and a new sheet give the sheet.
void frmreport::setSheetDefaults()
{
    platform::SheetModel& sheet = Grid1->sheet();
    sheet.setSheetFont({ QStringLiteral("宋体"), 9, false, false, false });
    sheet.setShowRowNumbers(true);
    sheet.setShowColumnNumbers(true);
    platform::PageSetup& page = sheet.pageSetup();
    page.paperSize = 9;
    page.footer = QStringLiteral(" 第&P页 共&N页 ");
    page.footerAlignment = 2;
    page.footerFont = { QStringLiteral("Courier New"), 8, false, false, false };
}

void frmreport::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    PaintGradient(this, 100, 255, 0, 40, 60, -3.0);
}

void frmreport::closeEvent(QCloseEvent* event)
{
    event->accept();
    hideToast();
}

void frmreport::Combo1_Click()
{
    const std::optional<ReportDefinition> report = findReportByDisplayName(Combo1->currentText());
    if (!report)
        return;
    curtablename = report->tablename;
    curreportname = report->reportname;
    Text1->setText(report->reportsql);

    const auto bindings = readBindings(curreportname);
    bindingsRead = bindings.has_value();
    fillBindingGrid(Grid2->sheet(), bindings.value_or(std::vector<BindingRow> {}));
    List1->clear();
    List2->clear();
    for (const FieldEntry& field : readFields(curtablename).value_or(std::vector<FieldEntry> {})) {
        List1->addItem(fieldListItem(field));
        List2->addItem(field.name);
    }
    OpenReportTemplate();
}

void frmreport::OpenReportTemplate()
{
    if (Grid1->openFile(reportTemplatePath(curreportname)))
        return;
    ShowToast(
        Combo1->currentText() + QStringLiteral("报表不存在"), QStringLiteral("系统自动新建表格"), ToastRed);
    mnuNewFile_Click();
}

void frmreport::List1_Click(QListWidgetItem* item)
{
    const FieldEntry field = fieldOfListItem(item->text());
    List2->addItem(field.name);
    pickField(Grid2->sheet(), field.name, field.caption);
}

void frmreport::List2_Click(QListWidgetItem* item)
{
    removeFieldRows(Grid2->sheet(), item->text());
    delete item;
}

void frmreport::Grid1_CurrentCellChanged(int row, int col)
{
    placeBinding(Grid2->sheet(), Grid2->activeRow(), row, col);
}

void frmreport::Command1_Click(int index)
{
    hideToast();
    switch (index) {
    case 0:
        mnuNewFile_Click();
        break;
    case 1:
        mnuSave_Click();
        break;
    case 2:
        testFill();
        break;
    case 3:
        runQueryIntoSheet();
        break;
    case 4:
        if (!Text1->text().isEmpty() && saveReportQuery(curreportname, Text1->text()))
            setCatalogueQuery(Grid3->sheet(), curreportname, Text1->text());
        break;
    case 5:
        saveBindingGrid();
        break;
    case 6:
        deleteBindingRow(Grid2->sheet(), Grid2->activeRow());
        break;
    case 7:
        Grid1->printPreview(100);
        break;
    default:
        break;
    }
}

// The test fills a copy from the saved template and shows it; the sheet being edited stays.
void frmreport::testFill()
{
    if (curreportname.isEmpty()) {
        refuseWithoutReport();
        return;
    }
    platform::Grid filled;
    filled.sheet().assign(Grid1->sheet());
    switch (LoadReport(filled.sheet(), curreportname)) {
    case ReportFill::Filled:
        filled.printPreview(100);
        return;
    case ReportFill::NotFilled:
        ShowToast(QStringLiteral("报表没有填出数据"), QStringLiteral("请检查第1行第1列、查询语句和字段定义"),
            ToastRed);
        return;
    case ReportFill::Failed:
    case ReportFill::TemplateMissing:
    case ReportFill::NoQuery:
        return; // the filler has said why
    }
}

void frmreport::runQueryIntoSheet()
{
    if (Text1->text().isEmpty())
        return;
    const SqlResult result = runReportQuery(Text1->text());
    if (result && result.rs)
        fillSheetWithRecords(Grid1->sheet(), *result.rs);
}

void frmreport::Command2_Click(int index)
{
    if (index == 0)
        saveCatalogueGrid();
    else
        Frame3->hide();
}

void frmreport::saveBindingGrid()
{
    if (!curreportname.isEmpty() && !bindingsRead)
        refuseUnreadSave();
    else
        saveBindings(curreportname, bindingGridRows(Grid2->sheet()));
}

void frmreport::saveCatalogueGrid()
{
    if (!catalogueRead)
        refuseUnreadSave();
    else
        saveCatalogue(catalogueGridRows(Grid3->sheet()));
}

void frmreport::Command3_Click()
{
    Frame3->show();
}

void frmreport::mnuNewFile_Click()
{
    Grid1->newFile();
    setSheetDefaults();
    platform::PageSetup& page = Grid1->sheet().pageSetup();
    page.headerAlignment = 0;
    page.headerFont = { QStringLiteral("Courier New"), 16, true, false, false };
}

void frmreport::mnuSave_Click()
{
    if (curreportname.isEmpty()) {
        refuseWithoutReport();
        return;
    }
    const QString shown = Combo1->currentText();
    if (Grid1->saveFile(reportTemplatePath(curreportname)))
        ShowToast(shown + QStringLiteral("成功保存。"), QString(), ToastRed);
    else
        ShowToast(
            shown + QStringLiteral("保存失败。"), QStringLiteral("请检查reportmodel目录是不存在"), ToastRed);
}

void frmreport::mnuExportToExcel_Click()
{
    if (Grid1->exportXlsx(QString()))
        tell(QStringLiteral("输出成功。"), QStringLiteral("提示"));
}

void frmreport::mnuPrintPreview_Click()
{
    Grid1->printPreview();
}

void frmreport::mnuDirectPrint_Click()
{
    Grid1->directPrint();
}

void frmreport::openSample(const QString& path, bool xml)
{
    if (!QFileInfo::exists(path)) {
        tell(QStringLiteral("文件不存在。"), QStringLiteral("错误"));
        return;
    }
    if (!(xml ? Grid1->importXml(path) : Grid1->openFile(path)))
        tell(QStringLiteral("不能打开文件。"), QStringLiteral("错误"));
}

void frmreport::mnuSample1_Click()
{
    openSample(apppath + "Sample.cel", false);
}

void frmreport::mnuSample2_Click()
{
    openSample(apppath + "Sample.xml", true);
}

void frmreport::mnuQuit_Click()
{
    close();
}

} // namespace korvell
