#include "common/number_format.h"
#include "model/colour_table.h"
#include "viewer/scene_access.h"
#include "viewer/scene_layers.h"

#include <algorithm>

namespace kelvane {

void DrawNodes(Canvas& canvas, const ModelStore& model) {
    canvas.setBrushStyle(BrushStyle::Solid);
    canvas.setBrushColour(rgb(0, 0, 255));
    canvas.setPenStyle(PenStyle::Clear);
    const int count = jointCount(model);
    for (int k = 1; k <= count; ++k) {
        const TNODE& node = model.nodes[static_cast<std::size_t>(k)];
        canvas.ellipse(node.ScreenX - 4, node.ScreenY - 4, node.ScreenX + 4, node.ScreenY + 4);
    }
}

void DrawSupports(Canvas& canvas, const ModelStore& model, const ColourTable& colours) {
    canvas.setBrushStyle(BrushStyle::Solid);
    canvas.setPenStyle(PenStyle::Clear);
    const int count = jointCount(model);
    for (int k = 1; k <= count; ++k) {
        const TNODE& node = model.nodes[static_cast<std::size_t>(k)];
        int restrained = 0;
        for (int dof = 1; dof <= 6; ++dof)
            restrained += node.restraint[static_cast<std::size_t>(dof)] != 0 ? 1 : 0;
        if (restrained == 0)
            continue;
        canvas.setBrushColour(colours[restrained]);
        canvas.rectangle(node.ScreenX - 5, node.ScreenY - 5, node.ScreenX + 5, node.ScreenY + 5);
    }
}

void DrawNodeLabels(Canvas& canvas, const ModelStore& model) {
    canvas.setBrushStyle(BrushStyle::Solid);
    canvas.setBrushColour(rgb(255, 255, 0));
    canvas.setFontColour(kBlack);
    canvas.setFontSize(10);
    const int count = jointCount(model);
    for (int k = 1; k <= count; ++k) {
        const TNODE& node = model.nodes[static_cast<std::size_t>(k)];
        canvas.textOut(node.ScreenX, node.ScreenY, labelOrNumber(node.label, k));
    }
}

void DrawDiaphragms(Canvas& canvas, const ModelStore& model) {
    canvas.setPenStyle(PenStyle::Solid);
    canvas.setPenWidth(1);
    canvas.setPenColour(rgb(128, 128, 128));
    const int count = boundedCount(model.diaphragmCount, model.diaphragms.size());
    for (int d = 1; d <= count; ++d) {
        const TDIAPH& diaphragm = model.diaphragms[static_cast<std::size_t>(d)];
        Point master;
        if (!jointPoint(model, diaphragm.master, master))
            continue;
        const int members = boundedCount(diaphragm.slaveCount, diaphragm.members.size());
        for (int m = 1; m <= members; ++m) {
            Point member;
            if (jointPoint(model, diaphragm.members[static_cast<std::size_t>(m)], member))
                drawLine(canvas, master, member);
        }
    }
}

} // namespace kelvane
