#include "results/ui/colour_legend.h"

#include <QPainter>

namespace kelvane {

namespace {

constexpr int kWidth = 155;
constexpr int kHeight = 40;
constexpr int kBands = 6;
constexpr int kFirstBandEntry = 11; // contour colours are ColourTable entries 11..16
constexpr int kBarTop = 18;

} // namespace

ColourLegend::ColourLegend(const ColourTable& colours, QWidget* parent) : QWidget(parent), colours_(colours) {
    setFixedSize(kWidth, kHeight);
}

void ColourLegend::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(Qt::black);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(12);
    painter.setFont(font);
    const QRect labels(2, 0, kWidth - 4, kBarTop);
    painter.drawText(labels, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("min"));
    painter.drawText(labels, Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("max"));
    // Six equal boxes across the whole width; the last takes what integer division leaves.
    for (int band = 0; band < kBands; ++band) {
        const int left = band * kWidth / kBands;
        const int right = (band + 1) * kWidth / kBands;
        const std::int32_t colour = colours_[kFirstBandEntry + band];
        painter.setBrush(QColor(redOf(colour), greenOf(colour), blueOf(colour)));
        painter.drawRect(left, kBarTop, right - left - 1, kHeight - kBarTop - 1);
    }
}

} // namespace kelvane
