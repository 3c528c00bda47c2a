#pragma once

#include "results/curve_chart.h"

#include <QImage>
#include <QWidget>

#include <string>
#include <vector>

namespace kelvane {

// Shows a chart of results/curve_chart.h, drawn afresh at the widget's size: the same picture
// `kelvane-cli plot` and `batch collect` write.
class ChartPicture : public QWidget {
    Q_OBJECT
  public:
    explicit ChartPicture(QWidget* parent = nullptr);

    // One curve as a line or bars.
    void showCurve(const Curve& curve, ChartKind kind);
    // A family of curves with a legend.
    void showCurves(const std::string& title, std::vector<Curve> curves);

    const std::string& title() const { return title_; }
    const std::vector<Curve>& curves() const { return curves_; }
    ChartKind kind() const { return kind_; }
    // The picture as the widget shows it now.
    QImage picture() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::string title_;
    std::vector<Curve> curves_;
    ChartKind kind_ = ChartKind::Line;
    bool family_ = false;
};

} // namespace kelvane
