#pragma once

#include <QImage>
#include <QPainter>
#include <QWidget>

// The drawing area: shows the game's surface and passes every pointer and key event on.
class Picture1 : public QWidget {
    Q_OBJECT
public:
    explicit Picture1(QWidget* parent);
    // Repaints what changed of the surface.
    void Show(const QRegion& changed);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;
};

// The changed part of the game's surface at the painter's origin, as the drawing area
// shows it on a screen of the painter's pixel ratio.
void PaintSurface(QPainter& painter, const QImage& surface, const QRegion& changed);

// Qt's key and modifier values in the codes the game's dispatcher expects.
int16_t KeyCodeFor(int qtKey);
int16_t ShiftStateFor(Qt::KeyboardModifiers modifiers);
int16_t MouseButtonFor(Qt::MouseButton button);
