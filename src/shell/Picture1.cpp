#include "shell/Picture1.h"

#include "draw/Drawing.h"
#include "engine/Random.h"
#include "shell/Dispatcher.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

Picture1::Picture1(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

// Only the changed parts are painted and sent to the screen, each as a rectangle of its
// own: sending the rectangle around scattered parts costs this process no less.
void Picture1::Show(const QRegion& changed) { update(changed); }

void Picture1::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    PaintSurface(painter, Drawing().SpeedBuffer, event->region());
}

// On a high-density screen the surface is stretched to the window's size there: filtered,
// not blocky. At a ratio of 1 nothing is stretched and every pixel stays as drawn, and
// each changed part is copied on its own: the painter copies through a clip of many
// parts as slowly as the whole. The surface is opaque where drawn, so copying gives what
// blending would.
void PaintSurface(QPainter& painter, const QImage& surface, const QRegion& changed) {
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    if (painter.device()->devicePixelRatio() != 1.0) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(0, 0, surface);
        return;
    }
    for (const QRect& part : changed)
        painter.drawImage(part.topLeft(), surface, part);
}

namespace {

int16_t Coordinate(qreal value) { return static_cast<int16_t>(RoundHalfEven(value)); }

} // namespace

void Picture1::mouseMoveEvent(QMouseEvent* event) {
    DispatchMouseMove(Coordinate(event->position().x()), Coordinate(event->position().y()));
}

// Only the left, right and middle buttons count; side buttons do nothing.
void Picture1::mousePressEvent(QMouseEvent* event) {
    if (const int16_t button = MouseButtonFor(event->button())) DispatchMouseDown(button);
}

void Picture1::mouseReleaseEvent(QMouseEvent* event) {
    if (MouseButtonFor(event->button()) != 0) DispatchMouseUp();
}

void Picture1::keyPressEvent(QKeyEvent* event) {
    DispatchKeyDown(KeyCodeFor(event->key()), ShiftStateFor(event->modifiers()));
    const QString text = event->text();
    if (!text.isEmpty()) PressNumber(static_cast<int16_t>(text.at(0).unicode() - 48));
}

// A held key repeats as release and press pairs; only the real release lets go of it.
void Picture1::keyReleaseEvent(QKeyEvent* event) {
    if (!event->isAutoRepeat()) DispatchKeyUp();
}

// Tab must not move the keyboard focus off the drawing area.
bool Picture1::focusNextPrevChild(bool) { return false; }

int16_t KeyCodeFor(int qtKey) {
    switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return KeyEnter;
    case Qt::Key_Pause: return KeyPause;
    case Qt::Key_Escape: return KeyEscape;
    case Qt::Key_Space: return KeySpace;
    case Qt::Key_Left: return KeyLeft;
    case Qt::Key_Up: return KeyUp;
    case Qt::Key_Right: return KeyRight;
    case Qt::Key_Down: return KeyDown;
    default: break;
    }
    // Letters and digits share their codes with the upper-case characters.
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)) {
        return static_cast<int16_t>(qtKey);
    }
    return 0;
}

int16_t ShiftStateFor(Qt::KeyboardModifiers modifiers) {
    int16_t shift = 0;
    if (modifiers & Qt::ShiftModifier) shift |= ShiftKey;
    if (modifiers & Qt::ControlModifier) shift |= CtrlKey;
    if (modifiers & Qt::AltModifier) shift |= AltKey;
    return shift;
}

int16_t MouseButtonFor(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
    }
}
