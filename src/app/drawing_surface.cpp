#include "app/drawing_surface.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>

namespace kelvane {

DrawingSurface::DrawingSurface(QWidget* parent) : QWidget(parent), canvas_(1, 1) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setMinimumSize(1, 1);
}

void DrawingSurface::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.drawImage(0, 0, canvas_.image());
}

void DrawingSurface::resizeEvent(QResizeEvent*) {
    const int w = std::max(1, width());
    const int h = std::max(1, height());
    if (w == canvas_.width() && h == canvas_.height())
        return;
    canvas_.resize(w, h);
    emit resized();
}

void DrawingSurface::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    emit mousePressed(event->button(), at.x(), at.y());
}

void DrawingSurface::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    emit mouseMoved(at.x(), at.y());
}

void DrawingSurface::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    emit mouseReleased(at.x(), at.y());
}

void DrawingSurface::wheelEvent(QWheelEvent* event) {
    emit wheelTurned(event->angleDelta().y());
    event->accept();
}

} // namespace kelvane
