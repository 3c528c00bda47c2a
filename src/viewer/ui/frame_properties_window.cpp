#include "viewer/ui/frame_properties_window.h"

#include "app/command_guard.h"
#include "app/session.h"
#include "app/widget_names.h"
#include "viewer/picking.h"

#include <QCloseEvent>
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

constexpr int kPropertyRows = 7;
constexpr int kForceRows = 12; // the end forces, below the properties
constexpr int kGridRows = kPropertyRows + kForceRows;
constexpr int kGridColumns = 2;
constexpr const char* kRowCaptions[] = {"Label",   "Node i",       "Node j",  "Angle",
                                        "Section", "Element Type", "Material"};

// Row 0 and column 0 look like the fixed header cells of a string grid.
QTableWidgetItem* gridCell(const QString& text, bool fixed, const QPalette& palette) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled);
    if (fixed)
        item->setBackground(palette.button());
    return item;
}

} // namespace

FramePropertiesWindow::FramePropertiesWindow(Session& session, QWidget* parent)
    : QWidget(parent, Qt::Window), session_(session), frameLabel_(new QLineEdit(this)),
      grid_(new QTableWidget(kGridRows, kGridColumns, this)) {
    setWindowTitle(QStringLiteral("Frame Properties"));
    QFont bold(QStringLiteral("Arial"), 9);
    bold.setBold(true);
    setFont(bold);

    frameLabel_->setObjectName(QStringLiteral("frameLabel"));
    frameLabel_->setReadOnly(true);
    auto* refreshButton = new QPushButton(QStringLiteral("Refresh"), this);
    refreshButton->setObjectName(QStringLiteral("refreshButton"));
    connect(refreshButton, &QPushButton::clicked, this, [this] { runGuarded(this, [this] { refresh(); }); });

    grid_->setObjectName(QStringLiteral("grid"));
    grid_->horizontalHeader()->hide();
    grid_->verticalHeader()->hide();
    grid_->setColumnWidth(0, 120);
    grid_->setColumnWidth(1, 110);
    grid_->verticalHeader()->setDefaultSectionSize(24);
    grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionMode(QAbstractItemView::NoSelection);
    for (int row = 0; row < kGridRows; ++row) {
        const QString caption = row < kPropertyRows ? QString::fromLatin1(kRowCaptions[row]) : QString();
        grid_->setItem(row, 0, gridCell(caption, true, palette()));
        grid_->setItem(row, 1, gridCell(QString(), row == 0, palette()));
    }

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    connect(ok, &QPushButton::clicked, this, &QWidget::close);

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Frame Label"), this));
    top->addWidget(frameLabel_);
    top->addWidget(refreshButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(grid_);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    resize(298, 600);
}

void FramePropertiesWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous())
        showFrame(session_.selectedFrame);
}

void FramePropertiesWindow::showFrame(std::int32_t k) {
    frameLabel_->setText(fromBytes(frameLabelText(session_.model, k)));
    runGuarded(this, [this] { refresh(); });
}

void FramePropertiesWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    session_.selectedFrame = 0;
    emit redrawRequested();
}

void FramePropertiesWindow::refresh() {
    const std::string label = toBytes(frameLabel_->text());
    const FramePropertyRows rows = framePropertyRows(session_.model, label);
    for (int row = 0; row < static_cast<int>(rows.size()); ++row)
        grid_->item(row, 1)->setText(fromBytes(rows[static_cast<std::size_t>(row)].second));
    const FrameForceRows forces = frameForceRows(session_.model, label, session_.results.forces.units);
    for (int row = 0; row < kForceRows; ++row) {
        const auto& [caption, value] = forces[static_cast<std::size_t>(row)];
        grid_->item(kPropertyRows + row, 0)->setText(fromBytes(caption));
        grid_->item(kPropertyRows + row, 1)->setText(fromBytes(value));
    }
}

} // namespace kelvane
