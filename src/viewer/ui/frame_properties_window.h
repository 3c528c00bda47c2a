#pragma once

#include <QWidget>
#include <cstdint>

class QLineEdit;
class QTableWidget;

namespace kelvane {

struct Session;

// "Frame Properties": lists the picked frame's joints, angle, section, element type and material,
// and below them its end forces when they have been read. Closing it clears the selection.
class FramePropertiesWindow : public QWidget {
    Q_OBJECT
  public:
    explicit FramePropertiesWindow(Session& session, QWidget* parent = nullptr);

    // Lists frame k (0: none, the grid shows its captions only).
    void showFrame(std::int32_t k);

  signals:
    void redrawRequested();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void refresh();

    Session& session_;
    QLineEdit* frameLabel_;
    QTableWidget* grid_;
};

} // namespace kelvane
