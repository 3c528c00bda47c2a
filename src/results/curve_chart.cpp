#include "results/curve_chart.h"

#include "common/number_format.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iterator>

namespace kelvane {
namespace {

constexpr const char* kFace = "Arial";
constexpr int kTitlePoints = 12;
constexpr int kLabelPoints = 9;
constexpr std::int32_t kWhite = 0xFFFFFF;
constexpr std::int32_t kBlack = 0x000000;
constexpr std::int32_t kGrid = 0xDCDCDC;
constexpr std::int32_t kLine = 0x0046A0;
constexpr std::size_t kMostPointsWithMarkers = 40;

// Colours that stay apart on white and from one another, taken in turn.
constexpr std::int32_t kFamilyColours[] = {0x0046A0, 0xC83C14, 0x148C3C, 0x8C28A0, 0xD29600,
                                           0x0096AA, 0x785028, 0xE63C8C, 0x5A5A5A};

int pixelsOf(int points) {
    return (points * 96 + 36) / 72;
}
// The canvas cannot measure text: an average glyph is taken as 0.6 of the font's pixel size, which
// errs on the wide side for the usual sans-serif faces.
int textWidth(const std::string& text, int points) {
    return static_cast<int>(std::lround(0.6 * pixelsOf(points) * static_cast<double>(text.size())));
}
int textHeight(int points) {
    return pixelsOf(points) * 5 / 4;
}

void setFont(Canvas& canvas, int points) {
    canvas.setFontName(kFace);
    canvas.setFontSize(points);
    canvas.setFontColour(kBlack);
    canvas.setBrushStyle(BrushStyle::Clear);
}

void line(Canvas& canvas, int x0, int y0, int x1, int y1) {
    canvas.moveTo(x0, y0);
    canvas.lineTo(x1, y1);
}

// The plot area and the mapping of values onto it.
struct Plot {
    int left = 0, top = 0, right = 0, bottom = 0;
    ChartAxis x, y;
    int px(double value) const {
        return left + static_cast<int>(std::lround((value - x.first) / (x.last - x.first) * (right - left)));
    }
    int py(double value) const {
        return bottom -
               static_cast<int>(std::lround((value - y.first) / (y.last - y.first) * (bottom - top)));
    }
};

std::vector<std::string> tickLabels(const ChartAxis& axis) {
    std::vector<std::string> labels;
    const long steps = std::lround((axis.last - axis.first) / axis.step);
    for (long i = 0; i <= steps; ++i)
        labels.push_back(chartTickLabel(axis.first + static_cast<double>(i) * axis.step, axis.decimals));
    return labels;
}

// White background, the title centred on top, and the plot area left by the axes' labels and
// titles (and a legend `legendWidth` wide at the right).
Plot layOut(Canvas& canvas, const std::string& title, const std::string& xTitle, const std::string& yTitle,
            const ChartAxis& x, const ChartAxis& y, int legendWidth) {
    canvas.setPenStyle(PenStyle::Clear);
    canvas.setBrushStyle(BrushStyle::Solid);
    canvas.setBrushColour(kWhite);
    canvas.rectangle(0, 0, canvas.width(), canvas.height());
    setFont(canvas, kTitlePoints);
    canvas.textOut(std::max(4, (canvas.width() - textWidth(title, kTitlePoints)) / 2), 8, title);

    std::size_t widest = 0;
    for (const std::string& label : tickLabels(y))
        widest = std::max(widest, label.size());
    const int labelHeight = textHeight(kLabelPoints);
    Plot plot;
    plot.x = x;
    plot.y = y;
    plot.left = 16 + textWidth(std::string(widest, '0'), kLabelPoints) + 8;
    plot.top = 8 + textHeight(kTitlePoints) + 8 + labelHeight + 8;
    plot.right = std::max(plot.left + 10, canvas.width() - 24 - legendWidth);
    plot.bottom = std::max(plot.top + 10, canvas.height() - (8 + labelHeight + 8 + labelHeight + 12));

    setFont(canvas, kLabelPoints);
    // The value axis's title stands above it, the other's below its labels, centred.
    canvas.textOut(std::max(4, plot.left - 8 - textWidth(std::string(widest, '0'), kLabelPoints)),
                   plot.top - labelHeight - 8, yTitle);
    canvas.textOut(std::max(4, (plot.left + plot.right - textWidth(xTitle, kLabelPoints)) / 2),
                   plot.bottom + 8 + labelHeight + 8, xTitle);
    return plot;
}

void drawValueGrid(Canvas& canvas, const Plot& plot, bool vertical) {
    const ChartAxis& axis = vertical ? plot.x : plot.y;
    const std::vector<std::string> labels = tickLabels(axis);
    const int labelHeight = textHeight(kLabelPoints);
    for (std::size_t i = 0; i < labels.size(); ++i) {
        const double value = axis.first + static_cast<double>(i) * axis.step;
        canvas.setPenStyle(PenStyle::Solid);
        canvas.setPenWidth(1);
        canvas.setPenColour(kGrid);
        setFont(canvas, kLabelPoints);
        if (vertical) {
            const int at = plot.px(value);
            line(canvas, at, plot.top, at, plot.bottom);
            canvas.textOut(at - textWidth(labels[i], kLabelPoints) / 2, plot.bottom + 6, labels[i]);
        } else {
            const int at = plot.py(value);
            line(canvas, plot.left, at, plot.right, at);
            canvas.textOut(plot.left - 6 - textWidth(labels[i], kLabelPoints), at - labelHeight / 2,
                           labels[i]);
        }
    }
}

void drawFrame(Canvas& canvas, const Plot& plot) {
    canvas.setPenStyle(PenStyle::Solid);
    canvas.setPenWidth(1);
    canvas.setPenColour(kBlack);
    canvas.setBrushStyle(BrushStyle::Clear);
    canvas.rectangle(plot.left, plot.top, plot.right + 1, plot.bottom + 1);
}

void drawMarker(Canvas& canvas, int x, int y, std::int32_t colour) {
    canvas.setPenStyle(PenStyle::Clear);
    canvas.setBrushStyle(BrushStyle::Solid);
    canvas.setBrushColour(colour);
    canvas.ellipse(x - 3, y - 3, x + 4, y + 4);
}

// The points from `first` to `end` joined by a line, each marked when `markers`.
void drawPolyline(Canvas& canvas, const Plot& plot, const Curve& curve, std::size_t first, std::size_t end,
                  std::int32_t colour, bool markers) {
    const std::size_t points = std::min({end, curve.x.size(), curve.y.size()});
    canvas.setPenStyle(PenStyle::Solid);
    canvas.setPenWidth(2);
    canvas.setPenColour(colour);
    for (std::size_t i = first; i < points; ++i) {
        const int x = plot.px(curve.x[i]), y = plot.py(curve.y[i]);
        if (i == first)
            canvas.moveTo(x, y);
        else
            canvas.lineTo(x, y);
    }
    if (markers)
        for (std::size_t i = first; i < points; ++i)
            drawMarker(canvas, plot.px(curve.x[i]), plot.py(curve.y[i]), colour);
    canvas.setPenStyle(PenStyle::Solid);
}

void drawLineChart(Canvas& canvas, const Curve& curve) {
    const Plot plot = layOut(canvas, curve.title, curve.xTitle, curve.yTitle, chartAxis(curve.x, false),
                             chartAxis(curve.y, false), 0);
    drawValueGrid(canvas, plot, true);
    drawValueGrid(canvas, plot, false);
    drawFrame(canvas, plot);
    std::vector<std::size_t> starts = curve.stageStarts;
    starts.push_back(curve.x.size());
    std::size_t first = 0;
    for (const std::size_t end : starts) {
        drawPolyline(canvas, plot, curve, first, end, kLine, curve.x.size() <= kMostPointsWithMarkers);
        first = end;
    }
}

// One bar per point, in slots of equal width along the bottom, each labelled with its x.
void drawBarChart(Canvas& canvas, const Curve& curve) {
    const std::size_t bars = std::min(curve.x.size(), curve.y.size());
    ChartAxis slots;
    slots.first = 0;
    slots.last = static_cast<double>(std::max<std::size_t>(bars, 1));
    const Plot plot =
        layOut(canvas, curve.title, curve.xTitle, curve.yTitle, slots, chartAxis(curve.y, true), 0);
    drawValueGrid(canvas, plot, false);
    for (std::size_t i = 0; i < bars; ++i) {
        const int left = plot.px(static_cast<double>(i) + 0.2), right = plot.px(static_cast<double>(i) + 0.8);
        const int top = plot.py(std::max(curve.y[i], 0.0)), bottom = plot.py(std::min(curve.y[i], 0.0));
        canvas.setPenStyle(PenStyle::Clear);
        canvas.setBrushStyle(BrushStyle::Solid);
        canvas.setBrushColour(kLine);
        canvas.rectangle(left, top, std::max(right, left + 1), std::max(bottom, top + 1));
        const std::string label = formatGeneral(curve.x[i]);
        setFont(canvas, kLabelPoints);
        canvas.textOut((left + right - textWidth(label, kLabelPoints)) / 2, plot.bottom + 6, label);
    }
    drawFrame(canvas, plot);
}

} // namespace

ChartAxis chartAxis(const std::vector<double>& values, bool fromZero) {
    double low = 0.0, high = 0.0;
    bool any = false;
    for (const double value : values)
        if (std::isfinite(value)) {
            low = any ? std::min(low, value) : value;
            high = any ? std::max(high, value) : value;
            any = true;
        }
    if (fromZero) {
        low = std::min(0.0, low);
        high = std::max(0.0, high);
    }
    if (!(high - low > 1e-12 * std::max(std::abs(low), std::abs(high)))) {
        // A constant series still needs an axis with a length.
        const double half = low == 0 ? 1.0 : std::abs(low) * 0.5;
        low -= half;
        high += half;
    }
    const double rough = (high - low) / 8;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    const double scaled = rough / power;
    ChartAxis axis;
    axis.step = (scaled <= 1 ? 1 : scaled <= 2 ? 2 : scaled <= 5 ? 5 : 10) * power;
    axis.first = std::floor(low / axis.step + 1e-9) * axis.step;
    axis.last = std::ceil(high / axis.step - 1e-9) * axis.step;
    axis.decimals = axis.step >= 1 ? 0 : static_cast<int>(std::ceil(-std::log10(axis.step) - 1e-9));
    return axis;
}

std::string chartTickLabel(double value, int decimals) {
    std::string text = formatF(value, decimals);
    const bool negative = !text.empty() && text.front() == '-';
    const std::size_t digitsStart = negative ? 1 : 0;
    std::size_t digitsEnd = text.find('.');
    if (digitsEnd == std::string::npos)
        digitsEnd = text.size();
    for (std::size_t at = digitsEnd; at > digitsStart + 3; at -= 3)
        text.insert(at - 3, 1, ' ');
    return text;
}

void drawCurveChart(Canvas& canvas, const Curve& curve, ChartKind kind) {
    if (kind == ChartKind::Bars)
        drawBarChart(canvas, curve);
    else
        drawLineChart(canvas, curve);
}

void drawCurvesChart(Canvas& canvas, const std::string& title, const std::vector<Curve>& curves) {
    std::vector<double> xs, ys;
    std::size_t longestName = 0;
    for (const Curve& curve : curves) {
        xs.insert(xs.end(), curve.x.begin(), curve.x.end());
        ys.insert(ys.end(), curve.y.begin(), curve.y.end());
        longestName = std::max(longestName, curve.title.size());
    }
    const Curve none;
    const Curve& first = curves.empty() ? none : curves.front();
    const int legendWidth = curves.empty() ? 0 : 36 + textWidth(std::string(longestName, 'x'), kLabelPoints);
    const Plot plot = layOut(canvas, title, first.xTitle, first.yTitle, chartAxis(xs, true),
                             chartAxis(ys, true), legendWidth);
    drawValueGrid(canvas, plot, true);
    drawValueGrid(canvas, plot, false);
    drawFrame(canvas, plot);
    const int rowHeight = textHeight(kLabelPoints) + 4;
    for (std::size_t c = 0; c < curves.size(); ++c) {
        const std::int32_t colour = kFamilyColours[c % std::size(kFamilyColours)];
        drawPolyline(canvas, plot, curves[c], 0, curves[c].x.size(), colour, true);
        const int rowTop = plot.top + static_cast<int>(c) * rowHeight;
        const int lineY = rowTop + rowHeight / 2;
        canvas.setPenColour(colour);
        canvas.setPenWidth(2);
        line(canvas, plot.right + 16, lineY, plot.right + 36, lineY);
        setFont(canvas, kLabelPoints);
        canvas.textOut(plot.right + 40, rowTop, curves[c].title);
    }
}

} // namespace kelvane
