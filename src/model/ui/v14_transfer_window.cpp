#include "model/ui/v14_transfer_window.h"

#include "app/command_guard.h"
#include "app/file_dialogs.h"
#include "app/widget_names.h"
#include "common/error.h"
#include "common/text_file.h"
#include "model/v14_converter.h"

#include <QFile>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kelvane {

namespace {

const QString kS2kFilter = QStringLiteral("s2k file (*.s2k)");

} // namespace

V14TransferWindow::V14TransferWindow(Session&, QWidget* parent)
    : QWidget(parent, Qt::Window), report_(new QPlainTextEdit(this)) {
    setWindowTitle(QStringLiteral("Transfer SAP2000 V14 s2k File to SAP2000 Version 6"));

    auto* useFor = new QGroupBox(QStringLiteral("Use For"), this);
    useFor->setObjectName(QStringLiteral("useFor"));
    auto* useForLayout = new QVBoxLayout(useFor);
    useForLayout->addWidget(
        new QLabel(QStringLiteral("Transfer 3D Solid model built in SAP2000 V14"), useFor));
    useForLayout->addWidget(
        new QLabel(QStringLiteral("into the SAP2000 version-6 s2k format, which Kelvane imports"), useFor));

    auto* open = new QPushButton(QStringLiteral("Open S2k"), this);
    open->setObjectName(QStringLiteral("openS2kButton"));
    auto* save = new QPushButton(QStringLiteral("Save S2k"), this);
    save->setObjectName(QStringLiteral("saveS2kButton"));
    connect(open, &QPushButton::clicked, this, [this] { runGuarded(this, [this] { openAndConvert(); }); });
    connect(save, &QPushButton::clicked, this, [this] { runGuarded(this, [this] { saveConverted(); }); });

    report_->setObjectName(QStringLiteral("report"));
    report_->setReadOnly(true);
    report_->setLineWrapMode(QPlainTextEdit::NoWrap);
    report_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    report_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(open);
    buttons->addWidget(save);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(useFor);
    layout->addLayout(buttons);
    layout->addWidget(report_, 1);
    resize(420, 380);
}

// A failed conversion keeps nothing to save: the previous output is dropped before converting.
// The report is replaced only by a conversion that succeeds.
void V14TransferWindow::openAndConvert() {
    const QString path =
        fileDialogs().openFileName(this, kS2kFilter + QStringLiteral(";;All files (*)"), QString());
    if (path.isEmpty())
        return;
    output_.clear();
    V14Conversion conversion = convertV14(loadLines(QFile::encodeName(path).toStdString()));
    output_ = std::move(conversion.outputLines);
    report_->clear();
    for (const std::string& line : conversion.reportLines)
        report_->appendPlainText(fromBytes(line));
}

void V14TransferWindow::saveConverted() {
    if (output_.empty())
        fail("There is no converted text to save: open and convert a SAP2000 V14 file first.");
    const QString path = fileDialogs().saveFileName(this, kS2kFilter, QStringLiteral("s2k"));
    if (path.isEmpty())
        return;
    saveLinesCrLf(QFile::encodeName(path).toStdString(), output_);
}

} // namespace kelvane
