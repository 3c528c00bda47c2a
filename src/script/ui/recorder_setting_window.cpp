#include "script/ui/recorder_setting_window.h"

#include "app/session.h"
#include "script/ui/form_controls.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace kelvane {

namespace {

QCheckBox* addCheck(const QString& caption, const QString& name, QLayout* into) {
    QCheckBox* check = makeCheck(caption, name);
    into->addWidget(check);
    return check;
}

} // namespace

RecorderSettingWindow::RecorderSettingWindow(Session& session, QWidget* parent)
    : QWidget(parent, Qt::Window), session_(session) {
    setWindowTitle(QStringLiteral("Recorder Setting"));

    auto* group = new QGroupBox(QStringLiteral("Output(Recorder Setting)"));
    auto* boxes = new QVBoxLayout(group);
    nodeDisplacement_ =
        addCheck(QStringLiteral("Displacement of All Nodes"), QStringLiteral("nodeDisplacement"), boxes);
    elementForce_ =
        addCheck(QStringLiteral("Element Force of All Frames"), QStringLiteral("elementForce"), boxes);
    sectionDeformation_ = addCheck(QStringLiteral("Force/Disp Beam Column Section Deformation"),
                                   QStringLiteral("sectionDeformation"), boxes);
    sectionStressStrain_ = addCheck(QStringLiteral("Force/Disp Beam Column Section Stress-Strain"),
                                    QStringLiteral("sectionStressStrain"), boxes);
    modalShape_ = addCheck(QStringLiteral("Modal Shape"), QStringLiteral("modalShape"), boxes);
    baseReactions_ = addCheck(QStringLiteral("Base Reactions"), QStringLiteral("baseReactions"), boxes);

    QPushButton* okButton = makeButton(QStringLiteral("OK"), QStringLiteral("okButton"));
    connect(okButton, &QPushButton::clicked, this, &RecorderSettingWindow::storeSettings);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(okButton, 0, Qt::AlignRight);
}

void RecorderSettingWindow::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        const RecorderSettings& settings = session_.recorders;
        nodeDisplacement_->setChecked(settings.nodeDisplacement);
        elementForce_->setChecked(settings.elementForce);
        sectionDeformation_->setChecked(settings.sectionDeformation);
        sectionStressStrain_->setChecked(settings.sectionStressStrain);
        modalShape_->setChecked(settings.modalShape);
        baseReactions_->setChecked(settings.baseReactions);
    }
    QWidget::showEvent(event);
}

void RecorderSettingWindow::storeSettings() {
    RecorderSettings& settings = session_.recorders;
    settings.nodeDisplacement = nodeDisplacement_->isChecked();
    settings.elementForce = elementForce_->isChecked();
    settings.sectionDeformation = sectionDeformation_->isChecked();
    settings.sectionStressStrain = sectionStressStrain_->isChecked();
    settings.modalShape = modalShape_->isChecked();
    settings.baseReactions = baseReactions_->isChecked();
    close();
}

} // namespace kelvane
