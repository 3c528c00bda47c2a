#include "assess/ui/performance_window.h"

#include "app/command_guard.h"
#include "app/file_dialogs.h"
#include "app/session.h"
#include "app/widget_names.h"
#include "common/error.h"
#include "common/text_file.h"
#include "paint/curve_picture.h"
#include "results/ui/chart_picture.h"
#include "script/ui/form_controls.h"

#include <QComboBox>
#include <QFile>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>

namespace kelvane {
namespace {

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

QLineEdit* box(const QString& name, const QString& text, QWidget* parent) {
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(name);
    return edit;
}

std::string pathBytes(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

} // namespace

PerformanceWindow::PerformanceWindow(Session& session, QWidget* parent)
    : QWidget(parent, Qt::Window), session_(session), folder_(box(QStringLiteral("resultsFolder"), {}, this)),
      dof_(list(QStringLiteral("dof"),
                {QStringLiteral("1 (X)"), QStringLiteral("2 (Y)"), QStringLiteral("3 (Z)")}, this)),
      joint_(box(QStringLiteral("joint"), {}, this)),
      method_(list(QStringLiteral("method"),
                   {QStringLiteral("EC8 N2 Method"), QStringLiteral("ASCE 41 Coefficient Method")}, this)),
      spectrum_(
          box(QStringLiteral("spectrum"), QStringLiteral("ec8:type=1,ag=0.3g,ground=B,importance=1"), this)),
      period_(box(QStringLiteral("period"), {}, this)),
      cm_(box(QStringLiteral("cm"), QStringLiteral("1"), this)), quantities_(new QPlainTextEdit(this)),
      charts_(new QTabWidget(this)), capacityChart_(new ChartPicture(this)),
      adrsChart_(new ChartPicture(this)) {
    setWindowTitle(QStringLiteral("Performance"));
    resize(1100, 660);
    folder_->setMinimumWidth(260);
    spectrum_->setToolTip(QStringLiteral("ec8:type=1|2,ag=0.3g,ground=A..E,importance=1,damping=5\n"
                                         "asce7:sds=1.0,sd1=0.6,tl=8,site=D\n"
                                         "or a CSV file of period (s), Sa (g)"));
    period_->setPlaceholderText(QStringLiteral("2 pi sqrt(m* / Ki)"));
    quantities_->setObjectName(QStringLiteral("quantities"));
    quantities_->setReadOnly(true);
    charts_->setObjectName(QStringLiteral("charts"));
    capacityChart_->setObjectName(QStringLiteral("capacityChart"));
    adrsChart_->setObjectName(QStringLiteral("adrsChart"));
    capacityChart_->setMinimumSize(480, 360);
    charts_->addTab(capacityChart_, QStringLiteral("Capacity Curve"));
    charts_->addTab(adrsChart_, QStringLiteral("ADRS"));

    auto* browse = button(QStringLiteral("Browse"), this);
    auto* computeButton = button(QStringLiteral("Compute"), this);
    auto* exportButton = button(QStringLiteral("Export"), this);
    auto* close = button(QStringLiteral("Close"), this);
    connect(browse, &QPushButton::clicked, this, [this] { runGuarded(this, [this] { chooseFolder(); }); });
    connect(computeButton, &QPushButton::clicked, this, [this] { runGuarded(this, [this] { compute(); }); });
    connect(exportButton, &QPushButton::clicked, this,
            [this] { runGuarded(this, [this] { exportCharts(); }); });
    connect(close, &QPushButton::clicked, this, &QWidget::hide);

    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(folder_, 1);
    folderRow->addWidget(browse);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Results Folder"), folderRow);
    form->addRow(QStringLiteral("Dof"), dof_);
    form->addRow(QStringLiteral("Control Joint"), joint_);
    form->addRow(QStringLiteral("Method"), method_);
    form->addRow(QStringLiteral("Spectrum"), spectrum_);
    form->addRow(QStringLiteral("Ti (s)"), period_);
    form->addRow(QStringLiteral("Cm"), cm_);
    auto* controls = new QVBoxLayout;
    controls->addLayout(form);
    controls->addWidget(computeButton);
    controls->addWidget(exportButton);
    controls->addWidget(quantities_, 1);
    controls->addWidget(close);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(controls);
    layout->addWidget(charts_, 1);
}

void PerformanceWindow::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        if (!session_.lastRunFolder.empty() && session_.lastRunFolder != shownRunFolder_) {
            shownRunFolder_ = session_.lastRunFolder;
            folder_->setText(QFile::decodeName(QByteArray::fromStdString(shownRunFolder_)));
        }
        if (joint_->text().isEmpty())
            joint_->setText(QString::number(session_.analysis.controlNode));
        dof_->setCurrentIndex(std::clamp(session_.analysis.controlDof, 1, 3) - 1);
    }
    QWidget::showEvent(event);
}

void PerformanceWindow::chooseFolder() {
    const QString file = fileDialogs().openFileName(this, QString(), QString());
    if (!file.isEmpty())
        folder_->setText(QFile::decodeName(QByteArray::fromStdString(folderOf(pathBytes(file)))));
}

// The boxes are converted first, so a bad one computes nothing and what is shown stays.
void PerformanceWindow::compute() {
    const std::string folder = pathBytes(folder_->text());
    if (folder.empty())
        fail("Choose the folder of the pushover's recorder files first");
    PerformanceRequest request;
    request.dof = dof_->currentIndex() + 1;
    request.joint = intOfBox(joint_);
    request.method = method_->currentIndex() == 0 ? TargetMethod::N2 : TargetMethod::Asce41;
    request.spectrum = pathBytes(spectrum_->text().trimmed());
    if (!period_->text().trimmed().isEmpty())
        request.asce41.period = realOfBox(period_);
    request.asce41.cm = realOfBox(cm_);
    report_ = assessPerformance(session_.model, session_.analysis, folder, request);
    QStringList text;
    for (const std::string& line : report_->notes)
        text << fromBytes(line);
    for (const std::string& line : report_->lines)
        text << fromBytes(line);
    quantities_->setPlainText(text.join('\n'));
    capacityChart_->showCurves(report_->capacityTitle, report_->capacity);
    adrsChart_->showCurves(report_->adrsTitle, report_->adrs);
    charts_->setTabEnabled(1, !report_->adrs.empty());
}

// The chart shown, as PNG or SVG; its quantities beside it as NAME.txt.
void PerformanceWindow::exportCharts() {
    if (!report_)
        fail("Compute a target displacement before exporting it");
    const QString path = fileDialogs().saveFileName(this, QStringLiteral("Chart picture (*.png *.svg)"),
                                                    QStringLiteral("png"));
    if (path.isEmpty())
        return;
    const bool adrs = charts_->currentIndex() == 1 && !report_->adrs.empty();
    const QSize size = charts_->size().expandedTo(QSize(640, 480));
    saveCurvesPicture(adrs ? report_->adrsTitle : report_->capacityTitle,
                      adrs ? report_->adrs : report_->capacity, pathBytes(path), size.width(), size.height());
    const std::string picture = pathBytes(path);
    saveLinesCrLf(picture.substr(0, picture.find_last_of('.')) + ".txt", report_->lines);
}

} // namespace kelvane
