#pragma once
// printlabel: the label window. Each weighed item's label is shown, printed on the default printer
// and hidden again a moment later by a timer; printing happens at once, without waiting on events,
// so a weight that arrives meanwhile is handled after it.
#include "desktop/stock/weightlabel.h"

#include <QTimer>
#include <QWidget>

namespace korvell {

class printlabel : public QWidget {
    Q_OBJECT
public:
    // How long the label stays visible after printing.
    static constexpr int visibleMs = 1500;

    explicit printlabel(QWidget* parent = nullptr);

    // Fills, shows and prints the label. False, with a toast, when no printer is available or
    // the print failed.
    bool printLabel(const WeightLabel& label);
    const WeightLabel& label() const { return current; }

    // Renders the label as printed, at dpi dots per inch (tests, previews).
    static QImage render(const WeightLabel& label, int dpi);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    WeightLabel current;
    QTimer hideTimer;
};

} // namespace korvell
