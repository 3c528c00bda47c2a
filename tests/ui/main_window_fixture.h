#pragma once

#include "app/drawing_surface.h"
#include "app/main_window.h"
#include "app/session.h"
#include "support/test_support.h"
#include "ui/ui_models.h"
#include "ui/ui_test_support.h"

#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

namespace kelvane::test {

// A shown main window on a fresh session, with scripted file dialogs and captured error boxes.
class MainWindowFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        ensureApplication();
        window = std::make_unique<MainWindow>(session);
        window->show();
        QCoreApplication::processEvents();
    }
    void TearDown() override {
        window.reset();
        QCoreApplication::processEvents();
    }

    QToolButton* button(const char* name) const {
        return window->findChild<QToolButton*>(QString::fromLatin1(name));
    }
    template <class Window> Window* toolWindow() const { return window->findChild<Window*>(); }

    // Imports a model through the toolbar's import command, as a user picking the file would.
    void importModelText(const char* text, const std::string& name = "model.s2k") {
        const std::string path = temp.file(name);
        writeFile(path, text);
        dialogs.answer(QString::fromStdString(path));
        button("toolButton1")->click();
    }

    DrawingSurface* surface() const { return window->drawingSurface(); }
    QColor pixel(int x, int y) const { return window->drawingSurface()->image().pixelColor(x, y); }

    void click(Qt::MouseButton mouseButton, int x, int y) {
        QTest::mouseClick(surface(), mouseButton, Qt::NoModifier, QPoint(x, y));
    }

    TempDir temp;
    ErrorCapture errors;
    NoticeCapture shownNotices;
    ScriptedFileDialogs dialogs;
    Session session;
    std::unique_ptr<MainWindow> window;
};

} // namespace kelvane::test
