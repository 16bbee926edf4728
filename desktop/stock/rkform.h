#pragma once
// rkform "货物称重入库功能": the weighing stock-in station. The operator picks product and people,
// starts weighing (scale or simulation), every weight becomes an item of the current stock-in
// order with its label, and after stopping the order is booked into stock.
#include "desktop/stock/scalelink.h"
#include "desktop/stock/simulatedweight.h"

#include <QDate>
#include <QTimer>
#include <QWidget>
#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace platform {
class Grid;
}

namespace korvell {

class ClientAreaFit;
class DropCalendar;
class printlabel;

class rkform : public QWidget {
    Q_OBJECT
public:
    static constexpr int simulationIntervalMs = 10000;

    explicit rkform(QWidget* parent = nullptr);
    ~rkform() override;

    // 1 while the current order holds weighed items that are not booked; blocks closing.
    int hxsrk = 0;

    // Timer1's interval (tests shorten it).
    void setSimulationInterval(int ms) { Timer1.setInterval(ms); }
    bool isWeighing() const { return weighing; }

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void fillList(QComboBox* box, const QString& sql, const QString& code, const QString& name);
    void Combo1_Click(int index);
    void Combo2_Click();
    void Command1_Click(int index);
    void startWeighing();
    void stopWeighing(const QString& reason = {});
    void bookOrder();
    void Text3_Click();
    void calendarChosen(const QDate& date);
    void Text7_Click();
    void Timer1_Timer();
    void scaleLine(const QByteArray& line);
    void weigh();
    void markUnstored(bool on);
    float SimulatedWeight() { return simulator.next(); }
    bool OpenScalePort(int flag);
    bool NextStockInSlipNo();
    void LoadStockInSlipGrid();
    bool ReloadStockInSlipGrid();
    void Command2_Click(int index);
    bool deletesAllowed();
    void browse(int index);
    void editWholeSlip();
    void editSlipItem();
    void FillStockInPrintGrid();
    void Grid2_AfterSort(int col);
    void catchUpGrid();
    void Grid1_Click();
    void setDeleteMode(QToolButton* button, bool restore);
    void clearGrid();
    bool hasItemRows() const;
    bool maySave() const;

    std::array<QComboBox*, 5> Combo1 {};
    QComboBox* Combo2 = nullptr;
    QLineEdit *Text1 = nullptr, *Text2 = nullptr, *Text3 = nullptr, *Text4 = nullptr, *Text5 = nullptr,
              *Text6 = nullptr, *Text7 = nullptr;
    std::array<QLineEdit*, 3> Text8 {};
    std::array<QPushButton*, 3> Command1 {};
    std::array<QToolButton*, 5> Command2 {};
    std::array<QLabel*, 2> Imageonoff {};
    platform::Grid* Grid1 = nullptr;
    platform::Grid* Grid2 = nullptr; // the print copy of the order, never shown
    DropCalendar* MonthView1 = nullptr;
    ClientAreaFit* fitter = nullptr;
    printlabel* label = nullptr;
    QString Label9; // phone text printed on the upper label
    QString Label10; // serial number of the last saved item
    QTimer Timer1;
    ScaleLink MSComm1;
    WeightSimulator simulator;
    QDate day; // the stock-in day shown in Text3
    bool weighing = false;
    bool simulating = false; // the source the running weighing started with
    bool freshOpen = true; // the next showing is an opening: today's date and a new order number
};

} // namespace korvell
