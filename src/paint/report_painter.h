#pragma once

#include "model/colour_table.h"
#include "report/report_builder.h"

// The report's pictures painted with Qt: charts and the model in a 3-D view, as PNG bytes.
namespace kelvane {

class QtReportPainter : public ReportPainter {
  public:
    QtReportPainter(const ColourTable& colours, int width, int height)
        : colours_(colours), width_(width), height_(height) {}
    std::string chart(const Curve& curve, ChartKind kind) override;
    std::string model(ModelStore& store, const ResultDisplay& results) override;

  private:
    const ColourTable& colours_;
    int width_;
    int height_;
};

} // namespace kelvane
