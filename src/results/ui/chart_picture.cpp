#include "results/ui/chart_picture.h"

#include "paint/curve_picture.h"

#include <QPainter>

#include <algorithm>

namespace kelvane {

ChartPicture::ChartPicture(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ChartPicture::showCurve(const Curve& curve, ChartKind kind) {
    title_ = curve.title;
    curves_ = {curve};
    kind_ = kind;
    family_ = false;
    update();
}

void ChartPicture::showCurves(const std::string& title, std::vector<Curve> curves) {
    title_ = title;
    curves_ = std::move(curves);
    kind_ = ChartKind::Line;
    family_ = true;
    update();
}

QImage ChartPicture::picture() const {
    const int w = std::max(width(), 1), h = std::max(height(), 1);
    if (family_)
        return renderCurvesChart(title_, curves_, w, h);
    if (curves_.empty()) {
        Curve empty;
        empty.title = title_;
        return renderCurveChart(empty, kind_, w, h);
    }
    return renderCurveChart(curves_.front(), kind_, w, h);
}

void ChartPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, picture());
}

} // namespace kelvane
