#include "model/ui/import_report_window.h"

#include "app/widget_names.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kelvane {

ImportReportWindow::ImportReportWindow(Session&, QWidget* parent)
    : QWidget(parent, Qt::Window), report_(new QPlainTextEdit(this)) {
    setWindowTitle(QStringLiteral("Import Report"));

    report_->setObjectName(QStringLiteral("report"));
    report_->setReadOnly(true);
    report_->setLineWrapMode(QPlainTextEdit::NoWrap);
    report_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    report_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    connect(ok, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(report_, 1);
    layout->addLayout(buttons);
    resize(560, 460);
}

void ImportReportWindow::setReport(const std::vector<std::string>& lines) {
    report_->clear();
    for (const std::string& line : lines)
        report_->appendPlainText(fromBytes(line));
    report_->moveCursor(QTextCursor::Start);
}

QString ImportReportWindow::reportText() const {
    return report_->toPlainText();
}

} // namespace kelvane
