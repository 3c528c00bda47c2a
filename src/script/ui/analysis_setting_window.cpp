#include "script/ui/analysis_setting_window.h"

#include "app/command_guard.h"
#include "app/file_dialogs.h"
#include "app/session.h"
#include "app/widget_names.h"
#include "app/window_fit.h"
#include "common/number_format.h"
#include "common/number_parse.h"
#include "script/ground_motion_file.h"
#include "script/load_combination.h"
#include "script/setting_use.h"
#include "script/settings_by_name.h"
#include "script/ui/form_controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>
#include <algorithm>

namespace kelvane {

namespace {

QGroupBox* makeGroup(const QString& caption, QFormLayout*& form) {
    auto* group = new QGroupBox(caption);
    form = new QFormLayout(group);
    return group;
}

QGroupBox* makeCheckGroup(const QString& caption, QCheckBox* check) {
    auto* group = new QGroupBox(caption);
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(check);
    return group;
}

void fillWithLoadCases(QComboBox* list, const ModelStore& model) {
    list->clear();
    const int cases = loadCaseNameCount(model);
    for (int c = 1; c <= cases; ++c)
        list->addItem(fromBytes(model.loadCaseNames[static_cast<std::size_t>(c)]));
}

std::int32_t integerOf(const QLineEdit* edit) {
    return intOfBox(edit);
}
double realOf(const QLineEdit* edit) {
    return realOfBox(edit);
}

// The unit a box's setting has in the model's units (from the table of settings), else `hint`.
QString unitOf(const QWidget* box, const char* hint) {
    const std::string unit = settingUnit(toBytes(box->objectName()));
    return unit.empty() ? QString::fromUtf8(hint) : fromBytes(unit);
}

// "= 500 mm after 100 steps": what the displacement-controlled stage reaches.
QString controlTarget(const QLineEdit* increment, const QLineEdit* steps) {
    const std::optional<double> perStep = tryParseReal(toBytes(increment->text()));
    const std::optional<std::int32_t> count = tryParseInt(toBytes(steps->text()));
    if (!perStep || !count)
        return QStringLiteral("target: steps x increment");
    return QStringLiteral("target %1 %2 after %3 steps")
        .arg(fromBytes(formatGeneral(*perStep * *count)), unitOf(increment, ""))
        .arg(*count);
}

} // namespace

AnalysisSettingWindow::AnalysisSettingWindow(Session& session, QWidget* parent)
    : QWidget(parent, Qt::Window), session_(session) {
    setWindowTitle(QStringLiteral("Analysis Setting"));

    analysisType_ =
        makeList(QStringLiteral("analysisType"),
                 {QStringLiteral("Single Load Control"), QStringLiteral("Single Displacement Control"),
                  QStringLiteral("Gravity+PushOver"), QStringLiteral("Modal Analysis"),
                  QStringLiteral("Time History Analysis"), QStringLiteral("D+L+Time Hist Analysis"),
                  QStringLiteral("MultipleSupport Excitation")});
    loadControlCase_ = makeList(QStringLiteral("loadControlCase"));
    loadSteps_ = makeEdit(QStringLiteral("loadSteps"));
    loadFactor_ = makeEdit(QStringLiteral("loadFactor"));
    dispControlCase_ = makeList(QStringLiteral("dispControlCase"));
    controlNode_ = makeEdit(QStringLiteral("controlNode"));
    controlDisp_ = makeEdit(QStringLiteral("controlDisp"));
    controlDof_ = makeEdit(QStringLiteral("controlDof"));
    dispSteps_ = makeEdit(QStringLiteral("dispSteps"));
    numIntgrPts_ = makeEdit(QStringLiteral("numIntgrPts"));
    rebarMaterial_ = makeEdit(QStringLiteral("rebarMaterial"));
    useAggregator_ =
        makeCheck(QStringLiteral("Torsional Constant and Shear Area"), QStringLiteral("useAggregator"));
    modalNumber_ = makeEdit(QStringLiteral("modalNumber"));
    modalNumber_->setText(QStringLiteral("12"));
    genPlateFiber_ =
        makeCheck(QStringLiteral("Gen ND Material Plate Fiber Information"), QStringLiteral("genPlateFiber"));
    genMass_ = makeCheck(QStringLiteral("Gen Mass Information"), QStringLiteral("genMass"));
    gmFile_ = makeEdit(QStringLiteral("gmFile"));
    gmDt_ = makeEdit(QStringLiteral("gmDt"));
    gmFactor_ = makeEdit(QStringLiteral("gmFactor"));
    gmDirection_ = makeEdit(QStringLiteral("gmDirection"));
    thDt_ = makeEdit(QStringLiteral("thDt"));
    thSteps_ = makeEdit(QStringLiteral("thSteps"));
    dampingRatio_ = makeEdit(QStringLiteral("dampingRatio"));
    dampingMode_ = makeEdit(QStringLiteral("dampingMode"));
    gravityCases_ = makeEdit(QStringLiteral("gravityCases"));
    gravityCases_->setPlaceholderText(QStringLiteral("the load case above, or DEAD:1.0,LIVE:0.25"));
    pushPattern_ = makeList(QStringLiteral("pushPattern"),
                            {QStringLiteral("Load Vector"), QStringLiteral("First Mode (Mass x Mode Shape)"),
                             QStringLiteral("Uniform (Mass)")});
    stepTolerance_ = makeEdit(QStringLiteral("stepTolerance"));
    stepIterations_ = makeEdit(QStringLiteral("stepIterations"));
    minStepFraction_ = makeEdit(QStringLiteral("minStepFraction"));
    elementIterations_ = makeEdit(QStringLiteral("elementIterations"));
    capacityDrop_ = makeEdit(QStringLiteral("capacityDrop"));
    collapseDrift_ = makeEdit(QStringLiteral("collapseDrift"));

    auto* top = new QFormLayout;
    top->addRow(QStringLiteral("Analysis Type"), analysisType_);

    QFormLayout* form = nullptr;
    QGroupBox* loadControl = makeGroup(QStringLiteral("Load Control Case (Const)"), form);
    form->addRow(QStringLiteral("Load Case"), loadControlCase_);
    addRowWithUnit(form, QStringLiteral("Load Steps"), loadSteps_, QStringLiteral("steps"));
    addRowWithUnit(form, QStringLiteral("Load Factor"), loadFactor_,
                   QStringLiteral("x case loads at the last step"));
    addRowWithUnit(form, QStringLiteral("Combination"), gravityCases_, QStringLiteral("CASE:FACTOR,..."));

    QGroupBox* dispControl = makeGroup(QStringLiteral("Disp Control Case (Linear)"), form);
    form->addRow(QStringLiteral("Push Pattern"), pushPattern_);
    form->addRow(QStringLiteral("Load Vector"), dispControlCase_);
    addRowWithUnit(form, QStringLiteral("Control Node"), controlNode_, QStringLiteral("joint"));
    addRowWithUnit(form, QStringLiteral("Control Disp per Step"), controlDisp_,
                   unitOf(controlDisp_, "") + QStringLiteral(" per step"));
    addRowWithUnit(form, QStringLiteral("Control Dof"), controlDof_, QStringLiteral("1 UX, 2 UY, 3 UZ"));
    addRowWithUnit(form, QStringLiteral("Analysis Step"), dispSteps_, QStringLiteral("steps"));
    auto* target = new QLabel;
    target->setObjectName(QStringLiteral("controlTarget"));
    form->addRow(QString(), target);
    const auto showTarget = [this, target] { target->setText(controlTarget(controlDisp_, dispSteps_)); };
    connect(controlDisp_, &QLineEdit::textChanged, this, showTarget);
    connect(dispSteps_, &QLineEdit::textChanged, this, showTarget);

    QGroupBox* nonlinear = makeGroup(QStringLiteral("Nonlinear Setting"), form);
    addRowWithUnit(form, QStringLiteral("Force/Disp Beam Column numIntgrPts"), numIntgrPts_,
                   QStringLiteral("points"));
    addRowWithUnit(form, QStringLiteral("Rebar Material Number"), rebarMaterial_, QStringLiteral("material"));

    QGroupBox* stepControl = makeGroup(QStringLiteral("Step Control (Nonlinear Materials)"), form);
    form->addRow(QStringLiteral("Test Tolerance (0 Automatic)"), stepTolerance_);
    form->addRow(QStringLiteral("Test Iterations"), stepIterations_);
    form->addRow(QStringLiteral("Smallest Step Fraction"), minStepFraction_);
    form->addRow(QStringLiteral("Element Iterations (0 Default)"), elementIterations_);
    form->addRow(QStringLiteral("Capacity at Base Shear / Peak"), capacityDrop_);
    form->addRow(QStringLiteral("Collapse at Storey Drift Ratio"), collapseDrift_);

    QGroupBox* modal = makeGroup(QStringLiteral("Modal Number"), form);
    addRowWithUnit(form, QStringLiteral("Modal Number"), modalNumber_, QStringLiteral("mode shapes"));

    QGroupBox* groundMotion = makeGroup(QStringLiteral("Ground Motion (Time History)"), form);
    auto* browse = makeButton(QStringLiteral("Browse..."), QStringLiteral("gmFileBrowse"));
    connect(browse, &QPushButton::clicked, this, [this] { runGuarded(this, [this] { chooseRecord(); }); });
    auto* recordRow = new QHBoxLayout;
    recordRow->addWidget(gmFile_, 1);
    recordRow->addWidget(browse);
    form->addRow(QStringLiteral("Record File"), recordRow);
    addRowWithUnit(form, QStringLiteral("Record Time Step"), gmDt_, unitOf(gmDt_, ""));
    addRowWithUnit(form, QStringLiteral("Record Factor"), gmFactor_,
                   QString::fromUtf8("x record, to mm/s\u00B2"));
    form->addRow(QStringLiteral("Direction (1 X, 2 Y, 3 Z)"), gmDirection_);
    addRowWithUnit(form, QStringLiteral("Analysis Time Step"), thDt_, unitOf(thDt_, ""));
    addRowWithUnit(form, QStringLiteral("Analysis Steps"), thSteps_, QStringLiteral("steps"));
    addRowWithUnit(form, QStringLiteral("Damping Ratio"), dampingRatio_,
                   QStringLiteral("of critical (0.05 = 5 %)"));

    addRowWithUnit(form, QStringLiteral("Damping Second Mode"), dampingMode_,
                   QStringLiteral("mode (0: where 90 % of the mass is reached)"));
    // Boxes the chosen procedure does not read cannot be edited.
    const auto enableForType = [this, browse](int index) {
        for (std::string_view name : settingNames())
            if (auto* box = findChild<QWidget*>(
                    QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()))))
                box->setEnabled(settingUsedBy(name, index + 1));
        browse->setEnabled(gmFile_->isEnabled());
    };
    connect(analysisType_, &QComboBox::currentIndexChanged, this, enableForType);
    enableForType(analysisType_->currentIndex());

    auto* okButton = new QPushButton(QStringLiteral("OK"));
    okButton->setObjectName(QStringLiteral("okButton"));
    connect(okButton, &QPushButton::clicked, this, [this] { runGuarded(this, [this] { storeSettings(); }); });

    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    layout->addLayout(top);
    layout->addWidget(loadControl);
    layout->addWidget(dispControl);
    layout->addWidget(nonlinear);
    layout->addWidget(stepControl);
    layout->addWidget(makeCheckGroup(QStringLiteral("Section Aggregator"), useAggregator_));
    layout->addWidget(modal);
    layout->addWidget(makeCheckGroup(QStringLiteral("Gen ND material"), genPlateFiber_));
    layout->addWidget(makeCheckGroup(QStringLiteral("Gen Node Mass"), genMass_));
    layout->addWidget(groundMotion);
    auto* below = new QHBoxLayout;
    below->addStretch(1);
    below->addWidget(okButton);
    setScrollingContent(this, content, below);
}

void AnalysisSettingWindow::showEvent(QShowEvent* event) {
    // A window restored by the desktop keeps what the user has typed.
    if (!event->spontaneous())
        fillFromSettings();
    QWidget::showEvent(event);
}

void AnalysisSettingWindow::fillFromSettings() {
    const AnalysisSettings& settings = session_.analysis;
    fillWithLoadCases(loadControlCase_, session_.model);
    fillWithLoadCases(dispControlCase_, session_.model);
    selectByCode(analysisType_, settings.analysisType);
    selectByCode(loadControlCase_, settings.loadControlCase);
    selectByCode(dispControlCase_, settings.dispControlCase);
    loadSteps_->setText(fromBytes(formatInt(settings.loadSteps)));
    loadFactor_->setText(fromBytes(formatE3(settings.loadFactor)));
    controlNode_->setText(fromBytes(formatInt(settings.controlNode)));
    controlDisp_->setText(fromBytes(formatE3(settings.controlDisp)));
    controlDof_->setText(fromBytes(formatInt(settings.controlDof)));
    dispSteps_->setText(fromBytes(formatInt(settings.dispSteps)));
    numIntgrPts_->setText(fromBytes(formatInt(settings.numIntgrPts)));
    rebarMaterial_->setText(fromBytes(formatInt(settings.rebarMaterial)));
    // "Modal Number" keeps its own text from one showing to the next.
    useAggregator_->setChecked(settings.useAggregator);
    genPlateFiber_->setChecked(settings.genPlateFiber);
    genMass_->setChecked(settings.genMass);
    gmFile_->setText(fromBytes(settings.gmFile));
    gmDt_->setText(fromBytes(formatRoundTrip(settings.gmDt)));
    gmFactor_->setText(fromBytes(formatRoundTrip(settings.gmFactor)));
    gmDirection_->setText(fromBytes(formatInt(settings.gmDirection)));
    thDt_->setText(fromBytes(formatRoundTrip(settings.thDt)));
    thSteps_->setText(fromBytes(formatInt(settings.thSteps)));
    dampingRatio_->setText(fromBytes(formatRoundTrip(settings.dampingRatio)));
    dampingMode_->setText(fromBytes(formatInt(settings.dampingMode)));
    gravityCases_->setText(fromBytes(settings.gravityCases));
    selectByCode(pushPattern_, settings.pushPattern + 1);
    stepTolerance_->setText(fromBytes(formatRoundTrip(settings.stepTolerance)));
    stepIterations_->setText(fromBytes(formatInt(settings.stepIterations)));
    minStepFraction_->setText(fromBytes(formatRoundTrip(settings.minStepFraction)));
    elementIterations_->setText(fromBytes(formatInt(settings.elementIterations)));
    capacityDrop_->setText(fromBytes(formatRoundTrip(settings.capacityDrop)));
    collapseDrift_->setText(fromBytes(formatRoundTrip(settings.collapseDrift)));
}

// Stores field by field; a box that does not convert stops here, leaving the fields before it
// stored and the window open.
void AnalysisSettingWindow::storeSettings() {
    AnalysisSettings& settings = session_.analysis;
    settings.loadSteps = integerOf(loadSteps_);
    settings.loadFactor = realOf(loadFactor_);
    settings.loadControlCase = selectedCode(loadControlCase_);
    settings.dispControlCase = selectedCode(dispControlCase_);
    settings.analysisType = selectedCode(analysisType_);
    settings.rebarMaterial = integerOf(rebarMaterial_);
    settings.numIntgrPts = integerOf(numIntgrPts_);
    settings.dispSteps = integerOf(dispSteps_);
    settings.controlDof = integerOf(controlDof_);
    settings.controlDisp = realOf(controlDisp_);
    settings.controlNode = integerOf(controlNode_);
    settings.useAggregator = useAggregator_->isChecked();
    settings.modalNumber = integerOf(modalNumber_);
    settings.genPlateFiber = genPlateFiber_->isChecked();
    settings.genMass = genMass_->isChecked();
    const std::string record = toBytes(gmFile_->text());
    checkRecordFileName(record);
    settings.gmFile = record;
    settings.gmDt = realOf(gmDt_);
    settings.gmFactor = realOf(gmFactor_);
    settings.gmDirection = integerOf(gmDirection_);
    settings.thDt = realOf(thDt_);
    settings.thSteps = integerOf(thSteps_);
    settings.dampingRatio = realOf(dampingRatio_);
    settings.dampingMode = integerOf(dampingMode_);
    const std::string combination = toBytes(gravityCases_->text());
    checkLoadCombination(combination);
    settings.gravityCases = combination;
    settings.pushPattern = std::max(selectedCode(pushPattern_) - 1, 0);
    settings.stepTolerance = realOf(stepTolerance_);
    settings.stepIterations = integerOf(stepIterations_);
    settings.minStepFraction = realOf(minStepFraction_);
    settings.elementIterations = integerOf(elementIterations_);
    settings.capacityDrop = realOf(capacityDrop_);
    settings.collapseDrift = realOf(collapseDrift_);
    close();
}

void AnalysisSettingWindow::chooseRecord() {
    const QString path = fileDialogs().openFileName(
        this, QStringLiteral("Ground motion record (*.txt *.AT2 *.at2);;All files (*)"), QString());
    if (!path.isEmpty())
        gmFile_->setText(path);
}

} // namespace kelvane
