#include "batch/ui/batch_window.h"

#include "app/command_guard.h"
#include "app/file_dialogs.h"
#include "app/session.h"
#include "app/widget_names.h"
#include "batch/batch_collect.h"
#include "batch/batch_plan.h"
#include "batch/batch_progress.h"
#include "batch/batch_slurm.h"
#include "batch/ensemble_fragility.h"
#include "batch/scale_list.h"
#include "batch/set_lock.h"
#include "common/error.h"
#include "common/number_parse.h"
#include "common/text_file.h"
#include "results/ui/chart_picture.h"
#include "script/ui/form_controls.h"
#include "script/ui/solver_launcher.h"
#include "solver/run_progress.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <filesystem>

namespace kelvane {
namespace {

constexpr int kPollMilliseconds = 200;

std::string pathBytes(const QString& path) {
    return QFile::encodeName(path).toStdString();
}
QString pathText(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

// A path as the shell takes it: quoted when it holds anything but plain characters.
QString shellWord(const QString& text) {
    for (const QChar c : text)
        if (!(c.isLetterOrNumber() || QStringLiteral("/._+-=:,").contains(c)))
            return QLatin1Char('\'') + QString(text).replace(QStringLiteral("'"), QStringLiteral("'\\''")) +
                   QLatin1Char('\'');
    return text;
}

QString endLine(const RunEnd& end) {
    QString line = QStringLiteral("run %1 %2 at scale %3: %4")
                       .arg(end.run.id)
                       .arg(fromBytes(end.run.record), fromBytes(scaleText(end.run.scale)),
                            QString::fromLatin1(runStateName(end.status.state)));
    if (end.status.state == RunState::Failed || end.status.state == RunState::Collapse)
        line += QStringLiteral(": ") + fromBytes(end.status.error);
    if (end.subdividedSteps > 0)
        line += QStringLiteral(" (%1 steps subdivided)").arg(end.subdividedSteps);
    return line;
}

} // namespace

BatchWindow::BatchWindow(Session& session, QWidget* parent)
    : QWidget(parent, Qt::Window), session_(session), search_(desktopSolverSearch()),
      records_(new QListWidget(this)), scales_(makeEdit(QStringLiteral("scales"))),
      folder_(makeEdit(QStringLiteral("setFolder"))), jobs_(new QSpinBox(this)),
      retryFailed_(makeCheck(QStringLiteral("Run Failed Runs Again"), QStringLiteral("retryFailed"))),
      plan_(makeButton(QStringLiteral("Plan"), QStringLiteral("planButton"))),
      run_(makeButton(QStringLiteral("Run"), QStringLiteral("runButton"))),
      stop_(makeButton(QStringLiteral("Stop"), QStringLiteral("stopButton"))),
      curves_(makeButton(QStringLiteral("IDA Curves"), QStringLiteral("curvesButton"))),
      driftLimit_(makeEdit(QStringLiteral("driftLimit"))),
      fragility_(makeButton(QStringLiteral("Fragility"), QStringLiteral("fragilityButton"))),
      progress_(new QProgressBar(this)), status_(new QLabel(QStringLiteral("No ensemble planned yet"), this)),
      log_(new QPlainTextEdit(this)), chartView_(new ChartPicture(this)),
      slurmCommand_(makeEdit(QStringLiteral("slurmCommand"), true)), timer_(new QTimer(this)) {
    setWindowTitle(QStringLiteral("Batch"));
    resize(1100, 640);
    records_->setObjectName(QStringLiteral("records"));
    records_->setMinimumWidth(320);
    scales_->setPlaceholderText(QStringLiteral("0.5,1,1.5 or 0.2:2:0.2"));
    driftLimit_->setPlaceholderText(QStringLiteral("0.02, or empty for collapse"));
    jobs_->setObjectName(QStringLiteral("jobs"));
    jobs_->setRange(1, 256);
    jobs_->setValue(defaultJobCount());
    progress_->setObjectName(QStringLiteral("progress"));
    progress_->setRange(0, 1);
    progress_->setValue(0);
    status_->setObjectName(QStringLiteral("status"));
    status_->setWordWrap(true);
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    log_->setObjectName(QStringLiteral("runLog"));
    log_->setReadOnly(true);
    chartView_->setObjectName(QStringLiteral("idaChart"));
    chartView_->setMinimumSize(480, 360);
    chartView_->showCurves(kIdaTitle, {});
    timer_->setInterval(kPollMilliseconds);

    auto* addRecordButton = makeButton(QStringLiteral("Add Record..."), QStringLiteral("addRecordButton"));
    auto* removeRecordButton = makeButton(QStringLiteral("Remove"), QStringLiteral("removeRecordButton"));
    auto* browse = makeButton(QStringLiteral("Browse..."), QStringLiteral("browseSetFolder"));
    auto* copy = makeButton(QStringLiteral("Copy"), QStringLiteral("copySlurmCommand"));
    auto* close = makeButton(QStringLiteral("Close"), QStringLiteral("closeButton"));
    const auto guard = [this](void (BatchWindow::*handler)()) {
        return [this, handler] { runGuarded(this, [this, handler] { (this->*handler)(); }); };
    };
    connect(addRecordButton, &QPushButton::clicked, this, guard(&BatchWindow::addRecord));
    connect(removeRecordButton, &QPushButton::clicked, this, guard(&BatchWindow::removeRecord));
    connect(browse, &QPushButton::clicked, this, guard(&BatchWindow::chooseSetFolder));
    connect(plan_, &QPushButton::clicked, this, guard(&BatchWindow::plan));
    connect(run_, &QPushButton::clicked, this, guard(&BatchWindow::run));
    connect(stop_, &QPushButton::clicked, this, guard(&BatchWindow::stop));
    connect(curves_, &QPushButton::clicked, this, guard(&BatchWindow::showCurves));
    connect(fragility_, &QPushButton::clicked, this, guard(&BatchWindow::showFragility));
    connect(timer_, &QTimer::timeout, this, guard(&BatchWindow::poll));
    connect(folder_, &QLineEdit::textChanged, this, [this] { updateSlurmCommand(); });
    connect(copy, &QPushButton::clicked, this,
            [this] { QApplication::clipboard()->setText(slurmCommand_->text()); });
    connect(close, &QPushButton::clicked, this, &QWidget::hide);

    auto* recordButtons = new QHBoxLayout;
    recordButtons->addWidget(addRecordButton);
    recordButtons->addWidget(removeRecordButton);
    recordButtons->addStretch(1);
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(folder_, 1);
    folderRow->addWidget(browse);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Records"), records_);
    form->addRow(QString(), recordButtons);
    form->addRow(QStringLiteral("Scales"), scales_);
    form->addRow(QStringLiteral("Set Folder"), folderRow);
    form->addRow(QStringLiteral("Solvers at Once"), jobs_);
    form->addRow(QString(), retryFailed_);
    form->addRow(QStringLiteral("Drift Limit"), driftLimit_);
    auto* actions = new QHBoxLayout;
    for (QPushButton* button : {plan_, run_, stop_, curves_, fragility_})
        actions->addWidget(button);
    actions->addStretch(1);
    auto* slurm = new QGroupBox(QStringLiteral("Slurm (run on the cluster's login node)"));
    auto* slurmRow = new QHBoxLayout(slurm);
    slurmRow->addWidget(slurmCommand_, 1);
    slurmRow->addWidget(copy);
    auto* closeRow = new QHBoxLayout;
    closeRow->addStretch(1);
    closeRow->addWidget(close);

    auto* controls = new QVBoxLayout;
    controls->addLayout(form);
    controls->addLayout(actions);
    controls->addWidget(progress_);
    controls->addWidget(status_);
    controls->addWidget(log_, 1);
    controls->addWidget(slurm);
    controls->addLayout(closeRow);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(controls);
    layout->addWidget(chartView_, 1);
    updateSlurmCommand();
    updateButtons();
}

BatchWindow::~BatchWindow() = default;

std::string BatchWindow::setFolder() const {
    const std::string folder = pathBytes(folder_->text().trimmed());
    if (folder.empty())
        fail("Choose the folder of the ensemble first");
    return std::filesystem::absolute(folder).lexically_normal().string();
}

void BatchWindow::addRecord() {
    const QString path = fileDialogs().openFileName(
        this, QStringLiteral("Ground motion record (*.txt *.AT2 *.at2);;All files (*)"), QString());
    if (!path.isEmpty())
        records_->addItem(path);
}

void BatchWindow::removeRecord() {
    delete records_->takeItem(records_->currentRow());
}

void BatchWindow::chooseSetFolder() {
    const QString manifest = fileDialogs().saveFileName(
        this, QStringLiteral("Ensemble manifest (manifest.csv)"), QStringLiteral("csv"));
    if (!manifest.isEmpty())
        folder_->setText(QFileInfo(manifest).absolutePath());
}

void BatchWindow::plan() {
    if (running())
        fail("The ensemble is running; stop it before planning again");
    std::vector<std::string> records;
    for (int row = 0; row < records_->count(); ++row)
        records.push_back(pathBytes(records_->item(row)->text()));
    const std::vector<double> scales = parseScales(toBytes(scales_->text()));
    const std::string folder = setFolder();
    const BatchPlan planned =
        planBatch(session_.model, session_.analysis, session_.recorders, records, scales, folder);
    log_->clear();
    for (const std::string& note : planned.notes)
        log_->appendPlainText(fromBytes(note));
    progress_->setRange(0, static_cast<int>(planned.runs.size()));
    progress_->setValue(0);
    status_->setText(QStringLiteral("Planned %1 in %2")
                         .arg(fromBytes(planCountsText(records.size(), scales.size())), pathText(folder)));
}

void BatchWindow::run() {
    if (running())
        return;
    const std::string folder = setFolder();
    const std::vector<BatchRun> runs = readManifest(folder);
    const std::string solver = findSolverExecutable(search_);
    if (solver.empty())
        fail(missingSolverMessage(search_));
    auto lock = std::make_unique<BatchSetLock>(folder);
    checkNoRunQueued(folder);
    runner_ =
        std::make_unique<LocalBatchRunner>(folder, runs, solver, jobs_->value(), retryFailed_->isChecked());
    lock_ = std::move(lock);
    progress_->setRange(0, static_cast<int>(runs.size()));
    log_->appendPlainText(
        QStringLiteral("Running %1 with %2 solvers at once").arg(pathText(folder)).arg(jobs_->value()));
    updateButtons();
    poll();
    if (runner_)
        timer_->start();
}

void BatchWindow::poll() {
    if (!runner_)
        return;
    for (const RunEnd& end : runner_->poll())
        log_->appendPlainText(endLine(end));
    const BatchProgress progress = runner_->progress();
    progress_->setValue(progress.completed + progress.failed);
    status_->setText(fromBytes(batchProgressText(progress)));
    if (runner_->done()) {
        finishRun(fromBytes(batchCountsText(progress.total, progress.completed, progress.failed)));
        if (progress.completed > 0)
            showCurves();
    }
}

void BatchWindow::stop() {
    if (!runner_)
        return;
    const int stopped = runner_->stop();
    const BatchProgress progress = runner_->progress();
    const int left = progress.total - progress.completed - progress.failed;
    finishRun(QStringLiteral("Stopped: %1 running %2 ended; %3 %4 left for the next Run")
                  .arg(stopped)
                  .arg(stopped == 1 ? QStringLiteral("run was") : QStringLiteral("runs were"))
                  .arg(left)
                  .arg(left == 1 ? QStringLiteral("run is") : QStringLiteral("runs are")));
}

void BatchWindow::finishRun(const QString& status) {
    timer_->stop();
    runner_.reset();
    lock_.reset();
    status_->setText(status);
    log_->appendPlainText(status);
    updateButtons();
    emit runEnded();
}

// Writes SET/summary.csv and draws the curves of the completed runs.
void BatchWindow::showCurves() {
    const std::filesystem::path folder = setFolder();
    const std::vector<RunSummary> summary = collectBatch(folder);
    saveLinesCrLf((folder / "summary.csv").string(), summaryLines(summary));
    log_->appendPlainText(QStringLiteral("Wrote %1").arg(pathText((folder / "summary.csv").string())));
    // Without a run that ended there is nothing to draw: an empty chart would show made-up axes.
    if (std::none_of(summary.begin(), summary.end(),
                     [](const RunSummary& entry) { return entry.peaks.has_value(); })) {
        log_->appendPlainText(QStringLiteral("No run has completed: the IDA curves were not drawn"));
        return;
    }
    chartView_->showCurves(kIdaTitle, idaCurves(summary));
}

// Writes SET/fragility.csv and draws the fitted fragility with the observed fractions: of the drift
// limit given, or of collapse.
void BatchWindow::showFragility() {
    const QString limitText = driftLimit_->text().trimmed();
    std::optional<double> driftLimit;
    if (!limitText.isEmpty()) {
        driftLimit = tryParseReal(limitText.toStdString());
        if (!driftLimit || !(*driftLimit > 0))
            fail("The drift limit must be a positive drift ratio, not '" + limitText.toStdString() + "'");
    }
    const std::filesystem::path folder = setFolder();
    const EnsembleFragility fragility = ensembleFragility(collectBatch(folder), driftLimit);
    saveLinesCrLf((folder / kFragilityFileName).string(), fragilityCsvLines(fragility));
    log_->appendPlainText(QStringLiteral("Wrote %1").arg(pathText((folder / kFragilityFileName).string())));
    for (const std::string& line : fragilityResultLines(fragility))
        log_->appendPlainText(QString::fromLatin1(line.c_str()));
    chartView_->showCurves(std::string(kFragilityTitle) + ": " + limitStateText(fragility),
                           fragilityCurves(fragility));
}

void BatchWindow::updateButtons() {
    plan_->setEnabled(!running());
    run_->setEnabled(!running());
    stop_->setEnabled(running());
}

void BatchWindow::updateSlurmCommand() {
    const std::string programFolder = runningProgramFolder();
    const std::filesystem::path beside = std::filesystem::path(programFolder) / "kelvane-cli";
    std::error_code error;
    const QString cli = !programFolder.empty() && std::filesystem::exists(beside, error)
                            ? shellWord(pathText(beside.string()))
                            : QStringLiteral("kelvane-cli");
    const QString folder = folder_->text().trimmed();
    slurmCommand_->setText(cli + QStringLiteral(" batch submit ") +
                           (folder.isEmpty() ? QStringLiteral("SET_DIR") : shellWord(folder)));
    slurmCommand_->setCursorPosition(0);
}

} // namespace kelvane
