#pragma once
// While a stock window waits for the generator, it shows that it waits: greyed, with the wait
// cursor and a toast. Clicks and keys made meanwhile are dropped when the wait ends, so nothing
// the user did to the waiting windows acts afterwards.
#include <QObject>

class QWidget;

namespace korvell {

class GeneratorWait : public QObject {
public:
    explicit GeneratorWait(QWidget* window);
    ~GeneratorWait() override;
    GeneratorWait(const GeneratorWait&) = delete;
    GeneratorWait& operator=(const GeneratorWait&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window;
};

} // namespace korvell
