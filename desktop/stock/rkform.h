#pragma once
// rkform "货物称重入库功能": the weighing stock-in station on the stock-window shell. The operator
// picks product and people, starts weighing (scale or simulation), every weight becomes an item
// of the current stock-in order with its label, and after stopping the order is booked into
// stock. Its toolbar deletes and restores the order's items.
#include "desktop/stock/scalelink.h"
#include "desktop/stock/simulatedweight.h"
#include "desktop/stock/stockwindow.h"
#include "desktop/stock/unstoredweights.h"
#include "desktop/stock/weighingsession.h"

#include <QTimer>

class QPushButton;

namespace korvell {

class printlabel;

class rkform : public StockWindow {
    Q_OBJECT
public:
    static constexpr int simulationIntervalMs = 10000;

    explicit rkform(QWidget* parent = nullptr);
    ~rkform() override;

    // Timer1's interval (tests shorten it).
    void setSimulationInterval(int ms) { Timer1.setInterval(ms); }
    bool isWeighing() const { return weighingSession.weighing(); }

protected:
    void openOwnControls() override;
    void showOpenedOrder(OrderSession::Opening opening) override;
    bool holdsOrder() const override { return weighingSession.holdsOrder(); }
    void deleteOrUndo(int index) override;
    void showBrowsedOrder() override { LoadStockInSlipGrid(); }
    void closing() override;
    // The order number and day, the buttons, captions and toolbar modes as the sessions have them.
    void showControls() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void layOut();
    void Combo1_Click(int index);
    void Combo2_Click();
    void Command1_Click(int index);
    void startWeighing();
    void stopWeighing(const QString& reason = {});
    void bookOrder();
    void Text7_Click();
    void Timer1_Timer();
    void scaleLine(const QByteArray& line);
    void weigh();
    void showUnstored(const QString& weight, const QString& why);
    void dismissUnstored();
    float SimulatedWeight() { return simulator.next(); }
    bool OpenScalePort(int flag);
    void LoadStockInSlipGrid();
    void catchUpGrid();
    void Grid1_Click();
    void showItemButton(const WeighingSession::Controls& c);
    bool hasItemRows() const;

    std::array<QComboBox*, 5> Combo1 {};
    QComboBox* Combo2 = nullptr;
    QLineEdit *Text2 = nullptr, *Text4 = nullptr, *Text5 = nullptr, *Text7 = nullptr;
    std::array<QPushButton*, 3> Command1 {};
    QLabel* UnstoredWeight = nullptr; // the weights lost, until the operator dismisses the line
    UnstoredWeights unstored;
    printlabel* label = nullptr;
    QString Label9; // phone text printed on the upper label
    QString Label10; // serial number of the last saved item
    QTimer Timer1;
    ScaleLink MSComm1;
    WeightSimulator simulator;
    WeighingSession weighingSession { session };
};

} // namespace korvell
