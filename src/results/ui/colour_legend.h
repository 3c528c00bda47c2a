#pragma once

#include "model/colour_table.h"

#include <QWidget>

namespace kelvane {

// The contour legend of the deformation window, 155 x 40 pixels: "min" at the left end and "max"
// at the right end over six equal boxes in the contour colours, lowest first.
class ColourLegend : public QWidget {
    Q_OBJECT
  public:
    explicit ColourLegend(const ColourTable& colours, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const ColourTable& colours_;
};

} // namespace kelvane
