#pragma once

#include <QWidget>

class QCheckBox;
class QShowEvent;

namespace kelvane {

struct Session;

// Chooses which recorders the script writes. Filled from the record each time it is shown;
// "OK" stores the boxes and closes it.
class RecorderSettingWindow : public QWidget {
    Q_OBJECT
  public:
    explicit RecorderSettingWindow(Session& session, QWidget* parent = nullptr);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void storeSettings();

    Session& session_;
    QCheckBox* nodeDisplacement_;
    QCheckBox* elementForce_;
    QCheckBox* sectionDeformation_;
    QCheckBox* sectionStressStrain_;
    QCheckBox* modalShape_;
    QCheckBox* baseReactions_;
};

} // namespace kelvane
