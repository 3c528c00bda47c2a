#include "solver/ui/run_panel.h"

#include "app/command_guard.h"
#include "app/file_dialogs.h"
#include "app/session.h"
#include "app/widget_names.h"
#include "script/ui/form_controls.h"
#include "script/ui/solver_launcher.h"
#include "solver/terminal_codes.h"
#include "solver/watched_run.h"

#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace kelvane {

namespace {

constexpr int kPollMilliseconds = 250;
constexpr int kMostOutputLines = 20000; // the pane keeps the latest; the log keeps all
// A solver that floods its output with warnings must not hold the program up: of what came since the
// last poll, the pane shows at most the end.
constexpr std::size_t kMostOutputPerPoll = 256 * 1024;

QString pathText(const std::filesystem::path& path) {
    return QFile::decodeName(QByteArray::fromStdString(path.string()));
}

} // namespace

RunPanel::RunPanel(Session& session, QWidget* parent)
    : QWidget(parent, Qt::Window), session_(session), search_(desktopSolverSearch()),
      timer_(new QTimer(this)), script_(new QLabel(this)),
      status_(new QLabel(QStringLiteral("No run yet"), this)), progress_(new QProgressBar(this)),
      output_(new QPlainTextEdit(this)), logNote_(new QLabel(this)),
      stop_(new QPushButton(QStringLiteral("Stop"), this)) {
    setWindowTitle(QStringLiteral("OpenSEES Run"));
    resize(720, 480);
    script_->setObjectName(QStringLiteral("script"));
    status_->setObjectName(QStringLiteral("status"));
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    status_->setWordWrap(true);
    progress_->setObjectName(QStringLiteral("progress"));
    progress_->setRange(0, 1);
    progress_->setValue(0);
    output_->setObjectName(QStringLiteral("output"));
    output_->setReadOnly(true);
    output_->setFont(fixedPitchFont());
    output_->setMaximumBlockCount(kMostOutputLines);
    logNote_->setObjectName(QStringLiteral("logNote"));
    logNote_->setWordWrap(true);
    stop_->setObjectName(QStringLiteral("stopButton"));
    stop_->setEnabled(false);
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("closeButton"));

    timer_->setInterval(kPollMilliseconds);
    connect(timer_, &QTimer::timeout, this, [this] { runGuarded(this, [this] { poll(); }); });
    connect(stop_, &QPushButton::clicked, this, [this] { runGuarded(this, [this] { stopRun(); }); });
    connect(close, &QPushButton::clicked, this, &QWidget::hide);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(logNote_, 1);
    buttons->addWidget(stop_);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(script_);
    layout->addWidget(status_);
    layout->addWidget(progress_);
    layout->addWidget(output_, 1);
    layout->addLayout(buttons);
}

RunPanel::~RunPanel() = default;

bool RunPanel::running() const {
    return run_ && timer_->isActive();
}

QString RunPanel::statusText() const {
    return status_->text();
}

QString RunPanel::outputText() const {
    return output_->toPlainText();
}

void RunPanel::runScript(const QString& scriptPath) {
    show();
    raise();
    if (!running()) {
        start(scriptPath);
        return;
    }
    const QString question =
        QStringLiteral("OpenSees is still running %1 (%2). Stop that run and run %3?")
            .arg(QFileInfo(pathText(run_->script())).fileName(),
                 fromBytes(progressText(stepsDone_, run_->stepsAsked(), run_->elapsedSeconds())),
                 QFileInfo(scriptPath).fileName());
    if (!askQuestion(this, question))
        return;
    nextScript_ = scriptPath;
    stopRun();
}

void RunPanel::start(const QString& scriptPath) {
    std::unique_ptr<WatchedRun> run = launchSolverDetached(scriptPath, search_);
    run_ = std::move(run);
    output_->clear();
    script_->setText(pathText(run_->script()));
    logNote_->setText(QStringLiteral("The run goes on when Kelvane is closed; its output is kept in %1")
                          .arg(pathText(run_->files().log)));
    stop_->setEnabled(true);
    stopPending_ = false;
    showProgress(0);
    timer_->start();
}

void RunPanel::poll() {
    if (!run_)
        return;
    if (stopPending_)
        stopPending_ = !run_->stop();
    const WatchedRun::Poll state = run_->poll();
    if (!state.output.empty()) {
        QString text;
        if (state.output.size() > kMostOutputPerPoll) {
            const std::size_t skipped = state.output.size() - kMostOutputPerPoll;
            text = QStringLiteral("[%1 bytes of output are not shown here; %2 keeps them all]\n")
                       .arg(skipped)
                       .arg(pathText(run_->files().log.filename())) +
                   fromBytes(withoutTerminalCodes(state.output.substr(skipped)));
        } else {
            text = fromBytes(withoutTerminalCodes(state.output));
        }
        output_->moveCursor(QTextCursor::End);
        output_->insertPlainText(text);
        output_->moveCursor(QTextCursor::End);
    }
    showProgress(state.stepsDone);
    if (state.ended)
        showEnd();
}

void RunPanel::stopRun() {
    if (!running())
        return;
    // A solver whose process is not known yet is stopped by the poll that learns it.
    stopPending_ = !run_->stop();
    stop_->setEnabled(false);
    status_->setText(QStringLiteral("Stopping: ") +
                     fromBytes(progressText(stepsDone_, run_->stepsAsked(), run_->elapsedSeconds())));
}

void RunPanel::showProgress(long long stepsDone) {
    stepsDone_ = stepsDone;
    const long long asked = run_->stepsAsked();
    if (asked > 0) {
        progress_->setRange(0, static_cast<int>(std::min<long long>(asked, 1 << 30)));
        progress_->setValue(static_cast<int>(std::min(stepsDone, asked)));
    } else {
        progress_->setRange(0, 0); // busy: the script names no steps
    }
    if (!run_->stopRequested() && !stopPending_)
        status_->setText(QStringLiteral("Running: ") +
                         fromBytes(progressText(stepsDone, asked, run_->elapsedSeconds())));
}

void RunPanel::showEnd() {
    timer_->stop();
    stop_->setEnabled(false);
    const SolverVerdict& verdict = run_->verdict();
    // A failed or stopped run keeps the bar at the steps it reached.
    if (!verdict.failed) {
        progress_->setRange(0, 1);
        progress_->setValue(1);
    } else if (progress_->maximum() == 0) {
        progress_->setRange(0, 1);
        progress_->setValue(0);
    }
    const QString firstError = fromBytes(withoutTerminalCodes(verdict.firstError));
    if (run_->stopRequested())
        status_->setText(firstError);
    else if (verdict.failed)
        status_->setText(QStringLiteral("Failed: ") +
                         (firstError + QStringLiteral("\n") + fromBytes(runEndSummary(verdict))).trimmed());
    else
        status_->setText((QStringLiteral("Finished: ") +
                          fromBytes(progressText(stepsDone_, run_->stepsAsked(), run_->elapsedSeconds()) +
                                    "\n" + runEndSummary(verdict)))
                             .trimmed());
    session_.lastRunFolder = run_->folder().string();
    // The result windows' dialogs open in the run's folder.
    suggestDialogFile(QString(), pathText(run_->folder() / ""));
    emit runEnded(!verdict.failed);
    if (nextScript_) {
        const QString next = *nextScript_;
        nextScript_.reset();
        start(next);
    }
}

} // namespace kelvane
