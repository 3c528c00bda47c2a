#pragma once

#include "viewer/view_options.h"

#include <QWidget>
#include <array>

class QCheckBox;

namespace kelvane {

struct Session;

// "View Option": thirteen check boxes that switch the drawing layers on and off.
class ViewOptionWindow : public QWidget {
    Q_OBJECT
  public:
    explicit ViewOptionWindow(Session& session, QWidget* parent = nullptr);

  signals:
    void redrawRequested();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void storeAndClose();

    Session& session_;
    std::array<QCheckBox*, kViewOptionCount> boxes_{};
};

} // namespace kelvane
