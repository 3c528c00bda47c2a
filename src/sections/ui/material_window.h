#pragma once

#include <QWidget>

class QComboBox;
class QLineEdit;
class QListWidget;

namespace kelvane {

struct Session;

// Shows the imported materials one at a time; it stores nothing.
class MaterialWindow : public QWidget {
    Q_OBJECT
  public:
    explicit MaterialWindow(Session& session, QWidget* parent = nullptr);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void fillList();
    void showMaterial(int k);

    Session& session_;
    QListWidget* materialList_;
    QLineEdit* name_;
    QComboBox* model_;
    QLineEdit* e_;
    QLineEdit* g_;
    QLineEdit* nu_;
};

} // namespace kelvane
