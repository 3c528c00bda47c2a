#include "sections/ui/frame_section_window.h"

#include "app/command_guard.h"
#include "app/file_dialogs.h"
#include "app/pending_edits.h"
#include "app/session.h"
#include "app/widget_names.h"
#include "common/number_format.h"
#include "model/colour_table.h"
#include "paint/qpainter_canvas.h"
#include "script/ui/form_controls.h"
#include "sections/reinforcement_summary.h"
#include "sections/section_edit.h"
#include "sections/section_preview.h"
#include "sections/section_settings_file.h"

#include <QCloseEvent>
#include <QColorDialog>
#include <QComboBox>
#include <QFile>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace kelvane {

namespace {

const QString kSettingsFilter = QStringLiteral("Frame section settings (*.sec)");

QColor toQColor(std::int32_t colour) {
    return QColor(redOf(colour), greenOf(colour), blueOf(colour));
}

} // namespace

FrameSectionWindow::FrameSectionWindow(Session& session, QWidget* parent)
    : QWidget(parent, Qt::Window), session_(session),
      previewCanvas_(std::make_unique<QPainterCanvas>(kSectionPreviewSize, kSectionPreviewSize)),
      chooseColour_(
          [](QWidget* owner, const QColor& initial) { return QColorDialog::getColor(initial, owner); }) {
    setWindowTitle(QStringLiteral("Frame Section (Nonlinear)"));

    preview_ = new QLabel;
    preview_->setObjectName(QStringLiteral("sectionPreview"));
    preview_->setFixedSize(kSectionPreviewSize, kSectionPreviewSize);
    preview_->setFrameShape(QFrame::NoFrame);
    sectionList_ = new QListWidget;
    sectionList_->setObjectName(QStringLiteral("sectionList"));
    sectionList_->setFixedHeight(kSectionPreviewSize);

    swatch_ = new QLabel;
    swatch_->setObjectName(QStringLiteral("frameColor"));
    swatch_->setFixedSize(60, 20);
    swatch_->setAutoFillBackground(true);
    swatch_->setFrameShape(QFrame::Box);
    swatch_->setCursor(Qt::PointingHandCursor);
    swatch_->installEventFilter(this);
    elementType_ = makeList(QStringLiteral("elementType"),
                            {QStringLiteral("Elastic BeamColumn"), QStringLiteral("Nonlinear BeamColumn"),
                             QStringLiteral("Disp BeamColumn"), QStringLiteral("Beam with Hinge"),
                             QStringLiteral("Truss"), QStringLiteral("corotTruss")});
    name_ = makeList(QStringLiteral("name"));
    name_->setEnabled(false);
    shape_ = makeList(QStringLiteral("shape"),
                      {QStringLiteral("Rectangular"), QStringLiteral("I/Wide Flange"),
                       QStringLiteral("Box/Tube"), QStringLiteral("Pipe"), QStringLiteral("Circle"),
                       QStringLiteral("Channel"), QStringLiteral("Angle"), QStringLiteral("Tee"),
                       QStringLiteral("Double Angle"), QStringLiteral("Double Channel")});
    shape_->setEnabled(false);
    material_ = makeList(QStringLiteral("material"));
    material_->setEnabled(false);
    for (int i = 0; i < 6; ++i)
        dimensions_[i] = makeEdit(QStringLiteral("t%1").arg(i + 1), true);
    geomTransf_ = makeList(QStringLiteral("geomTransf"), {QStringLiteral("Linear"), QStringLiteral("P-Delta"),
                                                          QStringLiteral("Corotational")});
    topBar_ = makeEdit(QStringLiteral("topBar"));
    bottomBar_ = makeEdit(QStringLiteral("bottomBar"));
    sectionKind_ = makeList(QStringLiteral("sectionKind"),
                            {QStringLiteral("Beam Section"), QStringLiteral("Column Section")});
    divideFX_ = makeEdit(QStringLiteral("divideFX"));
    divideFY_ = makeEdit(QStringLiteral("divideFY"));
    barNumNX_ = makeEdit(QStringLiteral("barNumNX"));
    barNumNY_ = makeEdit(QStringLiteral("barNumNY"));
    cover_ = makeEdit(QStringLiteral("cover"));
    // Item 0 of both lists is "no material of its own"; item m is material m.
    coreMaterial_ = makeList(QStringLiteral("coreMaterial"));
    coreMaterial_->setToolTip(
        QStringLiteral("Concrete of the fibers inside the bars' centre lines (rectangles)"));
    rebarMaterial_ = makeList(QStringLiteral("rebarMaterial"));
    // The first item names the analysis setting; the list is as wide as its longest item.
    rebarMaterial_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    rebarMaterial_->setToolTip(QStringLiteral("Material of this section's bars, in place of the analysis "
                                              "setting's Rebar Material Number"));
    hingeLengthI_ = makeEdit(QStringLiteral("hingeLengthI"));
    hingeLengthJ_ = makeEdit(QStringLiteral("hingeLengthJ"));
    hingeLengthI_->setText(QStringLiteral("1000"));
    hingeLengthJ_->setText(QStringLiteral("1000"));

    auto* properties = new QGroupBox(QStringLiteral("Section Properties"));
    auto* propertiesForm = new QFormLayout(properties);
    propertiesForm->addRow(QStringLiteral("Frame Color"), swatch_);
    propertiesForm->addRow(QStringLiteral("Frame Type"), elementType_);
    propertiesForm->addRow(QStringLiteral("Section Name"), name_);
    propertiesForm->addRow(QStringLiteral("Section Shape"), shape_);
    propertiesForm->addRow(QStringLiteral("Material"), material_);
    auto* dimensionGrid = new QGridLayout;
    for (int i = 0; i < 6; ++i) {
        dimensionGrid->addWidget(new QLabel(QStringLiteral("Dimension T%1 (mm)").arg(i + 1)), i / 2,
                                 (i % 2) * 2);
        dimensionGrid->addWidget(dimensions_[i], i / 2, (i % 2) * 2 + 1);
    }
    propertiesForm->addRow(dimensionGrid);

    auto* pDelta = new QGroupBox(QStringLiteral("P-Delta"));
    (new QFormLayout(pDelta))->addRow(QStringLiteral("GeoTransf"), geomTransf_);

    auto* rebar = new QGroupBox(QStringLiteral("Rebar Setting"));
    auto* rebarForm = new QFormLayout(rebar);
    const QString barArea = QString::fromUtf8("mm\u00B2 in all");
    addRowWithUnit(rebarForm, QStringLiteral("X-Bar(Top)"), topBar_, barArea);
    addRowWithUnit(rebarForm, QStringLiteral("Y-Bar(Bot)"), bottomBar_, barArea);
    topBar_->setToolTip(QStringLiteral("Total bar area of the top row of Bar Num NX bars (a column has this "
                                       "row at the top and at the bottom)"));
    bottomBar_->setToolTip(
        QStringLiteral("Total bar area of the bottom row of Bar Num NY bars (a beam), or of "
                       "each side row of Bar Num NY bars between the corners (a column)"));

    auto* nonlinear = new QGroupBox(QStringLiteral("Nonlinear Setting"));
    auto* nonlinearGrid = new QGridLayout(nonlinear);
    nonlinearGrid->addWidget(new QLabel(QStringLiteral("Section Type")), 0, 0);
    nonlinearGrid->addWidget(sectionKind_, 0, 1, 1, 3);
    const std::pair<const char*, QLineEdit*> counts[] = {{"Divide FX", divideFX_},
                                                         {"Divide FY", divideFY_},
                                                         {"Bar Num NX", barNumNX_},
                                                         {"Bar Num NY", barNumNY_}};
    for (int i = 0; i < 4; ++i) {
        nonlinearGrid->addWidget(new QLabel(QString::fromLatin1(counts[i].first)), 1 + i / 2, (i % 2) * 2);
        nonlinearGrid->addWidget(counts[i].second, 1 + i / 2, (i % 2) * 2 + 1);
    }
    nonlinearGrid->addWidget(new QLabel(QStringLiteral("Cover (mm)")), 3, 0);
    nonlinearGrid->addWidget(cover_, 3, 1);
    // A row each, so that the lists show their longest item whole.
    nonlinearGrid->addWidget(new QLabel(QStringLiteral("Core Material")), 4, 0);
    nonlinearGrid->addWidget(coreMaterial_, 4, 1, 1, 3);
    nonlinearGrid->addWidget(new QLabel(QStringLiteral("Rebar Material")), 5, 0);
    nonlinearGrid->addWidget(rebarMaterial_, 5, 1, 1, 3);

    auto* hinge = new QGroupBox(QStringLiteral("Beam With Hinge(Hinge Length)"));
    auto* hingeForm = new QFormLayout(hinge);
    addRowWithUnit(hingeForm, QStringLiteral("Hinge Length Node I"), hingeLengthI_, QStringLiteral("mm"));
    addRowWithUnit(hingeForm, QStringLiteral("Hinge Length Node J"), hingeLengthJ_, QStringLiteral("mm"));

    // Read from the model file (table format); the older boxes above describe the same bars.
    reinforcement_ = new QGroupBox(QStringLiteral("Reinforcement from the Model File"));
    reinforcement_->setObjectName(QStringLiteral("reinforcement"));
    reinforcementForm_ = new QFormLayout(reinforcement_);
    reinforcement_->setVisible(false);

    auto* importButton = makeButton(QStringLiteral("Import"), QStringLiteral("importButton"));
    auto* exportButton = makeButton(QStringLiteral("Export"), QStringLiteral("exportButton"));
    auto* okButton = makeButton(QStringLiteral("OK"), QStringLiteral("okButton"));
    auto* closeButton = makeButton(QStringLiteral("Close"), QStringLiteral("closeButton"));

    // Two columns, so that the window fits a screen of 768 pixels: what the file gives on the left,
    // what the user sets on the right.
    auto* top = new QHBoxLayout;
    top->addWidget(preview_);
    top->addWidget(sectionList_, 1);
    auto* imported = new QVBoxLayout;
    imported->addLayout(top);
    imported->addWidget(properties);
    imported->addWidget(reinforcement_);
    imported->addStretch(1);
    auto* settingsRow = new QHBoxLayout;
    settingsRow->addWidget(pDelta);
    settingsRow->addWidget(rebar);
    auto* settings = new QVBoxLayout;
    settings->addLayout(settingsRow);
    settings->addWidget(nonlinear);
    settings->addWidget(hinge);
    settings->addStretch(1);
    auto* columns = new QHBoxLayout;
    columns->addLayout(imported);
    columns->addLayout(settings);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(importButton);
    buttons->addWidget(exportButton);
    buttons->addStretch(1);
    buttons->addWidget(okButton);
    buttons->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);

    // The picture starts blank, like the preview of a section without dimensions.
    drawSectionPreview(*previewCanvas_, TSECTION{});
    preview_->setPixmap(QPixmap::fromImage(previewCanvas_->image()));

    connect(sectionList_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (settlePendingEdits()) {
            runGuarded(this, [&] { showSection(row + 1); });
            return;
        }
        const QSignalBlocker blocker(sectionList_);
        sectionList_->setCurrentRow(shownSection_ - 1);
    });
    connect(okButton, &QPushButton::clicked, this,
            [this] { runGuarded(this, [&] { applySection(selectedSection()); }); });
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    connect(importButton, &QPushButton::clicked, this,
            [this] { runGuarded(this, [&] { importSettings(); }); });
    connect(exportButton, &QPushButton::clicked, this,
            [this] { runGuarded(this, [&] { exportSettings(); }); });
}

FrameSectionWindow::~FrameSectionWindow() = default;

void FrameSectionWindow::setColourChooser(ColourChooser chooser) {
    chooseColour_ = std::move(chooser);
}

void FrameSectionWindow::showEvent(QShowEvent* event) {
    if (!event->spontaneous())
        runGuarded(this, [&] { fillLists(); });
    QWidget::showEvent(event);
}

void FrameSectionWindow::closeEvent(QCloseEvent* event) {
    if (!settlePendingEdits()) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
    // Changed section colours show in the model view at once.
    emit redrawRequested();
}

bool FrameSectionWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == swatch_ && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        chooseColour();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

QString FrameSectionWindow::shownValues() const {
    return formFingerprint(this) + QString::number(swatchColour_);
}

bool FrameSectionWindow::settlePendingEdits() {
    if (shownSection_ < 1 || shownSection_ > countOf(session_.model.frameSectionCount) ||
        shownValues() == shownValues_)
        return true;
    const QString name =
        fromBytes(session_.model.frameSections[static_cast<std::size_t>(shownSection_)].name);
    switch (askAboutPendingEdits(
        this, QStringLiteral("The changes to section %1 are not stored yet. Apply them?").arg(name))) {
    case PendingEdits::Apply:
        return runGuarded(this, [&] { applySection(shownSection_); });
    case PendingEdits::Discard:
        shownValues_ = shownValues();
        return true;
    case PendingEdits::Cancel:
        break;
    }
    return false;
}

void FrameSectionWindow::fillLists() {
    const ModelStore& model = session_.model;
    const QSignalBlocker blocker(sectionList_);
    shownSection_ = 0;
    sectionList_->clear();
    name_->clear();
    for (int k = 1; k <= countOf(model.frameSectionCount); ++k) {
        const QString name = fromBytes(model.frameSections[static_cast<std::size_t>(k)].name);
        sectionList_->addItem(name);
        name_->addItem(name);
    }
    material_->clear();
    coreMaterial_->clear();
    rebarMaterial_->clear();
    coreMaterial_->addItem(QStringLiteral("None"));
    rebarMaterial_->addItem(QStringLiteral("Rebar Material Number"));
    for (int m = 1; m <= countOf(model.materialCount); ++m) {
        const QString name = fromBytes(model.materials[static_cast<std::size_t>(m)].name);
        material_->addItem(name);
        coreMaterial_->addItem(name);
        rebarMaterial_->addItem(name);
    }
    if (sectionList_->count() > 0) {
        sectionList_->setCurrentRow(0);
        showSection(1);
    } else {
        redrawPreview(0); // blank: no section of an earlier model stays in the picture
    }
}

int FrameSectionWindow::selectedSection() const {
    return sectionList_->currentRow() + 1;
}

void FrameSectionWindow::showSection(int k) {
    if (k < 1 || k > countOf(session_.model.frameSectionCount))
        return;
    const TSECTION& s = session_.model.frameSections[static_cast<std::size_t>(k)];
    name_->setCurrentIndex(k - 1);
    selectByCode(shape_, s.shape);
    selectByCode(sectionKind_, s.sectionKind);
    selectByCode(material_, s.material);
    selectByCode(elementType_, s.elementType);
    selectByCode(geomTransf_, s.geomTransf);
    coreMaterial_->setCurrentIndex(
        s.coreMaterial >= 0 && s.coreMaterial < coreMaterial_->count() ? s.coreMaterial : -1);
    rebarMaterial_->setCurrentIndex(
        s.rebarMaterial >= 0 && s.rebarMaterial < rebarMaterial_->count() ? s.rebarMaterial : -1);
    const double dimensions[6] = {s.t1, s.t2, s.t3, s.t4, s.t5, s.t6};
    for (int i = 0; i < 6; ++i)
        dimensions_[i]->setText(fromBytes(formatGeneral(dimensions[i])));
    divideFX_->setText(fromBytes(formatInt(s.divideFX)));
    divideFY_->setText(fromBytes(formatInt(s.divideFY)));
    barNumNX_->setText(fromBytes(formatInt(s.barNumNX)));
    barNumNY_->setText(fromBytes(formatInt(s.barNumNY)));
    cover_->setText(fromBytes(formatGeneral(s.cover)));
    topBar_->setText(fromBytes(formatGeneral(s.topBar)));
    bottomBar_->setText(fromBytes(formatGeneral(s.bottomBar)));
    hingeLengthI_->setText(fromBytes(formatGeneral(s.hingeLengthI)));
    hingeLengthJ_->setText(fromBytes(formatGeneral(s.hingeLengthJ)));
    setSwatchColour(s.colour);
    showReinforcement(k);
    shownSection_ = k;
    shownValues_ = shownValues();
    redrawPreview(k);
}

void FrameSectionWindow::showReinforcement(int k) {
    while (reinforcementForm_->rowCount() > 0)
        reinforcementForm_->removeRow(0);
    const std::vector<SummaryRow> rows = reinforcementRows(session_.model, k);
    for (const SummaryRow& row : rows) {
        auto* box = new QLineEdit(fromBytes(row.value));
        box->setReadOnly(true);
        addRowWithUnit(reinforcementForm_, fromBytes(row.caption), box, fromBytes(row.unit));
    }
    reinforcement_->setVisible(!rows.empty());
}

// A refused OK leaves the preview as it was.
void FrameSectionWindow::applySection(int k) {
    if (k < 1 || k > countOf(session_.model.frameSectionCount))
        return;
    SectionEdit edit;
    edit.elementType = selectedCode(elementType_);
    edit.sectionKind = selectedCode(sectionKind_);
    edit.geomTransf = selectedCode(geomTransf_);
    edit.divideFX = toBytes(divideFX_->text());
    edit.divideFY = toBytes(divideFY_->text());
    edit.barNumNX = toBytes(barNumNX_->text());
    edit.barNumNY = toBytes(barNumNY_->text());
    edit.topBar = toBytes(topBar_->text());
    edit.bottomBar = toBytes(bottomBar_->text());
    edit.cover = toBytes(cover_->text());
    edit.hingeLengthI = toBytes(hingeLengthI_->text());
    edit.hingeLengthJ = toBytes(hingeLengthJ_->text());
    edit.colour = swatchColour_;
    edit.coreMaterial = coreMaterial_->currentIndex();
    edit.rebarMaterial = rebarMaterial_->currentIndex();
    applySectionEdit(session_.model, k, edit);
    shownValues_ = shownValues();
    redrawPreview(k);
}

void FrameSectionWindow::chooseColour() {
    const QColor chosen = chooseColour_(this, toQColor(swatchColour_));
    if (chosen.isValid())
        setSwatchColour(rgb(chosen.red(), chosen.green(), chosen.blue()));
}

void FrameSectionWindow::setSwatchColour(std::int32_t colour) {
    swatchColour_ = colour;
    QPalette palette = swatch_->palette();
    palette.setColor(QPalette::Window, toQColor(colour));
    swatch_->setPalette(palette);
}

void FrameSectionWindow::redrawPreview(int k) {
    const auto showPicture = [this] { preview_->setPixmap(QPixmap::fromImage(previewCanvas_->image())); };
    try {
        drawSectionPreview(*previewCanvas_, session_.model, k);
    } catch (...) {
        // What was drawn before a failure (a one-bar row) is shown all the same.
        showPicture();
        throw;
    }
    showPicture();
}

void FrameSectionWindow::importSettings() {
    const QString path = fileDialogs().openFileName(this, kSettingsFilter, QStringLiteral("sec"));
    if (path.isEmpty())
        return;
    importSectionSettings(QFile::encodeName(path).toStdString(), session_.model);
    showSection(selectedSection());
    emit redrawRequested();
}

void FrameSectionWindow::exportSettings() {
    const QString path = fileDialogs().saveFileName(this, kSettingsFilter, QStringLiteral("sec"));
    if (path.isEmpty())
        return;
    exportSectionSettings(QFile::encodeName(path).toStdString(), session_.model);
}

} // namespace kelvane
