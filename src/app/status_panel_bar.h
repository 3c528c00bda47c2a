#pragma once

#include <QStatusBar>
#include <array>

class QLabel;

namespace kelvane {

// The 17-panel status bar of the main window: panel 0 is 80 pixels wide, the others 50.
// Panel 0 and the even panels 2..14 carry fixed labels; panel 1 the interaction mode; the odd
// panels 3..15 the model counts; panel 16 stays empty.
class StatusPanelBar : public QStatusBar {
    Q_OBJECT
  public:
    static constexpr int kPanelCount = 17;

    explicit StatusPanelBar(QWidget* parent = nullptr);

    QString panelText(int panel) const;
    void setPanelText(int panel, const QString& text);

  private:
    static void fitText(QLabel* label, int least);
    std::array<QLabel*, kPanelCount> panels_{};
};

} // namespace kelvane
