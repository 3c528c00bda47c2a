#pragma once

#include "batch/local_runner.h"
#include "solver/solver_location.h"

#include <QWidget>
#include <memory>
#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTimer;

namespace kelvane {

class ChartPicture;

struct Session;
class BatchSetLock;

// "Batch": an ensemble of records and scales of the model shown (incremental dynamic analysis),
// with the settings of the Analysis Setting window. The user picks the records and the scales
// and a folder, plans the set, runs it on this machine with a progress bar and sees the IDA
// curves; submitting it to Slurm is shown as the command to run. The runs are polled on a timer,
// so the program never waits for a solver.
class BatchWindow : public QWidget {
    Q_OBJECT
  public:
    explicit BatchWindow(Session& session, QWidget* parent = nullptr);
    ~BatchWindow() override;

    // Where the solver is looked for (the desktop program's places unless a test sets others).
    void setSolverSearch(const SolverSearch& search) { search_ = search; }
    bool running() const { return runner_ != nullptr; }

  signals:
    // The set's runs have all ended, or were stopped.
    void runEnded();

  private:
    void addRecord();
    void removeRecord();
    void chooseSetFolder();
    void plan();
    void run();
    void poll();
    void stop();
    void showCurves();
    void showFragility();
    void finishRun(const QString& status);
    void updateButtons();
    void updateSlurmCommand();
    std::string setFolder() const;

    Session& session_;
    SolverSearch search_;
    std::unique_ptr<LocalBatchRunner> runner_;
    std::unique_ptr<BatchSetLock> lock_;
    QListWidget* records_;
    QLineEdit* scales_;
    QLineEdit* folder_;
    QSpinBox* jobs_;
    QCheckBox* retryFailed_;
    QPushButton* plan_;
    QPushButton* run_;
    QPushButton* stop_;
    QPushButton* curves_;
    QLineEdit* driftLimit_; // empty: the fragility of collapse
    QPushButton* fragility_;
    QProgressBar* progress_;
    QLabel* status_;
    QPlainTextEdit* log_;
    ChartPicture* chartView_;
    QLineEdit* slurmCommand_;
    QTimer* timer_;
};

} // namespace kelvane
