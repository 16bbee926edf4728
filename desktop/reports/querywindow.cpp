#include "desktop/reports/querywindow.h"

#include "desktop/data/loginstate.h"
#include "desktop/data/toast.h"
#include "desktop/frame/msgfrm.h"
#include "desktop/frame/paintgradient.h"
#include "desktop/reports/queryrun.h"
#include "desktop/reports/querysheet.h"
#include "platform/grid/grid.h"
#include "platform/ui/clock.h"

#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace korvell {

QueryWindow::QueryWindow(const QueryConfig& config, QWidget* parent)
    : OpeningWindow(parent)
    , config(config)
{
    setObjectName(config.name);
    setWindowTitle(config.caption);
    setAutoFillBackground(true);

    Grid1 = new platform::Grid;
    Grid1->setObjectName(QStringLiteral("Grid1"));

    controls = new QHBoxLayout;
    for (const QueryFilter& filter : config.filters) {
        auto* label = new QLabel(filter.label);
        controls->addWidget(label);
        QWidget* control = nullptr;
        switch (filter.kind) {
        case FilterKind::Date: {
            auto* picker = new QDateEdit;
            picker->setCalendarPopup(true);
            picker->setDisplayFormat(QStringLiteral("yyyy-M-d"));
            control = picker;
            break;
        }
        case FilterKind::Text:
            control = new QLineEdit;
            break;
        case FilterKind::List: {
            auto* box = new QComboBox;
            box->setEditable(true);
            box->setInsertPolicy(QComboBox::NoInsert);
            // Typed text is searched as typed: no item may complete it behind the user's back.
            box->setCompleter(nullptr);
            box->setMinimumContentsLength(8);
            connect(box, &QComboBox::activated, this, [box, list = filter.list](int index) {
                box->setEditText(pickedCode(list, box->itemText(index)));
            });
            control = box;
            break;
        }
        }
        control->setObjectName(filter.name);
        label->setBuddy(control);
        controls->addWidget(control);
        filterControls << control;
    }
    controls->addStretch();
    runButton = addButton(config.run);
    connect(runButton, &QPushButton::clicked, this, &QueryWindow::runClick);
    if (!config.printTitle.isEmpty()) {
        exportButton = addButton(config.exportButton);
        printButton = addButton(config.print);
        connect(exportButton, &QPushButton::clicked, this, &QueryWindow::exportClick);
        connect(printButton, &QPushButton::clicked, this, &QueryWindow::printClick);
    }
    exitButton = addButton(config.exit);
    connect(exitButton, &QPushButton::clicked, this, &QWidget::close);
    for (QPushButton* b : { runButton, exportButton, printButton, exitButton })
        if (b)
            controls->addWidget(b);

    auto* page = new QVBoxLayout(this);
    page->addWidget(Grid1, 1);
    page->addLayout(controls);
    resize(960, 640);
}

QPushButton* QueryWindow::addButton(const QueryButton& button)
{
    auto* b = new QPushButton(button.caption);
    b->setObjectName(button.name);
    return b;
}

// Every opening starts over: no result, today's dates, empty filters, fresh lists.
void QueryWindow::Form_Load()
{
    platform::SheetModel& sheet = Grid1->sheet();
    sheet.setRows(1);
    sheet.setCols(config.captions.size() + 1);
    sheet.setColumnWidth(0, 0);
    for (int i = 0; i < config.captions.size(); ++i) {
        sheet.setCellText(0, i + 1, config.captions[i]);
        if (i < config.widths.size())
            sheet.setColumnWidth(i + 1, config.widths[i]);
    }
    Grid1->setPinLastRow(false);
    if (config.closesToastOnLoad)
        closeToast();
    const QDate today = platform::clock().now().date();
    for (int i = 0; i < config.filters.size(); ++i) {
        QWidget* control = filterControls[i];
        if (auto* picker = qobject_cast<QDateEdit*>(control))
            picker->setDate(today);
        else if (auto* text = qobject_cast<QLineEdit*>(control))
            text->clear();
        else if (auto* box = qobject_cast<QComboBox*>(control)) {
            box->clear();
            box->addItems(filterListItems(config.filters[i].list));
            box->setCurrentIndex(-1);
            box->setEditText({});
        }
    }
    exportAndPrintEnabled = !config.exportAndPrintStartDisabled;
    setButtonsIdle();
    loaded();
    Grid1->refresh();
}

std::optional<QueryStatements> QueryWindow::statements()
{
    return queryStatements(config, filterValues());
}

FilterValues QueryWindow::filterValues() const
{
    FilterValues values;
    for (QWidget* control : filterControls) {
        if (auto* picker = qobject_cast<QDateEdit*>(control))
            values << picker->date();
        else if (auto* text = qobject_cast<QLineEdit*>(control))
            values << text->text();
        else if (auto* box = qobject_cast<QComboBox*>(control))
            values << box->currentText();
    }
    return values;
}

void QueryWindow::setButtonsIdle()
{
    runButton->setEnabled(true);
    exitButton->setEnabled(true);
    for (QPushButton* b : { exportButton, printButton })
        if (b)
            b->setEnabled(exportAndPrintEnabled);
}

void QueryWindow::runClick()
{
    for (QPushButton* b : { runButton, exportButton, printButton, exitButton })
        if (b)
            b->setEnabled(false);
    const std::optional<QueryStatements> run = statements();
    if (!run) {
        setButtonsIdle();
        return;
    }
    const QueryOutcome outcome = runStatements(config, *run, Grid1->sheet());
    Grid1->setUserSort(config.userSort && outcome.ran);
    Grid1->setPinLastRow(outcome.totalsRow);
    // Windows that start without export and print offer them for a whole result only.
    if (config.exportAndPrintStartDisabled)
        exportAndPrintEnabled = outcome.totalsRow;
    setButtonsIdle();
    Grid1->refresh();
}

void QueryWindow::exportClick()
{
    if (Grid1->exportXlsx({}))
        ShowToast(QStringLiteral("当前数据成功导出到execl表！"), {}, ToastRed);
}

void QueryWindow::printClick()
{
    preparePrint(Grid1->sheet(), config.printTitle, platform::clock().now().date(), loginState().gyname);
    Grid1->refresh();
    Grid1->printPreview(100);
}

void QueryWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    PaintGradient(this, 100, 255, 0, 40, 60, config.gradientCycles);
}

void QueryWindow::closeEvent(QCloseEvent* event)
{
    closeToast();
    QWidget::closeEvent(event);
}

} // namespace korvell
