#pragma once

#include "solver/solver_location.h"

#include <QWidget>
#include <memory>
#include <optional>

class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTimer;

namespace kelvane {

struct Session;
class WatchedRun;

// "OpenSEES Run": watches a solver run that "Run OpenSEES" started detached from the program. It shows
// the solver's output as it comes, the steps done of the steps asked, the time, a Stop button, and at
// the end whether the run finished or failed, with the solver's first error line. Everything is
// polled from the run's files on a timer, so the program never waits for the solver.
class RunPanel : public QWidget {
    Q_OBJECT
  public:
    explicit RunPanel(Session& session, QWidget* parent = nullptr);
    ~RunPanel() override;

    // Starts the solver on the script and shows the panel. While a run is going it first asks whether
    // to stop that run; the new one starts once the old one has ended.
    void runScript(const QString& scriptPath);

    // Where the solver is looked for (the desktop program's places unless a test sets others).
    void setSolverSearch(const SolverSearch& search) { search_ = search; }

    bool running() const;
    QString statusText() const;
    QString outputText() const;

  signals:
    // The run ended; `finished` is false when it failed or was stopped.
    void runEnded(bool finished);

  private:
    void start(const QString& scriptPath);
    void poll();
    void stopRun();
    void showProgress(long long stepsDone);
    void showEnd();

    Session& session_;
    SolverSearch search_;
    std::unique_ptr<WatchedRun> run_;
    std::optional<QString> nextScript_; // to start once the run being stopped has ended
    bool stopPending_ = false;          // asked before the solver's process was known
    long long stepsDone_ = 0;           // as the last poll found them
    QTimer* timer_;
    QLabel* script_;
    QLabel* status_;
    QProgressBar* progress_;
    QPlainTextEdit* output_;
    QLabel* logNote_;
    QPushButton* stop_;
};

} // namespace kelvane
