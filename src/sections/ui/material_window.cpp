#include "sections/ui/material_window.h"

#include "app/session.h"
#include "app/widget_names.h"
#include "common/number_format.h"
#include "tcl/ui/form_controls.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace kelvane {

MaterialWindow::MaterialWindow(Session& session, QWidget* parent)
    : QWidget(parent, Qt::Window), session_(session) {
    setWindowTitle(QStringLiteral("Material Data"));

    materialList_ = new QListWidget;
    materialList_->setObjectName(QStringLiteral("materialList"));
    name_ = makeEdit(QStringLiteral("name"), true);
    model_ = makeList(QStringLiteral("model"),
                      {QStringLiteral("Elastic"), QStringLiteral("Steel01"), QStringLiteral("Concrete01"),
                       QStringLiteral("Steel02"), QStringLiteral("Concrete02")});
    e_ = makeEdit(QStringLiteral("e"));
    g_ = makeEdit(QStringLiteral("g"));
    nu_ = makeEdit(QStringLiteral("nu"));

    auto* elastic = new QGroupBox(QStringLiteral("Material Properties(Elastic)"));
    auto* form = new QFormLayout(elastic);
    form->addRow(QStringLiteral("Name"), name_);
    form->addRow(QStringLiteral("Type"), model_);
    form->addRow(QStringLiteral("Elastic Modulus"), e_);
    form->addRow(QStringLiteral("Shear Modulus"), g_);
    form->addRow(QStringLiteral("Posson's Ratio"), nu_);
    auto* nonlinear = new QGroupBox(QStringLiteral("Nonlinear Material Setting"));
    nonlinear->setMinimumHeight(120);

    QPushButton* closeButton = makeButton(QStringLiteral("Close"), QStringLiteral("closeButton"));
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    connect(materialList_, &QListWidget::currentRowChanged, this, [this](int row) { showMaterial(row + 1); });

    auto* left = new QVBoxLayout;
    left->addWidget(elastic);
    left->addWidget(nonlinear, 1);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 1);
    columns->addWidget(materialList_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(closeButton, 0, Qt::AlignRight);
}

void MaterialWindow::showEvent(QShowEvent* event) {
    if (!event->spontaneous())
        fillList();
    QWidget::showEvent(event);
}

void MaterialWindow::fillList() {
    const ModelStore& model = session_.model;
    const QSignalBlocker blocker(materialList_);
    materialList_->clear();
    for (int m = 1; m <= countOf(model.materialCount); ++m)
        materialList_->addItem(fromBytes(model.materials[static_cast<std::size_t>(m)].name));
    if (materialList_->count() > 0) {
        materialList_->setCurrentRow(0);
        showMaterial(1);
        return;
    }
    // No material of an earlier model stays on show.
    for (QLineEdit* box : {name_, e_, g_, nu_})
        box->clear();
    model_->setCurrentIndex(0);
}

void MaterialWindow::showMaterial(int k) {
    if (k < 1 || k > countOf(session_.model.materialCount))
        return;
    const TMAT& m = session_.model.materials[static_cast<std::size_t>(k)];
    name_->setText(fromBytes(m.name));
    selectByCode(model_, m.model);
    e_->setText(fromBytes(formatF(m.e, 0)));
    g_->setText(fromBytes(formatF(m.g, 0)));
    nu_->setText(fromBytes(formatF(m.nu, 3)));
}

} // namespace kelvane
