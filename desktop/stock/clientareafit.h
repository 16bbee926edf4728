#pragma once
// Keeps a stock window's MDI frame filling the main window's client area from its top left
// corner, also when the main window is resized. A window outside an MDI area is left alone.
#include <QObject>
#include <QPointer>

class QWidget;

namespace korvell {

class ClientAreaFit : public QObject {
public:
    explicit ClientAreaFit(QWidget* window);

    // Fits the frame now (the window calls it when it is shown) and follows the area from then on.
    void fit();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window;
    QPointer<QWidget> area; // the client area watched for resizes
};

} // namespace korvell
