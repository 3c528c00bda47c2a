#include "script/ui/script_window.h"

#include "app/command_guard.h"
#include "app/file_dialogs.h"
#include "app/session.h"
#include "app/widget_names.h"
#include "common/error.h"
#include "common/text_file.h"
#include "script/script_generator.h"
#include "script/script_warnings.h"
#include "script/ui/form_controls.h"

#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>
#include <algorithm>
#include <string>

namespace kelvane {

namespace {

const QString kCaption = QStringLiteral("OpenSEES Tcl File");
const QString kPlaceholder = QStringLiteral("OpenSEES Tcl File");

} // namespace

ScriptWindow::ScriptWindow(Session& session, QWidget* parent)
    : QWidget(parent, Qt::Window), session_(session) {
    setWindowTitle(kCaption);
    resize(640, 720);

    script_ = new QPlainTextEdit;
    script_->setObjectName(QStringLiteral("scriptText"));
    script_->setLineWrapMode(QPlainTextEdit::NoWrap);
    script_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    script_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    script_->setFont(fixedPitchFont());
    QPalette palette = script_->palette();
    palette.setColor(QPalette::Text, QColor(0, 128, 0));
    script_->setPalette(palette);
    script_->setPlainText(kPlaceholder);

    auto* label = new QLabel(QStringLiteral("OpenSEES tcl File"));
    notCurrent_ = new QLabel;
    notCurrent_->setObjectName(QStringLiteral("notCurrent"));
    notCurrent_->setWordWrap(true);
    QPalette warning = notCurrent_->palette();
    warning.setColor(QPalette::WindowText, QColor(192, 0, 0));
    notCurrent_->setPalette(warning);
    notCurrent_->hide();
    warnings_ = new QLabel;
    warnings_->setObjectName(QStringLiteral("scriptWarnings"));
    warnings_->setWordWrap(true);
    warnings_->setPalette(warning);
    warnings_->hide();
    auto* generateButton = makeButton(QStringLiteral("Generate"), QStringLiteral("generateButton"));
    auto* saveButton = makeButton(QStringLiteral("Save"), QStringLiteral("saveButton"));
    auto* savePythonButton = makeButton(QStringLiteral("Save as Python"), QStringLiteral("savePythonButton"));
    auto* closeButton = makeButton(QStringLiteral("Close"), QStringLiteral("closeButton"));
    generateButton->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    generateButton->setToolTip(QStringLiteral("Generate (Ctrl+G)"));
    connect(generateButton, &QPushButton::clicked, this, &ScriptWindow::generateCommand);
    connect(saveButton, &QPushButton::clicked, this, [this] { runGuarded(this, [this] { save(); }); });
    connect(savePythonButton, &QPushButton::clicked, this,
            [this] { runGuarded(this, [this] { savePython(); }); });
    connect(closeButton, &QPushButton::clicked, this, &QWidget::hide);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(generateButton);
    buttons->addWidget(saveButton);
    buttons->addWidget(savePythonButton);
    buttons->addWidget(closeButton);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(notCurrent_);
    layout->addWidget(warnings_);
    layout->addWidget(script_, 1);
    layout->addLayout(buttons);
}

void ScriptWindow::generateCommand() {
    runGuarded(this, [this] { generate(); });
}

void ScriptWindow::modelReplaced() {
    if (generated_)
        markNotCurrent(QStringLiteral("another model was imported after it was generated"));
}

void ScriptWindow::markNotCurrent(const QString& reason) {
    staleReason_ = reason;
    setWindowTitle(kCaption + QStringLiteral(" (not current)"));
    notCurrent_->setText(QStringLiteral("This script is not current: %1. Generate writes it for the model "
                                        "and settings of now.")
                             .arg(reason));
    notCurrent_->show();
}

// The text area is replaced only when the whole script was built; a failure leaves the script
// shown, which then no longer matches the model and settings.
void ScriptWindow::generate() {
    ScriptGroundMotion motion = scriptGroundMotion(session_.analysis, std::string());
    ScriptLines lines;
    try {
        lines = generateScript(session_.model, motion.analysis, session_.recorders);
    } catch (...) {
        if (generated_)
            markNotCurrent(QStringLiteral("the last Generate failed"));
        throw;
    }
    motion_ = std::move(motion);
    QStringList text;
    text.reserve(static_cast<qsizetype>(lines.size()));
    for (const std::string& line : lines)
        text.append(fromBytes(line));
    script_->setPlainText(text.join(QLatin1Char('\n')));
    generated_ = true;
    staleReason_.clear();
    setWindowTitle(kCaption);
    notCurrent_->hide();
    QStringList warnings;
    for (const std::string& warning : scriptWarnings(session_.model, motion_.analysis))
        warnings.append(QStringLiteral("Warning: ") + fromBytes(warning));
    warnings_->setText(warnings.join(QLatin1Char('\n')));
    warnings_->setVisible(!warnings.isEmpty());
}

void ScriptWindow::save() {
    if (!generated_ && script_->toPlainText() == kPlaceholder)
        fail("Generate a script first");
    if (!isCurrent() &&
        !askQuestion(
            this,
            QStringLiteral("The script shown is not current: %1. Save it all the same?").arg(staleReason_)))
        return;
    const QString path = fileDialogs().saveFileName(this, QStringLiteral("OpenSEES tcl(*.tcl)"), QString());
    if (path.isEmpty())
        return;
    // One line per line of the text area, as it shows them, hand edits included.
    // Characters outside 8-bit text would be written as '?': refuse rather than lose them.
    std::vector<std::string> lines;
    for (const QString& line : script_->toPlainText().split(QLatin1Char('\n'))) {
        const auto wide = std::find_if(line.begin(), line.end(), [](QChar c) { return c.unicode() > 0xFF; });
        if (wide != line.end())
            fail("Line " + std::to_string(lines.size() + 1) + " of the script holds the character U+" +
                 QString::number(wide->unicode(), 16)
                     .toUpper()
                     .rightJustified(4, QLatin1Char('0'))
                     .toStdString() +
                 ", which cannot be saved in 8-bit text; nothing was saved.");
        lines.push_back(toBytes(line));
    }
    const std::string target = QFile::encodeName(path).toStdString();
    saveLinesCrLf(target, lines);
    writeConvertedRecord(motion_, folderOf(target));
    suggestDialogFile(scriptRunFilter(), path);
}

// The Python twin comes from the model and settings of now, like Generate; hand edits of the Tcl
// text are Tcl and are not carried into it.
void ScriptWindow::savePython() {
    const QString path = fileDialogs().saveFileName(this, QStringLiteral("OpenSeesPy(*.py)"), QString());
    if (path.isEmpty())
        return;
    saveScriptWithRecord(QFile::encodeName(path).toStdString(), session_.model, session_.analysis,
                         session_.recorders, ScriptLanguage::Python);
    suggestDialogFile(scriptRunFilter(), path);
}

} // namespace kelvane
