#include "desktop/frame/msgfrm.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <algorithm>

namespace korvell {
namespace {

    constexpr QSize windowSize(224, 142);
    constexpr int textMargin = 8;
    const QColor background(0xC0, 0xC0, 0xFF);

    QFont songti(double points, bool bold)
    {
        QFont font(QStringLiteral("宋体"));
        font.setPointSizeF(points);
        font.setBold(bold);
        return font;
    }

    QPointer<msgfrm>& instance()
    {
        static QPointer<msgfrm> window;
        return window;
    }

    ToastWindowSink sink;

} // namespace

msgfrm::msgfrm(ToastMachine& state)
    : QWidget(
        nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus)
    , machine(state)
{
    setObjectName(QStringLiteral("msgfrm"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(windowSize);
    setWindowOpacity(200.0 / 255.0);
    for (QLabel** label : { &Label1, &Label2 }) {
        *label = new QLabel(this);
        (*label)->setFont(songti(12, true));
        (*label)->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2->setObjectName(QStringLiteral("Label2"));
    Label1->move(0, 40);
    Label2->move(0, 64);

    const QRect screen = screenArea();
    machine.created(screen.height(), height());
    move(screen.right() + 1 - width() - ToastMachine::rightGap, screen.top() + machine.top());
    timer.setInterval(ToastMachine::slideIntervalMs);
    connect(&timer, &QTimer::timeout, this, [this] { tick(ToastMachine::slideIntervalMs); });
    follow();
}

msgfrm::~msgfrm()
{
    machine.destroyed();
}

QRect msgfrm::screenArea() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect(0, 0, 1024, 768);
}

void msgfrm::setLines(const QString& mainLine, const QString& hint, int kind)
{
    static const QColor colours[] = { Qt::black, QColor(255, 0, 0), QColor(0, 0, 255) };
    if (kind >= 0 && kind < 3) {
        for (QLabel* label : { Label1, Label2 }) {
            QPalette palette = label->palette();
            palette.setColor(QPalette::WindowText, colours[kind]);
            label->setPalette(palette);
        }
    }
    Label1->setText(mainLine);
    Label2->setText(hint);
    Label1->adjustSize();
    Label2->adjustSize();
    // A line wider than the window widens it to the left, so the whole message shows.
    const int needed = std::max(Label1->width(), Label2->width()) + 2 * textMargin;
    const int right = x() + width();
    setFixedSize(std::max(windowSize.width(), needed), windowSize.height());
    move(right - width(), y());
    for (QLabel* label : { Label1, Label2 })
        label->move((width() - label->width()) / 2, label->y());
    update();
}

void msgfrm::tick(int elapsedMs)
{
    machine.advance(elapsedMs);
    move(x(), screenArea().top() + machine.top());
    follow();
}

void msgfrm::follow()
{
    if (machine.busy() && !timer.isActive())
        timer.start();
    else if (!machine.busy())
        timer.stop();
}

void msgfrm::mousePressEvent(QMouseEvent*)
{
    machine.click();
    follow();
}

void msgfrm::paintEvent(QPaintEvent*)
{
    // Drawn around the middle, so a widened window keeps its face.
    const int middle = width() / 2;
    QPainter painter(this);
    painter.fillRect(rect(), background);
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.drawRect(rect().adjusted(0, 0, -2, -2));
    painter.setPen(QColor(0xE0, 0xE0, 0xE0));
    painter.drawRect(rect().adjusted(1, 1, -1, -1));

    // The title three times over itself: red, white, then grey on top.
    painter.setFont(songti(10.5, true));
    const QString title = QStringLiteral("系统提示");
    const QPoint shadows[] = { { middle - 27, 7 }, { middle - 28, 6 }, { middle - 27, 8 } };
    const QColor inks[] = { QColor(255, 0, 0), Qt::white, QColor(0x80, 0x80, 0x80) };
    for (int i = 0; i < 3; ++i) {
        painter.setPen(inks[i]);
        painter.drawText(QRect(shadows[i], QSize(60, 16)), Qt::AlignLeft | Qt::AlignVCenter, title);
    }
    painter.setPen(Qt::black);
    painter.drawLine(middle - 32, 24, middle + 40, 24);
    painter.drawLine(middle - 32, 25, middle + 40, 25);

    // The fixed picture at the foot of the window.
    const QRect picture(middle - 99, 97, 198, 40);
    QLinearGradient shade(picture.topLeft(), picture.topRight());
    shade.setColorAt(0, QColor(0x60, 0x80, 0xE0));
    shade.setColorAt(1, QColor(0xE8, 0xEC, 0xFF));
    painter.fillRect(picture, shade);
    painter.setPen(Qt::white);
    painter.setFont(songti(9, true));
    painter.drawText(picture, Qt::AlignCenter, QStringLiteral("Velmora电子称重仓库管理系统"));
}

void ToastWindowSink::show(const QString& mainLine, const QString& hint, int kind)
{
    ToastMachine& machine = toastMachine();
    if (mainLine.isEmpty()) {
        machine.hide();
        if (instance())
            instance()->follow();
        return;
    }
    if (!instance())
        instance() = new msgfrm(machine);
    msgfrm* window = instance();
    window->setLines(mainLine, hint, kind);
    machine.show();
    window->follow();
    window->show();
}

void installToastWindow()
{
    setToastSink(&sink);
}

void closeToast()
{
    if (instance())
        delete instance().data();
}

msgfrm* toastWindow()
{
    return instance();
}

ToastMachine& toastMachine()
{
    static ToastMachine machine;
    return machine;
}

} // namespace korvell
