#pragma once

#include <QColor>
#include <QWidget>
#include <functional>
#include <memory>

class QComboBox;
class QFormLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace kelvane {

struct Session;
class QPainterCanvas;

// Shows the frame sections one at a time and stores the nonlinear settings of the selected one on
// "OK". Opening always starts at the first section.
class FrameSectionWindow : public QWidget {
    Q_OBJECT
  public:
    explicit FrameSectionWindow(Session& session, QWidget* parent = nullptr);
    ~FrameSectionWindow() override;

    // Asks the user for a colour; an invalid colour means cancelled. The standard colour dialog
    // unless replaced (window tests do).
    using ColourChooser = std::function<QColor(QWidget* parent, const QColor& initial)>;
    void setColourChooser(ColourChooser chooser);

  signals:
    void redrawRequested();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void fillLists();
    int selectedSection() const;
    void showSection(int k);
    void applySection(int k);
    // Asks what to do with edits OK has not stored; false when the user cancels (or Apply failed).
    bool settlePendingEdits();
    QString shownValues() const;
    void chooseColour();
    void setSwatchColour(std::int32_t colour);
    void redrawPreview(int k);
    void importSettings();
    void exportSettings();

    Session& session_;
    std::unique_ptr<QPainterCanvas> previewCanvas_;
    ColourChooser chooseColour_;
    std::int32_t swatchColour_ = 0;
    int shownSection_ = 0;
    QString shownValues_;

    QLabel* preview_;
    QListWidget* sectionList_;
    QLabel* swatch_;
    QComboBox* elementType_;
    QComboBox* name_;
    QComboBox* shape_;
    QComboBox* material_;
    QLineEdit* dimensions_[6];
    QComboBox* geomTransf_;
    QLineEdit* topBar_;
    QLineEdit* bottomBar_;
    QComboBox* sectionKind_;
    QLineEdit* divideFX_;
    QLineEdit* divideFY_;
    QLineEdit* barNumNX_;
    QLineEdit* barNumNY_;
    QLineEdit* cover_;
    QComboBox* coreMaterial_;
    QComboBox* rebarMaterial_;
    QLineEdit* hingeLengthI_;
    QLineEdit* hingeLengthJ_;
    // The model file's reinforcement of the shown section, as SAP2000 describes it.
    QGroupBox* reinforcement_;
    QFormLayout* reinforcementForm_;
    void showReinforcement(int k);
};

} // namespace kelvane
