#pragma once

#include <QWidget>

class QComboBox;
class QListWidget;

namespace kelvane {

struct Session;

// "Show Load": picks the load case and the load type whose loads are written on the picture.
class ShowLoadWindow : public QWidget {
    Q_OBJECT
  public:
    explicit ShowLoadWindow(Session& session, QWidget* parent = nullptr);

  signals:
    void redrawRequested();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void storeAndClose();

    Session& session_;
    QListWidget* loadType_;
    QComboBox* loadCase_;
};

} // namespace kelvane
