#pragma once

#include <QWidget>
#include <optional>
#include <string>

class QComboBox;
class QLineEdit;

namespace kelvane {

struct Session;

// "Member Force": reads the frames' end forces of a step from the element force recorder files of
// a chosen folder, and on "OK" draws the diagram of the chosen component in the chosen units and
// size; "No Diagram" takes it off the picture.
class ForceWindow : public QWidget {
    Q_OBJECT
  public:
    explicit ForceWindow(Session& session, QWidget* parent = nullptr);

  signals:
    void redrawRequested();

  private:
    void loadForceData();
    void applyAndClose();
    void hideDiagram();

    Session& session_;
    QLineEdit* loadStep_;
    QComboBox* component_;
    QComboBox* units_;
    QLineEdit* diagramSize_;
};

} // namespace kelvane
