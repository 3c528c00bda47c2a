#pragma once

#include <QWidget>
#include <optional>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;

namespace kelvane {

struct Session;

// "Deformation Shape": reads joint displacements, section deformations, the damage of the fiber
// sections (up to the step) or a mode shape (with its period from Periods.txt) from the recorder files of a
// chosen folder, and on "OK" sets the display scale and colour range.
class DeformationWindow : public QWidget {
    Q_OBJECT
  public:
    explicit DeformationWindow(Session& session, QWidget* parent = nullptr);

  signals:
    void redrawRequested();

  private:
    // The folder of a file the user picks in the open dialog; no value when cancelled.
    std::optional<std::string> chooseResultFolder();
    void loadNodeDeformationData();
    void loadSectionDeformationData();
    void loadModeShapeData();
    void loadDamageData();
    void applyAndClose();

    Session& session_;
    QLineEdit* loadStep_;
    QLineEdit* scalingFactor_;
    QLineEdit* modeNum_;
    QLabel* modePeriod_;
    QComboBox* deformation_;
    QLineEdit* maxValue_;
    QLineEdit* minValue_;
    // The folders the node and section results on show were read from (empty: none).
    std::string nodeFolder_;
    std::string sectionFolder_;
    std::string damageFolder_;
};

} // namespace kelvane
