#include "sections/ui/material_window.h"

#include "app/command_guard.h"
#include "app/pending_edits.h"
#include "app/session.h"
#include "app/widget_names.h"
#include "common/number_format.h"
#include "materials/material_defaults.h"
#include "materials/material_edit.h"
#include "materials/material_fields.h"
#include "materials/material_models.h"
#include "script/ui/form_controls.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace kelvane {
namespace {

constexpr const char* kDefaultsText =
    "Defaults (N, mm): steel Fy = the file's yield stress, E0 = E, b = 0.01, R0 = 18, cR1 = 0.925, "
    "cR2 = 0.15; concrete fpc = the file's strength, else from E = 4700 \u221Afpc, epsc0 = 2 fpc / E, "
    "fpcu = 0.2 fpc, epsU = 0.0035, lambda = 0.1, ft = 0.14 fpc, Ets = ft / 0.002. Concrete values are "
    "entered as magnitudes; the script writes them negative.";

} // namespace

MaterialWindow::MaterialWindow(Session& session, QWidget* parent)
    : QWidget(parent, Qt::Window), session_(session) {
    setWindowTitle(QStringLiteral("Material Data"));

    materialList_ = new QListWidget;
    materialList_->setObjectName(QStringLiteral("materialList"));
    name_ = makeEdit(QStringLiteral("name"), true);
    QStringList modelNames;
    for (const MaterialModelInfo& model : materialModels())
        modelNames << QString::fromLatin1(model.name.data(), static_cast<int>(model.name.size()));
    model_ = makeList(QStringLiteral("model"), modelNames);
    e_ = makeEdit(QStringLiteral("e"), true);
    g_ = makeEdit(QStringLiteral("g"), true);
    nu_ = makeEdit(QStringLiteral("nu"), true);

    auto* elastic = new QGroupBox(QStringLiteral("Material Properties(Elastic)"));
    auto* form = new QFormLayout(elastic);
    form->addRow(QStringLiteral("Name"), name_);
    form->addRow(QStringLiteral("Type"), model_);
    const QString stress = QString::fromUtf8("N/mm\u00B2");
    addRowWithUnit(form, QStringLiteral("Elastic Modulus"), e_, stress);
    addRowWithUnit(form, QStringLiteral("Shear Modulus"), g_, stress);
    form->addRow(QStringLiteral("Poisson's Ratio"), nu_);

    auto* nonlinear = new QGroupBox(QStringLiteral("Nonlinear Material Setting"));
    auto* nonlinearLayout = new QVBoxLayout(nonlinear);
    parameterForm_ = new QFormLayout;
    nonlinearLayout->addLayout(parameterForm_);
    nonlinearLayout->addStretch(1);
    // Room for the seven parameters of Concrete02.
    nonlinear->setMinimumHeight(250);
    defaultsNote_ = new QLabel(QString::fromUtf8(kDefaultsText));
    defaultsNote_->setWordWrap(true);
    defaultsNote_->setObjectName(QStringLiteral("defaultsNote"));

    notes_ = new QLabel;
    notes_->setObjectName(QStringLiteral("notes"));
    notes_->setWordWrap(true);
    newName_ = makeEdit(QStringLiteral("newName"));
    newName_->setPlaceholderText(QStringLiteral("name of a new material"));

    QPushButton* addButton = makeButton(QStringLiteral("Add"), QStringLiteral("addButton"));
    QPushButton* removeButton = makeButton(QStringLiteral("Remove"), QStringLiteral("removeButton"));
    QPushButton* defaultsButton =
        makeButton(QStringLiteral("Nonlinear Defaults"), QStringLiteral("defaultsButton"));
    defaultsButton->setToolTip(
        QStringLiteral("Every concrete to Concrete02 and every steel or rebar to Steel02, "
                       "with the defaults below"));
    QPushButton* okButton = makeButton(QStringLiteral("OK"), QStringLiteral("okButton"));
    QPushButton* closeButton = makeButton(QStringLiteral("Close"), QStringLiteral("closeButton"));
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    connect(okButton, &QPushButton::clicked, this, &MaterialWindow::okCommand);
    connect(addButton, &QPushButton::clicked, this, &MaterialWindow::addMaterialCommand);
    connect(removeButton, &QPushButton::clicked, this, &MaterialWindow::removeMaterialCommand);
    connect(defaultsButton, &QPushButton::clicked, this, &MaterialWindow::nonlinearDefaultsCommand);
    connect(materialList_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (settlePendingEdits()) {
            showMaterial(row + 1);
            return;
        }
        const QSignalBlocker blocker(materialList_);
        materialList_->setCurrentRow(shownMaterial_ - 1);
    });
    connect(model_, &QComboBox::activated, this,
            [this](int index) { showParameters(selected(), index + 1); });

    auto* left = new QVBoxLayout;
    left->addWidget(elastic);
    left->addWidget(nonlinear, 1);
    auto* right = new QVBoxLayout;
    right->addWidget(materialList_, 1);
    right->addWidget(newName_);
    auto* listButtons = new QHBoxLayout;
    listButtons->addWidget(addButton);
    listButtons->addWidget(removeButton);
    right->addLayout(listButtons);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(right);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(defaultsButton);
    buttons->addStretch(1);
    buttons->addWidget(okButton);
    buttons->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addWidget(defaultsNote_);
    layout->addWidget(notes_);
    layout->addLayout(buttons);
    resize(720, 600);
}

void MaterialWindow::closeEvent(QCloseEvent* event) {
    if (!settlePendingEdits()) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

bool MaterialWindow::settlePendingEdits() {
    if (shownMaterial_ < 1 || shownMaterial_ > countOf(session_.model.materialCount) ||
        formFingerprint(this, newName_) == shownValues_)
        return true;
    const QString name = fromBytes(session_.model.materials[static_cast<std::size_t>(shownMaterial_)].name);
    switch (askAboutPendingEdits(
        this, QStringLiteral("The changes to material %1 are not stored yet. Apply them?").arg(name))) {
    case PendingEdits::Apply:
        return storeMaterial(shownMaterial_);
    case PendingEdits::Discard:
        shownValues_ = formFingerprint(this, newName_);
        return true;
    case PendingEdits::Cancel:
        break;
    }
    return false;
}

void MaterialWindow::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        notes_->clear();
        fillList();
    }
    QWidget::showEvent(event);
}

int MaterialWindow::selected() const {
    return materialList_->currentRow() + 1;
}

void MaterialWindow::fillList(int select) {
    const ModelStore& model = session_.model;
    const QSignalBlocker blocker(materialList_);
    materialList_->clear();
    shownMaterial_ = 0;
    for (int m = 1; m <= countOf(model.materialCount); ++m)
        materialList_->addItem(fromBytes(model.materials[static_cast<std::size_t>(m)].name));
    if (materialList_->count() > 0) {
        const int row = std::clamp(select, 1, materialList_->count());
        materialList_->setCurrentRow(row - 1);
        showMaterial(row);
        return;
    }
    // No material of an earlier model stays on show.
    for (QLineEdit* box : {name_, e_, g_, nu_})
        box->clear();
    model_->setCurrentIndex(0);
    showParameters(0, ModelElastic);
}

void MaterialWindow::showMaterial(int k) {
    if (k < 1 || k > countOf(session_.model.materialCount))
        return;
    const TMAT& m = session_.model.materials[static_cast<std::size_t>(k)];
    name_->setText(fromBytes(m.name));
    selectByCode(model_, m.model);
    // The model file's own materials show its moduli as whole numbers; an added one is edited, so
    // its boxes hold the exact values.
    const auto modulus = [&](double value) {
        return fromBytes(m.added ? formatGeneral(value) : formatF(value, 0));
    };
    e_->setText(modulus(m.e));
    g_->setText(fromBytes(formatF(m.g, 0)));
    nu_->setText(fromBytes(m.added ? formatGeneral(m.nu) : formatF(m.nu, 3)));
    for (QLineEdit* box : {name_, e_, nu_})
        box->setReadOnly(!m.added);
    showParameters(k, m.model);
    shownMaterial_ = k;
    shownValues_ = formFingerprint(this, newName_);
}

// The boxes of the model's parameters, each with its unit and its meaning.
void MaterialWindow::showParameters(int k, int model) {
    while (parameterForm_->rowCount() > 0)
        parameterForm_->removeRow(0);
    if (k < 1 || k > countOf(session_.model.materialCount) || model < ModelElastic || model > ModelConcrete02)
        return;
    const TMAT& material = session_.model.materials[static_cast<std::size_t>(k)];
    const MaterialParameters values = parametersToShow(material, model);
    // Where each default comes from; a material the user added has defaults of no file.
    const std::vector<DefaultSource> sources =
        material.added ? std::vector<DefaultSource>{} : defaultSources(material, model);
    for (const MaterialParameterInfo& parameter : materialModelInfo(model).parameters) {
        const QString name =
            QString::fromLatin1(parameter.name.data(), static_cast<int>(parameter.name.size()));
        QLineEdit* box = makeEdit(name);
        box->setText(fromBytes(formatGeneral(values.*parameter.field)));
        auto* row = new QHBoxLayout;
        row->addWidget(box);
        const std::string unit(parameter.unit), meaning(parameter.meaning);
        auto* explanation = new QLabel(fromBytes(unit.empty() ? meaning : unit + "  " + meaning));
        explanation->setWordWrap(true);
        row->addWidget(explanation, 1);
        for (const DefaultSource& source : sources)
            if (source.parameter == parameter.name) {
                auto* origin = new QLabel(fromBytes("default: " + source.text));
                origin->setObjectName(QStringLiteral("source_") + name);
                origin->setWordWrap(true);
                row->addWidget(origin, 1);
            }
        parameterForm_->addRow(name, row);
    }
}

void MaterialWindow::okCommand() {
    const int k = selected();
    if (storeMaterial(k))
        fillList(k);
}

bool MaterialWindow::storeMaterial(int k) {
    if (k < 1)
        return false;
    MaterialEdit edit;
    edit.model = selectedCode(model_);
    edit.name = toBytes(name_->text());
    edit.e = toBytes(e_->text());
    edit.nu = toBytes(nu_->text());
    for (const MaterialParameterInfo& parameter : materialModelInfo(edit.model).parameters) {
        const QString name =
            QString::fromLatin1(parameter.name.data(), static_cast<int>(parameter.name.size()));
        if (auto* box = findChild<QLineEdit*>(name))
            edit.parameters.emplace_back(std::string(parameter.name), toBytes(box->text()));
    }
    if (!runGuarded(this, [&] { applyMaterialEdit(session_.model, k, edit); }))
        return false;
    shownValues_ = formFingerprint(this, newName_);
    if (QListWidgetItem* item = materialList_->item(k - 1))
        item->setText(fromBytes(session_.model.materials[static_cast<std::size_t>(k)].name));
    return true;
}

void MaterialWindow::addMaterialCommand() {
    if (!settlePendingEdits())
        return;
    int added = 0;
    if (runGuarded(this, [&] { added = addMaterial(session_.model, toBytes(newName_->text().trimmed())); })) {
        newName_->clear();
        fillList(added);
    }
}

void MaterialWindow::removeMaterialCommand() {
    const int k = selected();
    if (k >= 1 &&
        runGuarded(this, [&] { removeAddedMaterial(session_.model, session_.analysis.rebarMaterial, k); }))
        fillList(k);
}

void MaterialWindow::nonlinearDefaultsCommand() {
    if (!settlePendingEdits())
        return;
    std::vector<std::string> kept;
    if (!runGuarded(this, [&] { kept = applyNonlinearDefaults(session_.model); }))
        return;
    QStringList lines;
    for (const std::string& line : kept)
        lines << fromBytes(line);
    notes_->setText(lines.join(QLatin1Char('\n')));
    fillList(std::max(selected(), 1));
}

} // namespace kelvane
