#include "common/error.h"
#include "gui_application.h"
#include "model/colour_table.h"
#include "paint/model_render.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <QImage>

namespace kelvane {
namespace {

// A one-bay frame in the XZ plane: joint 1 fully fixed, joint 2 pinned in translation.
ModelStore portalFrame() {
    ModelStore model;
    model.nodes.resize(5);
    model.nodeCount = 4;
    model.nodes[2].x = 3000;
    model.nodes[3].z = 3000;
    model.nodes[4].x = 3000;
    model.nodes[4].z = 3000;
    for (int dof = 1; dof <= 6; ++dof)
        model.nodes[1].restraint[static_cast<std::size_t>(dof)] = 1;
    for (int dof = 1; dof <= 3; ++dof)
        model.nodes[2].restraint[static_cast<std::size_t>(dof)] = 1;
    model.frameSections.resize(3);
    model.frameSectionCount = 2;
    model.frameSections[1].colour = rgb(237, 27, 35);
    model.frameSections[1].elementType = ElasticBeamColumn;
    model.frameSections[2].colour = rgb(0, 94, 31);
    model.frameSections[2].elementType = ElasticBeamColumn;
    model.frames.resize(4);
    model.frameCount = 3;
    const int ends[4][3] = {{}, {1, 1, 3}, {1, 2, 4}, {2, 3, 4}};
    for (int k = 1; k <= 3; ++k) {
        model.frames[static_cast<std::size_t>(k)].section = ends[k][0];
        model.frames[static_cast<std::size_t>(k)].nodeI = ends[k][1];
        model.frames[static_cast<std::size_t>(k)].nodeJ = ends[k][2];
    }
    return model;
}

struct ModelRender : test::WithGuiApplication, ::testing::Test {
    ModelStore model = portalFrame();
    ColourTable colours = initPalette();

    static std::int32_t colourAt(const QImage& image, int x, int y) {
        return static_cast<std::int32_t>(image.pixel(x, y) & 0xFFFFFF);
    }
};

TEST_F(ModelRender, ElevationShowsBorderSupportsFramesAndWhiteSpace) {
    const QImage image = renderModelView(model, colours, StandardView::XZ, 400, 300);
    ASSERT_EQ(image.size(), QSize(400, 300));
    for (QPoint border : {QPoint(0, 150), QPoint(399, 150), QPoint(200, 0), QPoint(200, 299)})
        EXPECT_EQ(colourAt(image, border.x(), border.y()), 0) << border.x() << "," << border.y();

    const TNODE& fixed = model.nodes[1];
    const TNODE& pinned = model.nodes[2];
    const TNODE& top = model.nodes[3];
    // Fitted and centred: 3000 units across 80 % of the height, +Z up.
    EXPECT_EQ(fixed.ScreenY - top.ScreenY, 240);
    EXPECT_NEAR((fixed.ScreenX + pinned.ScreenX) / 2.0, 200, 1);

    // Squares of 10 x 10 pixels over the joint dots (the frames are drawn over them afterwards):
    // magenta for six restraints, black for three.
    for (QPoint corner : {QPoint(-5, -5), QPoint(4, -5), QPoint(-5, 4), QPoint(4, 4)}) {
        EXPECT_EQ(colourAt(image, fixed.ScreenX + corner.x(), fixed.ScreenY + corner.y()), rgb(255, 0, 255));
        EXPECT_EQ(colourAt(image, pinned.ScreenX + corner.x(), pinned.ScreenY + corner.y()), 0);
    }
    EXPECT_EQ(colourAt(image, fixed.ScreenX - 6, fixed.ScreenY), 0xFFFFFF);
    EXPECT_EQ(colourAt(image, fixed.ScreenX, fixed.ScreenY + 5), 0xFFFFFF);

    // The free joints keep their blue dots; the frames run in their section colours between them.
    EXPECT_EQ(colourAt(image, top.ScreenX - 3, top.ScreenY + 2), rgb(0, 0, 255));
    const int columnY = (fixed.ScreenY + top.ScreenY) / 2;
    EXPECT_EQ(colourAt(image, fixed.ScreenX, columnY), rgb(237, 27, 35));
    EXPECT_EQ(colourAt(image, (top.ScreenX + model.nodes[4].ScreenX) / 2, top.ScreenY), rgb(0, 94, 31));
    EXPECT_EQ(colourAt(image, (fixed.ScreenX + pinned.ScreenX) / 2, columnY), 0xFFFFFF);
}

TEST_F(ModelRender, EmptyModelIsTheBackgroundWithItsTitle) {
    ModelStore empty;
    const QImage image = renderModelView(empty, colours, StandardView::XY, 300, 200);
    int black = 0;
    for (int y = 1; y < 199; ++y)
        for (int x = 1; x < 299; ++x)
            black += colourAt(image, x, y) == 0 ? 1 : 0;
    EXPECT_GT(black, 20); // the title block's letters
    for (int y = 80; y < 199; ++y)
        for (int x = 1; x < 299; ++x)
            ASSERT_EQ(colourAt(image, x, y), 0xFFFFFF) << x << "," << y;
}

TEST_F(ModelRender, SavedPictureReadsBackAndAFailedSaveNamesTheFile) {
    test::TempDir folder;
    const QImage image = renderModelView(model, colours, StandardView::YZ, 120, 90);
    const std::string path = folder.file("view.png");
    savePng(image, path);
    const QImage back(QString::fromStdString(path));
    ASSERT_FALSE(back.isNull());
    EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32), image);

    const std::string unwritable = folder.file("missing-folder/view.png");
    try {
        savePng(image, unwritable);
        FAIL() << "no error";
    } catch (const KelvaneError& error) {
        EXPECT_EQ(std::string(error.what()).rfind("Cannot create file \"" + unwritable + "\". ", 0), 0u)
            << error.what();
    }
}

} // namespace
} // namespace kelvane
