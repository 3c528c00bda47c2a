#include "app/status_panel_bar.h"

#include <QLabel>

namespace kelvane {

namespace {

QString fixedText(int panel) {
    switch (panel) {
    case 0:
        return QStringLiteral("Operation");
    case 2:
        return QStringLiteral("Node");
    case 4:
        return QStringLiteral("Frame");
    case 6:
        return QStringLiteral("Shell");
    case 8:
        return QStringLiteral("Solid");
    case 10:
        return QStringLiteral("Mat");
    case 12:
        return QStringLiteral("Fsec");
    case 14:
        return QStringLiteral("Wsec");
    default:
        return {};
    }
}

} // namespace

StatusPanelBar::StatusPanelBar(QWidget* parent) : QStatusBar(parent) {
    setSizeGripEnabled(false);
    for (int panel = 0; panel < kPanelCount; ++panel) {
        auto* label = new QLabel(fixedText(panel), this);
        label->setObjectName(QStringLiteral("statusPanel%1").arg(panel));
        label->setFixedWidth(panel == 0 ? 80 : 50);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        addWidget(label);
        panels_[static_cast<std::size_t>(panel)] = label;
    }
}

QString StatusPanelBar::panelText(int panel) const {
    if (panel < 0 || panel >= kPanelCount)
        return {};
    return panels_[static_cast<std::size_t>(panel)]->text();
}

void StatusPanelBar::setPanelText(int panel, const QString& text) {
    if (panel < 0 || panel >= kPanelCount)
        return;
    panels_[static_cast<std::size_t>(panel)]->setText(text);
}

} // namespace kelvane
