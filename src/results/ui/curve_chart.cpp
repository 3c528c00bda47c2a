#include "results/ui/curve_chart.h"

#include "common/error.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QFile>
#include <QGraphicsScene>
#include <QImage>
#include <QLegend>
#include <QLineSeries>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace kelvane {
namespace {

// Core texts are 8-bit byte strings, shown as Latin-1.
QString text(const std::string& bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

// Few points are easier to read with their markers; a long history is a line.
constexpr std::size_t kMostPointsWithMarkers = 40;

// An axis from a round number below the values to one above them, in 4 to 16 steps of 1, 2 or 5
// times a power of ten, its labels with as many decimals as the step needs.
QValueAxis* valueAxis(const std::string& title, const std::vector<double>& values, bool fromZero) {
    auto* axis = new QValueAxis;
    axis->setTitleText(text(title));
    double low = 0.0, high = 0.0;
    if (!values.empty()) {
        const auto [minimum, maximum] = std::minmax_element(values.begin(), values.end());
        low = fromZero ? std::min(0.0, *minimum) : *minimum;
        high = fromZero ? std::max(0.0, *maximum) : *maximum;
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
    const double step = (scaled <= 1 ? 1 : scaled <= 2 ? 2 : scaled <= 5 ? 5 : 10) * power;
    const double first = std::floor(low / step + 1e-9) * step;
    const double last = std::ceil(high / step - 1e-9) * step;
    axis->setRange(first, last);
    axis->setTickCount(static_cast<int>(std::lround((last - first) / step)) + 1);
    const int decimals = step >= 1 ? 0 : static_cast<int>(std::ceil(-std::log10(step) - 1e-9));
    axis->setLabelFormat(QStringLiteral("%.") + QString::number(decimals) + QStringLiteral("f"));
    return axis;
}

// One line per stage of the analysis, all alike.
void addLine(QChart& chart, const Curve& curve) {
    QValueAxis* x = valueAxis(curve.xTitle, curve.x, false);
    QValueAxis* y = valueAxis(curve.yTitle, curve.y, false);
    chart.addAxis(x, Qt::AlignBottom);
    chart.addAxis(y, Qt::AlignLeft);
    QPen pen(QColor(0, 70, 160));
    pen.setWidthF(2.0);
    std::vector<std::size_t> starts = curve.stageStarts;
    starts.push_back(curve.x.size());
    std::size_t first = 0;
    for (const std::size_t end : starts) {
        auto* series = new QLineSeries;
        for (std::size_t i = first; i < end; ++i)
            series->append(curve.x[i], curve.y[i]);
        series->setPointsVisible(curve.x.size() <= kMostPointsWithMarkers);
        series->setPen(pen);
        chart.addSeries(series);
        series->attachAxis(x);
        series->attachAxis(y);
        first = end;
    }
}

void addBars(QChart& chart, const Curve& curve) {
    auto* set = new QBarSet(text(curve.yTitle));
    set->setColor(QColor(0, 70, 160));
    QStringList categories;
    for (std::size_t i = 0; i < curve.x.size(); ++i) {
        *set << curve.y[i];
        categories << QString::number(curve.x[i], 'g', 15);
    }
    auto* series = new QBarSeries;
    series->append(set);
    chart.addSeries(series);
    auto* x = new QBarCategoryAxis;
    x->append(categories);
    x->setTitleText(text(curve.xTitle));
    QValueAxis* y = valueAxis(curve.yTitle, curve.y, true);
    chart.addAxis(x, Qt::AlignBottom);
    chart.addAxis(y, Qt::AlignLeft);
    series->attachAxis(x);
    series->attachAxis(y);
}

// Colours that stay apart on white and from one another, taken in turn.
QColor familyColour(std::size_t index) {
    static const QColor colours[] = {QColor(0, 70, 160),   QColor(200, 60, 20),  QColor(20, 140, 60),
                                     QColor(140, 40, 160), QColor(210, 150, 0),  QColor(0, 150, 170),
                                     QColor(120, 80, 40),  QColor(230, 60, 140), QColor(90, 90, 90)};
    return colours[index % std::size(colours)];
}

void addFamily(QChart& chart, const std::vector<Curve>& curves) {
    std::vector<double> xs, ys;
    for (const Curve& curve : curves) {
        xs.insert(xs.end(), curve.x.begin(), curve.x.end());
        ys.insert(ys.end(), curve.y.begin(), curve.y.end());
    }
    const Curve none;
    const Curve& first = curves.empty() ? none : curves.front();
    QValueAxis* x = valueAxis(first.xTitle, xs, true);
    QValueAxis* y = valueAxis(first.yTitle, ys, true);
    chart.addAxis(x, Qt::AlignBottom);
    chart.addAxis(y, Qt::AlignLeft);
    for (std::size_t c = 0; c < curves.size(); ++c) {
        auto* series = new QLineSeries;
        series->setName(text(curves[c].title));
        for (std::size_t i = 0; i < curves[c].x.size(); ++i)
            series->append(curves[c].x[i], curves[c].y[i]);
        QPen pen(familyColour(c));
        pen.setWidthF(2.0);
        series->setPen(pen);
        series->setPointsVisible(true);
        chart.addSeries(series);
        series->attachAxis(x);
        series->attachAxis(y);
    }
}

std::unique_ptr<QChart> titledChart(const std::string& title) {
    auto chart = std::make_unique<QChart>();
    chart->setTitle(text(title));
    QFont font = chart->titleFont();
    font.setPointSizeF(font.pointSizeF() * 1.3);
    font.setBold(true);
    chart->setTitleFont(font);
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setBackgroundRoundness(0);
    return chart;
}

QImage renderChart(QChart& chart, QSize size) {
    QGraphicsScene scene;
    scene.addItem(&chart);
    chart.setGeometry(QRectF(QPointF(0, 0), QSizeF(size)));
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        scene.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)), QRectF(QPointF(0, 0), QSizeF(size)));
    }
    scene.removeItem(&chart);
    return image;
}

void renderSvg(QChart& chart, QSize size, QIODevice& device, const QString& title) {
    QGraphicsScene scene;
    scene.addItem(&chart);
    chart.setGeometry(QRectF(QPointF(0, 0), QSizeF(size)));
    QSvgGenerator svg;
    svg.setOutputDevice(&device);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(title);
    {
        QPainter painter(&svg);
        scene.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)), QRectF(QPointF(0, 0), QSizeF(size)));
    }
    scene.removeItem(&chart);
}

std::string bytesOf(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

} // namespace

std::unique_ptr<QChart> makeCurveChart(const Curve& curve, ChartKind kind) {
    auto chart = titledChart(curve.title);
    chart->legend()->hide();
    if (kind == ChartKind::Bars)
        addBars(*chart, curve);
    else
        addLine(*chart, curve);
    return chart;
}

bool isCurvePicturePath(const QString& path) {
    return path.endsWith(QLatin1String(".png"), Qt::CaseInsensitive) ||
           path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive);
}

std::unique_ptr<QChart> makeCurvesChart(const std::string& title, const std::vector<Curve>& curves) {
    auto chart = titledChart(title);
    chart->legend()->setAlignment(Qt::AlignRight);
    addFamily(*chart, curves);
    return chart;
}

namespace {

void saveChartPicture(QChart& chart, const std::string& title, const QString& path, QSize size) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        fail(cannotCreateFileMessage(bytesOf(path), file.errorString().toStdString()));
    if (path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
        renderSvg(chart, size, file, QString::fromStdString(title));
    } else if (!renderChart(chart, size).save(&file, "PNG")) {
        file.cancelWriting();
        fail(cannotCreateFileMessage(bytesOf(path), "the picture could not be encoded"));
    }
    if (!file.commit())
        fail(cannotCreateFileMessage(bytesOf(path), file.errorString().toStdString()));
}

} // namespace

void saveCurvePicture(const Curve& curve, ChartKind kind, const QString& path, QSize size) {
    if (!isCurvePicturePath(path))
        fail("A curve picture is saved as .png or .svg, not as \"" + bytesOf(path) + "\"");
    const std::unique_ptr<QChart> chart = makeCurveChart(curve, kind);
    saveChartPicture(*chart, curve.title, path, size);
}

void saveCurvesPicture(const std::string& title, const std::vector<Curve>& curves, const QString& path,
                       QSize size) {
    if (!isCurvePicturePath(path))
        fail("A curve picture is saved as .png or .svg, not as \"" + bytesOf(path) + "\"");
    const std::unique_ptr<QChart> chart = makeCurvesChart(title, curves);
    saveChartPicture(*chart, title, path, size);
}

} // namespace kelvane
