#include "generator/ui/terminalface.h"

#include "generator/ui/dragoutline.h"

#include <QMouseEvent>
#include <QPainter>

namespace vosket {

TerminalFace::TerminalFace(TextScreen& screen, QWidget* parent)
    : QWidget(parent)
    , model(screen)
{
    compactFont.setPixelSize(11);
    setFixedSize(face::Size);
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(&model, &TextScreen::repaintRequested, this, [this](ScreenArea area) {
        const QRect dirty = face::areaRect(area, model.cursor());
        // The digit mark lasts only until the simulator repaints the screen under it.
        if (dirty.intersects(face::ModeMarkRect))
            digitMarkShown = false;
        update(dirty);
    });
    connect(&timer, &QTimer::timeout, this, &TerminalFace::ticked);
    timer.start(TimerInterval);
}

TerminalFace::~TerminalFace() = default;

void TerminalFace::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawPixmap(0, 0, images.body());
    for (const face::KeyPlace& place : face::keys())
        p.drawPixmap(place.image.topLeft(),
            place.key == keyHeld ? images.keyDown(place.key) : images.keyUp(place.key));
    paintScreen(p);
}

void TerminalFace::paintScreen(QPainter& p) const
{
    p.save();
    p.setClipRect(face::ScreenRect);
    p.setFont(screenFont);
    if (model.state() == TextScreen::FormInput)
        p.drawPixmap(face::cursorRect(model.cursor()).topLeft(), images.cursorCell());
    if (model.alphaMode())
        p.drawPixmap(face::ModeMarkRect.topLeft(), images.alphaMark());
    else if (digitMarkShown)
        p.drawPixmap(face::ModeMarkRect.topLeft(), images.digitMark());

    for (int i = 0; i < TextScreen::LineCount; ++i) {
        const int y = face::TextTop + model.pitchPixels() * i;
        const bool highlighted = model.highlightedLine() == i + 1;
        if (highlighted)
            p.drawPixmap(face::TextLeft, y + 2, images.highlightBar());
        p.setPen(highlighted ? Qt::white : Qt::black);
        drawCells(p, QPoint(face::TextLeft, y), model.line(i));
    }
    if (model.state() == TextScreen::MainMenu && !model.clockLine().isEmpty()) {
        p.drawPixmap(face::ClockOrigin, images.clockBackground());
        p.setPen(Qt::black);
        drawCells(p, face::ClockOrigin, model.clockLine());
    }
    if (const char pending = model.pendingCharacter(); pending != 0) {
        const QRect cell = face::cursorRect(model.cursor());
        p.drawPixmap(cell.topLeft(), images.cursorCell());
        p.setPen(Qt::black);
        drawCells(p, QPoint(cell.left(), cell.top() - 1), QByteArrayView(&pending, 1));
    }
    p.restore();
}

// The screen's bytes decoded now, each character centred in its cells (two for a double-byte
// character), whatever the font's own advance, so that columns line up as on the terminal.
void TerminalFace::drawCells(QPainter& p, QPoint topLeft, QByteArrayView bytes) const
{
    // On the small pitch a Chinese character in the full font would reach into the next line.
    const bool compact = model.pitch() == TextScreen::Pitch::Small;
    for (const ScreenGlyph& glyph : ScreenGlyphs(bytes)) {
        p.setFont(compact && glyph.cells == 2 ? compactFont : screenFont);
        const int width = face::CellWidth * glyph.cells;
        const int inset = (width - p.fontMetrics().horizontalAdvance(glyph.text)) / 2;
        p.drawText(
            QPoint(topLeft.x() + face::CellWidth * glyph.column + inset, topLeft.y() + face::TextBaseline),
            glyph.text);
    }
}

void TerminalFace::pressKey(Key key)
{
    keyHeld = key;
    // The face owns the mode switch while a field is being typed.
    if (SwitchesMode(key) && model.state() == TextScreen::FormInput) {
        model.setAlphaMode(!model.alphaMode());
        digitMarkShown = !model.alphaMode();
        update(face::ModeMarkRect);
    }
    update(face::key(key).image);
    emit keyPressed(key);
}

void TerminalFace::endPress()
{
    if (keyHeld != Key::None)
        update(face::key(keyHeld).image);
    keyHeld = Key::None;
    if (isDragging)
        outline->hide();
    isDragging = false;
    if (mouseGrabber() == this)
        releaseMouse();
}

void TerminalFace::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        // The popup menu takes the left release of a press still in progress.
        endPress();
        emit popupRequested(event->globalPosition().toPoint());
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    endPress();
    if (const Key key = face::KeyAtPoint(event->position().toPoint()); key != Key::None) {
        pressKey(key);
        return;
    }
    isDragging = true;
    pressPoint = event->globalPosition().toPoint();
    startRect = QRect(mapToGlobal(QPoint(0, 0)), size());
    outlineRect = startRect;
    if (!outline)
        outline = std::make_unique<DragOutline>();
    outline->setGeometry(outlineRect);
    outline->show();
}

// The terminal knows no double click: the second click is a second press.
void TerminalFace::mouseDoubleClickEvent(QMouseEvent* event)
{
    mousePressEvent(event);
}

void TerminalFace::mouseMoveEvent(QMouseEvent* event)
{
    if (keyHeld != Key::None || !isDragging)
        return;
    outlineRect = startRect.translated(event->globalPosition().toPoint() - pressPoint);
    outline->setGeometry(outlineRect);
}

void TerminalFace::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const Key released = keyHeld;
    if (released != Key::None) {
        update(face::key(released).image);
    } else if (isDragging) {
        outline->hide();
        window()->move(window()->pos() + (outlineRect.topLeft() - startRect.topLeft()));
        window()->show();
    }
    keyHeld = Key::None;
    isDragging = false;
    if (released == Key::Menu)
        emit popupRequested(mapToGlobal(face::key(Key::Menu).image.topLeft()));
}

} // namespace vosket
