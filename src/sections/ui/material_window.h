#pragma once

#include <QWidget>

class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QListWidget;

namespace kelvane {

struct Session;

// The materials of the model, one at a time: the elastic properties from the model file and the
// material model with its parameters, which OK stores. Materials the file lacks (a confined
// concrete, a rebar steel) can be added and removed again.
class MaterialWindow : public QWidget {
    Q_OBJECT
  public:
    explicit MaterialWindow(Session& session, QWidget* parent = nullptr);

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void fillList(int select = 1);
    void showMaterial(int k);
    void showParameters(int k, int model);
    bool storeMaterial(int k);
    void okCommand();
    // Asks what to do with edits OK has not stored; false when the user cancels (or Apply failed).
    bool settlePendingEdits();
    void addMaterialCommand();
    void removeMaterialCommand();
    void nonlinearDefaultsCommand();
    int selected() const;

    Session& session_;
    int shownMaterial_ = 0;
    QString shownValues_;
    QListWidget* materialList_;
    QLineEdit* name_;
    QComboBox* model_;
    QLineEdit* e_;
    QLineEdit* g_;
    QLineEdit* nu_;
    QFormLayout* parameterForm_;
    QLabel* defaultsNote_;
    QLabel* notes_;
    QLineEdit* newName_;
};

} // namespace kelvane
