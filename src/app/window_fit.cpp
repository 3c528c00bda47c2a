#include "app/window_fit.h"

#include <QLayout>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>

namespace kelvane {

QSize sizeWithin(const QSize& wanted, const QRect& available) {
    return wanted.boundedTo((available.size() - kWindowFrameAllowance).expandedTo(QSize(1, 1)));
}

// A window never shown nor resized takes its size hint when first shown; it is resized only when
// that would not fit, so that every other window keeps the size its layout gives it.
void fitWithinScreen(QWidget* window) {
    const QScreen* screen = window->screen();
    if (screen == nullptr)
        return;
    const QRect available = screen->availableGeometry();
    const QSize current = window->testAttribute(Qt::WA_Resized) ? window->size() : window->sizeHint();
    const QSize fitted = sizeWithin(current, available);
    if (fitted != current)
        window->resize(fitted);
    const QRect frame(window->pos(), fitted + kWindowFrameAllowance);
    if (!available.contains(frame))
        window->move(std::clamp(frame.left(), available.left(), available.right() + 1 - frame.width()),
                     std::clamp(frame.top(), available.top(), available.bottom() + 1 - frame.height()));
}

void setScrollingContent(QWidget* window, QWidget* content, QLayout* below) {
    auto* scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("scrollArea"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(content);
    auto* layout = new QVBoxLayout(window);
    layout->addWidget(scroll, 1);
    layout->addLayout(below);
    // The scroll area alone would start small; the window asks for room for all of the content
    // (and for the scroll bar that a smaller screen brings).
    const QSize contentSize = content->sizeHint();
    const QMargins margins = layout->contentsMargins();
    const int scrollBar = scroll->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    window->resize(contentSize.width() + scrollBar + margins.left() + margins.right(),
                   contentSize.height() + layout->spacing() + below->sizeHint().height() + margins.top() +
                       margins.bottom());
}

} // namespace kelvane
