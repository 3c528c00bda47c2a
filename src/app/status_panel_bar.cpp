#include "app/status_panel_bar.h"

#include <QLabel>
#include <algorithm>

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
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        addWidget(label);
        panels_[static_cast<std::size_t>(panel)] = label;
        fitText(label, panel == 0 ? 80 : 50);
    }
}

// A panel is as wide as its text in the font on show (never narrower than `least` pixels), so that
// no font cuts "Rotate" or "Select Elem"; it does not shrink back, so that the bar keeps still.
void StatusPanelBar::fitText(QLabel* label, int least) {
    const int margins =
        2 * label->frameWidth() + label->contentsMargins().left() + label->contentsMargins().right() + 8;
    const int wanted = std::max(
        {least, label->minimumWidth(), label->fontMetrics().horizontalAdvance(label->text()) + margins});
    label->setMinimumWidth(wanted);
}

QString StatusPanelBar::panelText(int panel) const {
    if (panel < 0 || panel >= kPanelCount)
        return {};
    return panels_[static_cast<std::size_t>(panel)]->text();
}

void StatusPanelBar::setPanelText(int panel, const QString& text) {
    if (panel < 0 || panel >= kPanelCount)
        return;
    QLabel* label = panels_[static_cast<std::size_t>(panel)];
    label->setText(text);
    fitText(label, 0);
}

} // namespace kelvane
