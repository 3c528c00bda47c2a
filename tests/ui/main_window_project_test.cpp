// File > Save Project and Open Project: the user's work back after a restart.
#include "materials/material_defaults.h"
#include "ui/main_window_fixture.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace kelvane {
namespace {

class ProjectCommandTest : public test::MainWindowFixture {
  protected:
    void trigger(const char* entry) {
        for (QAction* menu : window->menuBar()->actions())
            if (menu->text() == "File")
                for (QAction* action : menu->menu()->actions())
                    if (action->text() == QLatin1String(entry))
                        action->trigger();
    }
    QStringList notices;
    ErrorPresenter previousNotices =
        setNoticePresenter([this](QWidget*, const QString& text) { notices.append(text); });
    ~ProjectCommandTest() override { setNoticePresenter(previousNotices); }
};

TEST_F(ProjectCommandTest, SavedWorkComesBackAndAChangedModelIsReported) {
    trigger("Save Project");
    EXPECT_EQ(errors.messages().size(), 1) << "no model imported yet";
    EXPECT_TRUE(dialogs.requests().isEmpty());

    importModelText(test::kPortalFrameS2k);
    ASSERT_EQ(session.model.materialCount, 1);
    ASSERT_EQ(session.model.frameSectionCount, 2);
    session.analysis.analysisType = GravityPushOver;
    session.analysis.controlDisp = 0.75;
    session.recorders.elementForce = true;
    setMaterialModel(session.model.materials[1], ModelSteel01);
    session.model.materials[1].parameters.Fy = 275;
    session.model.frameSections[1].divideFX = 8;
    const std::string project = temp.file("portal.kelvane");
    dialogs.answer(QString::fromStdString(project));
    trigger("Save Project");
    EXPECT_EQ(dialogs.requests().back(), "save|Kelvane project (*.kelvane)|kelvane");

    // A restart: everything back to its start-up state.
    session.analysis = AnalysisSettings{};
    session.recorders = RecorderSettings{};
    session.model = ModelStore{};
    dialogs.answer(QString::fromStdString(project));
    trigger("Open Project");
    ASSERT_EQ(errors.messages().size(), 1) << errors.messages().join('\n').toStdString();
    EXPECT_TRUE(notices.isEmpty());
    EXPECT_EQ(session.analysis.analysisType, GravityPushOver);
    EXPECT_EQ(session.analysis.controlDisp, 0.75);
    EXPECT_TRUE(session.recorders.elementForce);
    EXPECT_EQ(session.model.materials[1].model, ModelSteel01);
    EXPECT_EQ(session.model.materials[1].parameters.Fy, 275.0);
    EXPECT_EQ(session.model.frameSections[1].divideFX, 8);
    EXPECT_EQ(window->statusPanelText(3), "4");

    test::writeFile(temp.file("model.s2k"), std::string(test::kPortalFrameS2k) + "\n");
    dialogs.answer(QString::fromStdString(project));
    trigger("Open Project");
    ASSERT_EQ(notices.size(), 1);
    EXPECT_TRUE(notices[0].contains("has changed since the project was saved")) << notices[0].toStdString();
    EXPECT_EQ(session.model.materials[1].parameters.Fy, 275.0);

    // A project that cannot be read keeps the model on show.
    test::writeFile(project, "not a project\n");
    dialogs.answer(QString::fromStdString(project));
    trigger("Open Project");
    EXPECT_EQ(errors.messages().size(), 2);
    EXPECT_EQ(session.model.materials[1].parameters.Fy, 275.0);
}

} // namespace
} // namespace kelvane
