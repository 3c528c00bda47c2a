#pragma once

#include "assess/storey_drifts.h"
#include "results/curves.h"

#include <QWidget>
#include <optional>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace kelvane {

class ChartPicture;

struct Session;

// "Curves": draws a curve of a run's recorder files (a joint's displacement history, the pushover
// curve, the base-shear history, the periods of the modes, the storey drifts and shears) and exports
// it as PNG, SVG or CSV. The
// joint is typed, or picked on the model after "Pick on Model".
class CurvesWindow : public QWidget {
    Q_OBJECT
  public:
    explicit CurvesWindow(Session& session, QWidget* parent = nullptr);

    // While "Pick on Model" is down, a click on the drawing picks the joint nearest to it.
    bool pickingJoint() const;
    // Takes the joint drawn nearest to the drawing's pixel (x, y); false when none is near it.
    bool pickJointAt(int x, int y);

    const Curve* curve() const { return curve_ ? &*curve_ : nullptr; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void chooseFolder();
    void draw();
    void exportCurve();
    void showChart();
    void showPeriods();
    void curveKindChanged();

    Session& session_;
    std::string shownRunFolder_;
    QLineEdit* folder_;
    QComboBox* kind_;
    QLineEdit* joint_;
    QPushButton* pick_;
    QComboBox* dof_;
    QComboBox* against_;
    ChartPicture* chartView_;
    QTableWidget* periodTable_;
    QLabel* notes_;
    std::optional<Curve> curve_;
    std::vector<ModalPeriod> periods_;
    // The storey drifts: the moment shown, the step typed, and the storeys' values.
    void showStoreys();
    QComboBox* moment_;
    QLineEdit* step_;
    QTableWidget* storeyTable_;
    std::optional<StoreyProfile> profile_;
};

} // namespace kelvane
