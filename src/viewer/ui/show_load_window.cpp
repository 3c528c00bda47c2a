#include "viewer/ui/show_load_window.h"

#include "app/command_guard.h"
#include "app/session.h"
#include "app/widget_names.h"
#include "viewer/view_options.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace kelvane {

ShowLoadWindow::ShowLoadWindow(Session& session, QWidget* parent)
    : QWidget(parent, Qt::Window), session_(session), loadType_(new QListWidget(this)),
      loadCase_(new QComboBox(this)) {
    setWindowTitle(QStringLiteral("Show Load"));
    setFont(QFont(QStringLiteral("Arial"), 9));

    loadType_->setObjectName(QStringLiteral("loadType"));
    for (const char* item : kLoadTypeItems)
        loadType_->addItem(QString::fromLatin1(item));
    loadType_->setCurrentRow(0);
    loadCase_->setObjectName(QStringLiteral("loadCase"));

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    connect(ok, &QPushButton::clicked, this, [this] { runGuarded(this, [this] { storeAndClose(); }); });
    connect(cancel, &QPushButton::clicked, this, &QWidget::hide);

    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel(QStringLiteral("Load Type"), this), 0, 0, Qt::AlignTop);
    fields->addWidget(loadType_, 0, 1);
    fields->addWidget(new QLabel(QStringLiteral("Load Case"), this), 1, 0);
    fields->addWidget(loadCase_, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    resize(263, 145);
}

void ShowLoadWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    loadCase_->clear();
    for (const std::string& name : loadCaseItems(session_.model))
        loadCase_->addItem(fromBytes(name));
    if (loadCase_->count() > 0)
        loadCase_->setCurrentIndex(0);
}

void ShowLoadWindow::storeAndClose() {
    hide();
    session_.loadDisplay = showLoadChoice(loadCase_->currentIndex(), loadType_->currentRow());
    emit redrawRequested();
}

} // namespace kelvane
