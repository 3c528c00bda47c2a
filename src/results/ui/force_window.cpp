#include "results/ui/force_window.h"

#include "app/command_guard.h"
#include "app/file_dialogs.h"
#include "app/session.h"
#include "app/widget_names.h"
#include "common/number_format.h"
#include "common/text_file.h"
#include "results/result_display.h"
#include "script/ui/form_controls.h"
#include "viewer/force_diagram.h"

#include <QComboBox>
#include <QFile>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kelvane {

namespace {

QPushButton* button(const QString& caption, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(lowerCamelName(caption) + QStringLiteral("Button"));
    return b;
}

} // namespace

ForceWindow::ForceWindow(Session& session, QWidget* parent)
    : QWidget(parent, Qt::Window), session_(session), loadStep_(new QLineEdit(QStringLiteral("1"), this)),
      component_(new QComboBox(this)), units_(new QComboBox(this)),
      diagramSize_(new QLineEdit(fromBytes(formatGeneral(session.results.forces.fraction)), this)) {
    setWindowTitle(QStringLiteral("Member Force"));
    loadStep_->setObjectName(QStringLiteral("loadStep"));
    diagramSize_->setObjectName(QStringLiteral("diagramSize"));
    component_->setObjectName(QStringLiteral("component"));
    for (std::int32_t c = ForceN; c <= ForceM3; ++c)
        component_->addItem(fromBytes(forceComponentName(c)));
    component_->setCurrentIndex(ForceM3 - 1);
    units_->setObjectName(QStringLiteral("units"));
    units_->addItems({fromBytes(forceUnitName(ForceN, UnitsNewtonMillimetre) + ", " +
                                forceUnitName(ForceM3, UnitsNewtonMillimetre)),
                      fromBytes(forceUnitName(ForceN, UnitsKilonewtonMetre) + ", " +
                                forceUnitName(ForceM3, UnitsKilonewtonMetre))});

    auto* load = button(QStringLiteral("Load Force Data"), this);
    auto* ok = button(QStringLiteral("OK"), this);
    auto* none = button(QStringLiteral("No Diagram"), this);
    auto* cancel = button(QStringLiteral("Cancel"), this);
    connect(load, &QPushButton::clicked, this, [this] { runGuarded(this, [this] { loadForceData(); }); });
    connect(ok, &QPushButton::clicked, this, [this] { runGuarded(this, [this] { applyAndClose(); }); });
    connect(none, &QPushButton::clicked, this, [this] { runGuarded(this, [this] { hideDiagram(); }); });
    connect(cancel, &QPushButton::clicked, this, &QWidget::hide);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Load Step"), loadStep_);
    form->addRow(QStringLiteral("Component"), component_);
    form->addRow(QStringLiteral("Units"), units_);
    form->addRow(QStringLiteral("Diagram Size"), diagramSize_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(none);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(load);
    layout->addLayout(form);
    layout->addLayout(buttons);
}

// The step is converted before the dialog opens, so a bad box reads nothing.
void ForceWindow::loadForceData() {
    const std::int32_t step = intOfBox(loadStep_);
    const QString file = fileDialogs().openFileName(this, QString(), QString());
    if (file.isEmpty())
        return;
    readFrameForces(session_.model, session_.results, folderOf(QFile::encodeName(file).toStdString()), step);
}

void ForceWindow::applyAndClose() {
    applyForceDiagram(session_.results.forces, component_->currentIndex() + 1, units_->currentIndex() + 1,
                      toBytes(diagramSize_->text()));
    emit redrawRequested();
    hide();
}

void ForceWindow::hideDiagram() {
    session_.results.forces.component = ForceNone;
    emit redrawRequested();
}

} // namespace kelvane
