#pragma once

#include "paint/painter_canvas.h"

#include <QSaveFile>
#include <QSvgGenerator>

#include <string>

namespace kelvane {

// The Canvas written as an SVG picture of width x height pixels. The file is written through a
// temporary one: commit() ends the picture and puts it in place, so a failed or abandoned picture
// leaves an earlier file whole.
class SvgCanvas : public PainterCanvas {
  public:
    // Raises "Cannot create file "%s". %s" when the file cannot be written.
    SvgCanvas(const std::string& path, int width, int height);
    ~SvgCanvas() override;

    void commit();

  private:
    std::string path_;
    QSaveFile file_;
    QSvgGenerator generator_;
    bool committed_ = false;
};

} // namespace kelvane
