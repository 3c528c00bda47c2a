#include "results/ui/curves_window.h"

#include "app/command_guard.h"
#include "app/file_dialogs.h"
#include "app/session.h"
#include "app/widget_names.h"
#include "common/error.h"
#include "common/number_format.h"
#include "common/text_file.h"
#include "paint/curve_picture.h"
#include "results/ui/chart_picture.h"
#include "script/ui/form_controls.h"
#include "viewer/joint_picking.h"

#include <QComboBox>
#include <QFile>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTableWidget>
#include <QVBoxLayout>

namespace kelvane {

namespace {

enum CurveKind { JointHistory = 0, Pushover = 1, BaseShearHistory = 2, Periods = 3, StoreyDrifts = 4 };
enum MomentChoice { DefaultMoment = 0, ChosenStep = 1, Envelope = 2 };

QPushButton* button(const QString& caption, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(lowerCamelName(caption) + QStringLiteral("Button"));
    return b;
}

QComboBox* list(const QString& name, const QStringList& items, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->addItems(items);
    return box;
}

Abscissa abscissaAt(int index) {
    return index == 1 ? Abscissa::Time : index == 2 ? Abscissa::LoadFactor : Abscissa::Step;
}

std::string pathBytes(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

} // namespace

CurvesWindow::CurvesWindow(Session& session, QWidget* parent)
    : QWidget(parent, Qt::Window), session_(session), folder_(new QLineEdit(this)),
      kind_(list(QStringLiteral("curve"),
                 {QStringLiteral("Joint Displacement History"), QStringLiteral("Pushover Curve"),
                  QStringLiteral("Base Shear History"), QStringLiteral("Periods"),
                  QStringLiteral("Storey Drifts")},
                 this)),
      joint_(new QLineEdit(this)), pick_(button(QStringLiteral("Pick on Model"), this)),
      dof_(list(QStringLiteral("dof"),
                {QStringLiteral("1 (X)"), QStringLiteral("2 (Y)"), QStringLiteral("3 (Z)")}, this)),
      against_(list(QStringLiteral("against"),
                    {QStringLiteral("Step"), QStringLiteral("Time"), QStringLiteral("Load Factor")}, this)),
      chartView_(new ChartPicture(this)), periodTable_(new QTableWidget(0, 4, this)),
      notes_(new QLabel(this)),
      moment_(list(QStringLiteral("moment"),
                   {QStringLiteral("Last Step or Peak"), QStringLiteral("Step"), QStringLiteral("Envelope")},
                   this)),
      step_(new QLineEdit(this)), storeyTable_(new QTableWidget(0, 8, this)) {
    setWindowTitle(QStringLiteral("Curves"));
    resize(1000, 620);
    folder_->setObjectName(QStringLiteral("resultsFolder"));
    folder_->setMinimumWidth(260);
    joint_->setObjectName(QStringLiteral("joint"));
    pick_->setCheckable(true);
    chartView_->setObjectName(QStringLiteral("chartView"));
    chartView_->setMinimumSize(480, 360);
    periodTable_->setObjectName(QStringLiteral("periodTable"));
    periodTable_->setHorizontalHeaderLabels({QStringLiteral("Mode"), QStringLiteral("Eigenvalue"),
                                             QStringLiteral("Period"), QStringLiteral("Frequency")});
    periodTable_->verticalHeader()->hide();
    periodTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    periodTable_->hide();
    step_->setObjectName(QStringLiteral("step"));
    storeyTable_->setObjectName(QStringLiteral("storeyTable"));
    storeyTable_->setHorizontalHeaderLabels({QStringLiteral("Storey"), QStringLiteral("Bottom"),
                                             QStringLiteral("Top"), QStringLiteral("Height"),
                                             QStringLiteral("Drift X"), QStringLiteral("Drift Y"),
                                             QStringLiteral("Shear X"), QStringLiteral("Shear Y")});
    storeyTable_->verticalHeader()->hide();
    storeyTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    storeyTable_->hide();
    notes_->setObjectName(QStringLiteral("notes"));
    notes_->setWordWrap(true);

    auto* browse = button(QStringLiteral("Browse"), this);
    auto* drawButton = button(QStringLiteral("Draw"), this);
    auto* exportButton = button(QStringLiteral("Export"), this);
    auto* close = button(QStringLiteral("Close"), this);
    connect(browse, &QPushButton::clicked, this, [this] { runGuarded(this, [this] { chooseFolder(); }); });
    connect(drawButton, &QPushButton::clicked, this, [this] { runGuarded(this, [this] { draw(); }); });
    connect(exportButton, &QPushButton::clicked, this,
            [this] { runGuarded(this, [this] { exportCurve(); }); });
    connect(close, &QPushButton::clicked, this, &QWidget::hide);
    connect(kind_, &QComboBox::currentIndexChanged, this, &CurvesWindow::curveKindChanged);
    connect(moment_, &QComboBox::currentIndexChanged, this, &CurvesWindow::curveKindChanged);

    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(folder_, 1);
    folderRow->addWidget(browse);
    auto* jointRow = new QHBoxLayout;
    jointRow->addWidget(joint_, 1);
    jointRow->addWidget(pick_);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Results Folder"), folderRow);
    form->addRow(QStringLiteral("Curve"), kind_);
    auto* jointLabel = new QLabel(QStringLiteral("Joint"));
    jointLabel->setBuddy(joint_);
    form->addRow(jointLabel, jointRow);
    form->addRow(QStringLiteral("Dof"), dof_);
    form->addRow(QStringLiteral("Against"), against_);
    form->addRow(QStringLiteral("Moment"), moment_);
    form->addRow(QStringLiteral("Step"), step_);

    auto* controls = new QVBoxLayout;
    controls->addLayout(form);
    controls->addWidget(drawButton);
    controls->addWidget(exportButton);
    controls->addWidget(notes_);
    controls->addStretch();
    controls->addWidget(close);
    auto* shown = new QVBoxLayout;
    shown->addWidget(chartView_, 3);
    shown->addWidget(periodTable_, 1);
    shown->addWidget(storeyTable_, 1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(controls);
    layout->addLayout(shown, 1);
    curveKindChanged();
}

void CurvesWindow::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        // The folder of a run that ended since the last showing, and the control joint by default.
        if (!session_.lastRunFolder.empty() && session_.lastRunFolder != shownRunFolder_) {
            shownRunFolder_ = session_.lastRunFolder;
            folder_->setText(QFile::decodeName(QByteArray::fromStdString(shownRunFolder_)));
        }
        if (joint_->text().isEmpty())
            joint_->setText(QString::number(session_.analysis.controlNode));
    }
    QWidget::showEvent(event);
}

void CurvesWindow::curveKindChanged() {
    const int kind = kind_->currentIndex();
    joint_->setEnabled(kind == JointHistory || kind == Pushover);
    pick_->setEnabled(joint_->isEnabled());
    dof_->setEnabled(kind != Periods);
    against_->setEnabled(kind == JointHistory || kind == BaseShearHistory);
    moment_->setEnabled(kind == StoreyDrifts);
    step_->setEnabled(kind == StoreyDrifts && moment_->currentIndex() == ChosenStep);
    if (kind == BaseShearHistory)
        against_->setCurrentIndex(1); // a time history's base shear is read against its time
}

bool CurvesWindow::pickingJoint() const {
    return pick_->isChecked() && isVisible();
}

bool CurvesWindow::pickJointAt(int x, int y) {
    const std::int32_t joint = PickJoint(session_.model, x, y);
    if (joint == 0) {
        notes_->setText(QStringLiteral("No joint is drawn there; click on a joint"));
        return false;
    }
    joint_->setText(QString::number(joint));
    pick_->setChecked(false);
    notes_->setText(QStringLiteral("Joint %1 picked").arg(joint));
    return true;
}

void CurvesWindow::chooseFolder() {
    const QString file = fileDialogs().openFileName(this, QString(), QString());
    if (!file.isEmpty())
        folder_->setText(QFile::decodeName(QByteArray::fromStdString(folderOf(pathBytes(file)))));
}

// The boxes are converted first, so a bad one reads nothing and the curve shown stays.
void CurvesWindow::draw() {
    const int kind = kind_->currentIndex();
    const std::string folder = pathBytes(folder_->text());
    if (folder.empty())
        fail("Choose the folder of the recorder files first");
    const int dof = dof_->currentIndex() + 1;
    const Abscissa against = abscissaAt(against_->currentIndex());
    const bool needsJoint = kind == JointHistory || kind == Pushover;
    const std::int32_t joint = needsJoint ? intOfBox(joint_) : 0;
    const bool chosenStep = kind == StoreyDrifts && moment_->currentIndex() == ChosenStep;
    const std::optional<int> step = chosenStep ? std::optional<int>(intOfBox(step_)) : std::nullopt;
    Curve curve;
    std::vector<ModalPeriod> periods;
    std::optional<StoreyProfile> profile;
    switch (kind) {
    case JointHistory:
        curve = jointHistoryCurve(session_.model, folder, joint, dof, against);
        break;
    case Pushover:
        curve = pushoverCurve(session_.model, session_.analysis, folder, joint, dof);
        break;
    case BaseShearHistory:
        curve = baseShearHistory(session_.model, folder, dof, against);
        break;
    case StoreyDrifts: {
        const ProfileMoment moment = moment_->currentIndex() == Envelope ? ProfileMoment::Envelope
                                     : chosenStep                        ? ProfileMoment::Step
                                                  : defaultProfileMoment(session_.analysis);
        profile = storeyProfile(session_.model, session_.analysis, folder, dof, moment, step);
        curve = storeyDriftCurve(*profile, dof);
        curve.notes = profile->notes;
        break;
    }
    default:
        periods = readModalPeriods(folder);
        curve = periodCurve(periods);
        break;
    }
    curve_ = std::move(curve);
    periods_ = std::move(periods);
    profile_ = std::move(profile);
    showChart();
    showPeriods();
    showStoreys();
    QStringList notes;
    for (const std::string& note : curve_->notes)
        notes << fromBytes(note);
    notes_->setText(notes.isEmpty() ? QStringLiteral("%1 points").arg(curve_->x.size()) : notes.join('\n'));
}

void CurvesWindow::showChart() {
    const ChartKind kind = periods_.empty() ? ChartKind::Line : ChartKind::Bars;
    if (profile_)
        chartView_->showCurves(curve_->title, {*curve_}); // a profile reads from zero
    else
        chartView_->showCurve(*curve_, kind);
}

void CurvesWindow::showPeriods() {
    periodTable_->setVisible(!periods_.empty());
    periodTable_->setRowCount(static_cast<int>(periods_.size()));
    for (int row = 0; row < static_cast<int>(periods_.size()); ++row) {
        const ModalPeriod& mode = periods_[static_cast<std::size_t>(row)];
        const std::string cells[] = {formatInt(mode.mode), formatGeneral(mode.eigenvalue),
                                     formatGeneral(mode.period), formatGeneral(mode.frequency)};
        for (int column = 0; column < 4; ++column)
            periodTable_->setItem(row, column, new QTableWidgetItem(fromBytes(cells[column])));
    }
    periodTable_->resizeColumnsToContents();
}

void CurvesWindow::showStoreys() {
    storeyTable_->setVisible(profile_.has_value());
    const std::size_t rows = profile_ ? profile_->storeys.size() : 0;
    storeyTable_->setRowCount(static_cast<int>(rows));
    for (std::size_t row = 0; row < rows; ++row) {
        const StoreyValues& s = profile_->storeys[row];
        const bool shear = profile_->hasShear;
        const std::string cells[] = {formatInt(s.storey),
                                     formatGeneral(s.bottom),
                                     formatGeneral(s.top),
                                     formatGeneral(s.top - s.bottom),
                                     formatGeneral(s.driftX),
                                     formatGeneral(s.driftY),
                                     shear ? formatGeneral(s.shearX) : "",
                                     shear ? formatGeneral(s.shearY) : ""};
        for (int column = 0; column < 8; ++column)
            storeyTable_->setItem(static_cast<int>(row), column,
                                  new QTableWidgetItem(fromBytes(cells[column])));
    }
    storeyTable_->resizeColumnsToContents();
}

void CurvesWindow::exportCurve() {
    if (!curve_)
        fail("Draw a curve before exporting it");
    const QString path = fileDialogs().saveFileName(
        this, QStringLiteral("Curve picture or numbers (*.png *.svg *.csv)"), QStringLiteral("png"));
    if (path.isEmpty())
        return;
    if (path.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive)) {
        saveLinesCrLf(pathBytes(path), profile_           ? storeyProfileCsvLines(*profile_)
                                       : periods_.empty() ? curveCsvLines(*curve_)
                                                          : periodCsvLines(periods_));
        return;
    }
    if (profile_) {
        const QSize size = chartView_->size().expandedTo(QSize(640, 480));
        saveCurvesPicture(curve_->title, {*curve_}, pathBytes(path), size.width(), size.height());
        return;
    }
    const QSize size = chartView_->size().expandedTo(QSize(640, 480));
    saveCurvePicture(*curve_, periods_.empty() ? ChartKind::Line : ChartKind::Bars, pathBytes(path),
                     size.width(), size.height());
}

} // namespace kelvane
