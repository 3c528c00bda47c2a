#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace kelvane {

struct Session;

// Edits the analysis procedure and its numbers. Filled from the record each time it is shown;
// "OK" stores the controls back in a fixed order and closes it.
class AnalysisSettingWindow : public QWidget {
    Q_OBJECT
  public:
    explicit AnalysisSettingWindow(Session& session, QWidget* parent = nullptr);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void fillFromSettings();
    void storeSettings();
    void chooseRecord();

    Session& session_;
    QComboBox* analysisType_;
    QComboBox* loadControlCase_;
    QLineEdit* loadSteps_;
    QLineEdit* loadFactor_;
    QComboBox* dispControlCase_;
    QLineEdit* controlNode_;
    QLineEdit* controlDisp_;
    QLineEdit* controlDof_;
    QLineEdit* dispSteps_;
    QLineEdit* numIntgrPts_;
    QLineEdit* rebarMaterial_;
    QCheckBox* useAggregator_;
    QLineEdit* modalNumber_;
    QCheckBox* genPlateFiber_;
    QCheckBox* genMass_;
    QLineEdit* gmFile_;
    QLineEdit* gmDt_;
    QLineEdit* gmFactor_;
    QLineEdit* gmDirection_;
    QLineEdit* thDt_;
    QLineEdit* thSteps_;
    QLineEdit* dampingRatio_;
    QLineEdit* dampingMode_;
    QLineEdit* gravityCases_;
    QComboBox* pushPattern_;
    // Step control: the tolerance (0 automatic), iterations, smallest step fraction, element
    // iterations, capacity drop and collapse drift.
    QLineEdit* stepTolerance_;
    QLineEdit* stepIterations_;
    QLineEdit* minStepFraction_;
    QLineEdit* elementIterations_;
    QLineEdit* capacityDrop_;
    QLineEdit* collapseDrift_;
};

} // namespace kelvane
