#include "viewer/ui/view_option_window.h"

#include "app/command_guard.h"
#include "app/session.h"
#include "app/widget_names.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace kelvane {

ViewOptionWindow::ViewOptionWindow(Session& session, QWidget* parent)
    : QWidget(parent, Qt::Window), session_(session) {
    setWindowTitle(QStringLiteral("View Option"));
    setFont(QFont(QStringLiteral("Arial"), 9));

    auto* group = new QGroupBox(QStringLiteral("Object View"), this);
    group->setObjectName(QStringLiteral("objectView"));
    auto* groupLayout = new QVBoxLayout(group);
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        const QString caption = QString::fromLatin1(kViewOptionCaptions[i]);
        boxes_[i] = new QCheckBox(caption, group);
        boxes_[i]->setObjectName(lowerCamelName(caption));
        groupLayout->addWidget(boxes_[i]);
    }

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    connect(ok, &QPushButton::clicked, this, [this] { runGuarded(this, [this] { storeAndClose(); }); });
    connect(cancel, &QPushButton::clicked, this, &QWidget::hide);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);
    resize(259, 432);
}

void ViewOptionWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    const ViewOptionSwitches switches = viewOptionSwitches(session_.viewOptions);
    for (std::size_t i = 0; i < boxes_.size(); ++i)
        boxes_[i]->setChecked(switches[i]);
}

void ViewOptionWindow::storeAndClose() {
    ViewOptionSwitches switches{};
    for (std::size_t i = 0; i < boxes_.size(); ++i)
        switches[i] = boxes_[i]->isChecked();
    session_.viewOptions = viewOptionsFromSwitches(switches);
    hide();
    emit redrawRequested();
}

} // namespace kelvane
