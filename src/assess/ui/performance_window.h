#pragma once

#include "assess/performance.h"

#include <QWidget>
#include <optional>
#include <string>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QTabWidget;

namespace kelvane {

class ChartPicture;
struct Session;

// "Performance": the target displacement of a pushover run by the N2 or the ASCE 41 method, every
// quantity of the method listed, the capacity curve with its idealisation and the target, and for
// N2 the capacity against the demand in Sa-Sd form.
class PerformanceWindow : public QWidget {
    Q_OBJECT
  public:
    explicit PerformanceWindow(Session& session, QWidget* parent = nullptr);

    const PerformanceReport* report() const { return report_ ? &*report_ : nullptr; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void chooseFolder();
    void compute();
    void exportCharts();

    Session& session_;
    std::string shownRunFolder_;
    QLineEdit* folder_;
    QComboBox* dof_;
    QLineEdit* joint_;
    QComboBox* method_;
    QLineEdit* spectrum_;
    QLineEdit* period_;
    QLineEdit* cm_;
    QPlainTextEdit* quantities_;
    QTabWidget* charts_;
    ChartPicture* capacityChart_;
    ChartPicture* adrsChart_;
    std::optional<PerformanceReport> report_;
};

} // namespace kelvane
