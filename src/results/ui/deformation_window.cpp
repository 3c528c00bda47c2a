#include "results/ui/deformation_window.h"

#include "app/command_guard.h"
#include "app/file_dialogs.h"
#include "app/session.h"
#include "app/widget_names.h"
#include "common/number_format.h"
#include "common/text_file.h"
#include "results/mode_periods.h"
#include "results/result_display.h"
#include "results/section_damage.h"
#include "results/section_results.h"
#include "results/ui/colour_legend.h"
#include "script/ui/form_controls.h"

#include <QComboBox>
#include <QFile>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kelvane {

namespace {

QLineEdit* editBox(const QString& caption, const QString& text, QWidget* parent) {
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(lowerCamelName(caption));
    return edit;
}

QPushButton* button(const QString& caption, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(lowerCamelName(caption) + QStringLiteral("Button"));
    return b;
}

QGroupBox* group(const QString& caption, QWidget* parent) {
    auto* box = new QGroupBox(caption, parent);
    box->setObjectName(lowerCamelName(caption) + QStringLiteral("Group"));
    return box;
}

} // namespace

DeformationWindow::DeformationWindow(Session& session, QWidget* parent)
    : QWidget(parent, Qt::Window), session_(session),
      loadStep_(editBox(QStringLiteral("Load Step"), QStringLiteral("1"), this)),
      scalingFactor_(editBox(QStringLiteral("Scaling Factor"), QStringLiteral("1"), this)),
      modeNum_(editBox(QStringLiteral("Mode Num"), QStringLiteral("1"), this)), modePeriod_(new QLabel(this)),
      deformation_(new QComboBox(this)),
      maxValue_(editBox(QStringLiteral("Max Value"), QStringLiteral("0.0001"), this)),
      minValue_(editBox(QStringLiteral("Min Value"), QStringLiteral("-0.0001"), this)) {
    setWindowTitle(QStringLiteral("Deformation Shape"));

    deformation_->setObjectName(QStringLiteral("deformation"));
    deformation_->addItems(
        {QStringLiteral("Axial Strain"), QStringLiteral("Curvature Kz"), QStringLiteral("Curvature Ky")});

    auto* loadNode = button(QStringLiteral("Load Node Deform Data"), this);
    auto* loadSection = button(QStringLiteral("Load Sec Deform Data"), this);
    auto* loadMode = button(QStringLiteral("Load Mode Shape"), this);
    auto* loadDamage = button(QStringLiteral("Load Damage"), this);
    auto* ok = button(QStringLiteral("OK"), this);
    auto* cancel = button(QStringLiteral("Cancel"), this);
    connect(loadNode, &QPushButton::clicked, this,
            [this] { runGuarded(this, [this] { loadNodeDeformationData(); }); });
    connect(loadSection, &QPushButton::clicked, this,
            [this] { runGuarded(this, [this] { loadSectionDeformationData(); }); });
    connect(loadMode, &QPushButton::clicked, this,
            [this] { runGuarded(this, [this] { loadModeShapeData(); }); });
    connect(loadDamage, &QPushButton::clicked, this,
            [this] { runGuarded(this, [this] { loadDamageData(); }); });
    connect(ok, &QPushButton::clicked, this, [this] { runGuarded(this, [this] { applyAndClose(); }); });
    connect(cancel, &QPushButton::clicked, this, &QWidget::hide);

    auto formGroup = [this](const QString& caption,
                            std::initializer_list<std::pair<QString, QWidget*>> rows) {
        QGroupBox* box = group(caption, this);
        auto* form = new QFormLayout(box);
        for (const auto& [label, field] : rows)
            form->addRow(label, field);
        return box;
    };

    auto* loadButtons = new QVBoxLayout;
    loadButtons->addWidget(loadNode);
    loadButtons->addWidget(loadSection);
    loadButtons->addWidget(loadMode);
    loadButtons->addWidget(loadDamage);
    auto* top = new QHBoxLayout;
    top->addLayout(loadButtons);
    top->addWidget(formGroup(QStringLiteral("Load Step"), {{QStringLiteral("Load Step"), loadStep_}}));

    auto* middle = new QHBoxLayout;
    middle->addWidget(
        formGroup(QStringLiteral("Disp Scaling"), {{QStringLiteral("Scaling Factor"), scalingFactor_}}));
    modePeriod_->setObjectName(QStringLiteral("modePeriod"));
    middle->addWidget(formGroup(QStringLiteral("Modal Shape"), {{QStringLiteral("Mode Num"), modeNum_},
                                                                {QStringLiteral("Period"), modePeriod_}}));

    QGroupBox* section =
        formGroup(QStringLiteral("Section Deformation"), {{QStringLiteral("Deformation"), deformation_},
                                                          {QStringLiteral("Max Value"), maxValue_},
                                                          {QStringLiteral("Min Value"), minValue_}});
    auto* legend = new ColourLegend(session_.colours, this);
    legend->setObjectName(QStringLiteral("legend"));
    static_cast<QFormLayout*>(section->layout())->addRow(QString(), legend);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(middle);
    layout->addWidget(section);
    layout->addLayout(buttons);
}

std::optional<std::string> DeformationWindow::chooseResultFolder() {
    const QString file = fileDialogs().openFileName(this, QString(), QString());
    if (file.isEmpty())
        return std::nullopt;
    return folderOf(QFile::encodeName(file).toStdString());
}

// Each reader converts its boxes before the dialog opens, so a bad box reads nothing.
void DeformationWindow::loadNodeDeformationData() {
    const std::int32_t step = intOfBox(loadStep_);
    if (const auto folder = chooseResultFolder()) {
        nodeFolder_.clear();
        readStepDisplacements(session_.model, session_.results, *folder, step);
        nodeFolder_ = *folder;
    }
}

void DeformationWindow::loadSectionDeformationData() {
    const std::int32_t component = deformation_->currentIndex() + 1;
    const std::int32_t step = intOfBox(loadStep_);
    const auto folder = chooseResultFolder();
    if (!folder)
        return;
    sectionFolder_.clear();
    if (loadSectionDeformation(session_.model, *folder, step, component, session_.analysis,
                               session_.results)) {
        sectionFolder_ = *folder;
        maxValue_->setText(fromBytes(formatGeneral(session_.results.ColourRangeMax)));
        minValue_->setText(fromBytes(formatGeneral(session_.results.ColourRangeMin)));
    }
}

// The period shows what the folder's Periods.txt gives for the mode, or that it has none.
void DeformationWindow::loadModeShapeData() {
    const std::int32_t mode = intOfBox(modeNum_);
    const auto folder = chooseResultFolder();
    if (!folder)
        return;
    modePeriod_->clear();
    const ResultDisplay& results = session_.results;
    if (readModeShape(session_.model, session_.results, *folder, mode))
        modePeriod_->setText(fromBytes(modePeriodText(results.modePeriod, results.modeFrequency)));
    else
        modePeriod_->setText(QStringLiteral("not known (no %1)").arg(QString::fromLatin1(kPeriodsFileName)));
}

// The damaged fiber sections up to the step, with the materials' own strain limits.
void DeformationWindow::loadDamageData() {
    const std::int32_t step = intOfBox(loadStep_);
    const auto folder = chooseResultFolder();
    if (!folder)
        return;
    damageFolder_.clear();
    showDamage(readSectionDamage(session_.model, session_.analysis, *folder, step, DamageLimits{}),
               session_.results);
    damageFolder_ = *folder;
}

// OK shows the step in the "Load Step" box: results this window read at another step are read again
// at that one from the same folder.
void DeformationWindow::applyAndClose() {
    const std::int32_t step = intOfBox(loadStep_);
    ResultDisplay& results = session_.results;
    if (!nodeFolder_.empty() && results.displacementStep != 0 && results.displacementStep != step)
        readStepDisplacements(session_.model, results, nodeFolder_, step);
    if (!sectionFolder_.empty() && results.sectionStep != 0 && results.sectionStep != step &&
        loadSectionDeformation(session_.model, sectionFolder_, step, results.sectionComponent,
                               session_.analysis, results)) {
        maxValue_->setText(fromBytes(formatGeneral(results.ColourRangeMax)));
        minValue_->setText(fromBytes(formatGeneral(results.ColourRangeMin)));
    }
    if (!damageFolder_.empty() && results.damage.step != 0 && results.damage.step != step)
        showDamage(readSectionDamage(session_.model, session_.analysis, damageFolder_, step, DamageLimits{}),
                   results);
    applyResultDisplay(session_.results, toBytes(maxValue_->text()), toBytes(minValue_->text()),
                       toBytes(scalingFactor_->text()));
    emit redrawRequested();
    hide();
}

} // namespace kelvane
