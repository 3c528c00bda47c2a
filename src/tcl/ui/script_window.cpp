#include "tcl/ui/script_window.h"

#include "app/command_guard.h"
#include "app/file_dialogs.h"
#include "app/session.h"
#include "app/widget_names.h"
#include "common/error.h"
#include "common/text_file.h"
#include "tcl/script_generator.h"
#include "tcl/ui/form_controls.h"

#include <QFile>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>
#include <algorithm>
#include <string>

namespace kelvane {

ScriptWindow::ScriptWindow(Session& session, QWidget* parent)
    : QWidget(parent, Qt::Window), session_(session) {
    setWindowTitle(QStringLiteral("OpenSEES Tcl File"));
    resize(640, 720);

    script_ = new QPlainTextEdit;
    script_->setObjectName(QStringLiteral("scriptText"));
    script_->setLineWrapMode(QPlainTextEdit::NoWrap);
    script_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    script_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    script_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    QPalette palette = script_->palette();
    palette.setColor(QPalette::Text, QColor(0, 128, 0));
    script_->setPalette(palette);
    script_->setPlainText(QStringLiteral("OpenSEES Tcl File"));

    auto* label = new QLabel(QStringLiteral("OpenSEES tcl File"));
    auto* generateButton = makeButton(QStringLiteral("Generate"), QStringLiteral("generateButton"));
    auto* saveButton = makeButton(QStringLiteral("Save"), QStringLiteral("saveButton"));
    auto* closeButton = makeButton(QStringLiteral("Close"), QStringLiteral("closeButton"));
    connect(generateButton, &QPushButton::clicked, this,
            [this] { runGuarded(this, [this] { generate(); }); });
    connect(saveButton, &QPushButton::clicked, this, [this] { runGuarded(this, [this] { save(); }); });
    connect(closeButton, &QPushButton::clicked, this, &QWidget::hide);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(generateButton);
    buttons->addWidget(saveButton);
    buttons->addWidget(closeButton);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(script_, 1);
    layout->addLayout(buttons);
}

// The text area is replaced only when the whole script was built.
void ScriptWindow::generate() {
    ScriptGroundMotion motion = scriptGroundMotion(session_.analysis, std::string());
    const ScriptLines lines = generateScript(session_.model, motion.analysis, session_.recorders);
    motion_ = std::move(motion);
    QStringList text;
    text.reserve(static_cast<qsizetype>(lines.size()));
    for (const std::string& line : lines)
        text.append(fromBytes(line));
    script_->setPlainText(text.join(QLatin1Char('\n')));
}

void ScriptWindow::save() {
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
}

} // namespace kelvane
