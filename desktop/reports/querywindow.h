#pragma once
// A query or statistics window: the result grid, a row of filters and the run, export, print
// and exit buttons, as its configuration says. One window class serves all of them.
#include "desktop/frame/openingwindow.h"
#include "desktop/reports/queryconfig.h"
#include "desktop/reports/queryrun.h"

#include <QWidget>

class QHBoxLayout;
class QPushButton;

namespace platform {
class Grid;
}

namespace korvell {

class QueryWindow : public OpeningWindow<QWidget> {
    Q_OBJECT
public:
    explicit QueryWindow(const QueryConfig& config, QWidget* parent = nullptr);

    platform::Grid* Grid1 = nullptr;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // The statements of a run from the filters; nothing when the run must not start.
    virtual std::optional<QueryStatements> statements();
    // The window's own filling at the end of every opening.
    virtual void loaded() { }
    static QPushButton* addButton(const QueryButton& button);

    const QueryConfig& config;
    QHBoxLayout* controls = nullptr; // the filters and the buttons under the grid

private:
    void Form_Load() override;
    void runClick();
    void exportClick();
    void printClick();
    FilterValues filterValues() const;
    void setButtonsIdle();

    QList<QWidget*> filterControls; // in the order of the filters
    QPushButton *runButton = nullptr, *exportButton = nullptr, *printButton = nullptr, *exitButton = nullptr;
    bool exportAndPrintEnabled = false;
};

} // namespace korvell
