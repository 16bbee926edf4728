#pragma once
// A query or statistics window: the result grid, a row of filters and the run, export, print
// and exit buttons, as its configuration says. One window class serves all of them.
#include "desktop/reports/queryconfig.h"

#include <QWidget>

class QPushButton;

namespace platform {
class Grid;
}

namespace korvell {

class QueryWindow final : public QWidget {
    Q_OBJECT
public:
    explicit QueryWindow(const QueryConfig& config, QWidget* parent = nullptr);

    platform::Grid* Grid1 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void runClick();
    void exportClick();
    void printClick();
    FilterValues filterValues() const;
    void setButtonsIdle();
    QPushButton* addButton(const QueryButton& button);

    const QueryConfig& config;
    QList<QWidget*> filterControls; // in the order of the filters
    QPushButton *runButton = nullptr, *exportButton = nullptr, *printButton = nullptr, *exitButton = nullptr;
    bool exportAndPrintEnabled = false;
    bool freshOpen = true; // the next showing is an opening
};

} // namespace korvell
