#pragma once
// kcqueryform "产品信息组合查询": the query window whose filters are two set-up grids over the
// fields of the view proc_main, shown in a panel over the result by "条件".
#include "desktop/reports/combinedquery.h"
#include "desktop/reports/querywindow.h"

class QFrame;

namespace korvell {

class kcqueryform final : public QueryWindow {
    Q_OBJECT
public:
    explicit kcqueryform(QWidget* parent = nullptr);

    QFrame* Frame1 = nullptr;
    platform::Grid* Grid2 = nullptr; // conditions
    platform::Grid* Grid3 = nullptr; // output columns

protected:
    std::optional<QueryStatements> statements() override;
    void loaded() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeFrame();

    QList<ViewField> fields;
};

} // namespace korvell
