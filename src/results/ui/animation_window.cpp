#include "results/ui/animation_window.h"

#include "app/command_guard.h"
#include "app/file_dialogs.h"
#include "app/session.h"
#include "app/widget_names.h"
#include "common/text_file.h"
#include "results/animation.h"
#include "results/displacement_history.h"

#include <QFile>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kelvane {

AnimationWindow::AnimationWindow(Session& session, QWidget* parent)
    : QWidget(parent, Qt::Window), session_(session), nstep_(new QLineEdit(QStringLiteral("100"), this)),
      scale_(new QLineEdit(QStringLiteral("100"), this)) {
    setWindowTitle(QStringLiteral("Animation"));
    nstep_->setObjectName(QStringLiteral("nstep"));
    scale_->setObjectName(QStringLiteral("scale"));

    auto* load = new QPushButton(QStringLiteral("LOAD DISP DATA"), this);
    load->setObjectName(QStringLiteral("loadDispDataButton"));
    auto* run = new QPushButton(QStringLiteral("Run Animation / Stop Animation"), this);
    run->setObjectName(QStringLiteral("runAnimationStopAnimationButton"));
    auto* close = new QPushButton(QStringLiteral("CLOSE"), this);
    close->setObjectName(QStringLiteral("closeButton"));
    connect(load, &QPushButton::clicked, this, [this] { runGuarded(this, [this] { loadHistory(); }); });
    connect(run, &QPushButton::clicked, this, [this] { runGuarded(this, [this] { toggle(); }); });
    // Closing the window leaves a running animation running.
    connect(close, &QPushButton::clicked, this, &QWidget::hide);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Nstep"), nstep_);
    form->addRow(QStringLiteral("Scale"), scale_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(load);
    layout->addWidget(run);
    layout->addStretch();
    layout->addWidget(close);
    resize(288, 259);
}

void AnimationWindow::loadHistory() {
    const FolderChooser chooseFolder = [this]() -> std::optional<std::string> {
        const QString file = fileDialogs().openFileName(this, QString(), QString());
        if (file.isEmpty())
            return std::nullopt;
        return folderOf(QFile::encodeName(file).toStdString());
    };
    LoadDisplacementHistory(session_.model, session_.animation, toBytes(nstep_->text()),
                            toBytes(scale_->text()), chooseFolder);
}

void AnimationWindow::toggle() {
    // A refused start leaves playback off; the main window's timer must follow either way.
    const bool wasRunning = session_.animation.running;
    try {
        emit playbackChanged(ToggleAnimation(session_.animation));
    } catch (...) {
        if (wasRunning != session_.animation.running)
            emit playbackChanged(session_.animation.running);
        throw;
    }
}

} // namespace kelvane
