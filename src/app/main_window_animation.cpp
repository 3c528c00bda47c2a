// Playback of the displacement history on the main window's drawing surface.
#include "app/command_guard.h"
#include "app/drawing_surface.h"
#include "app/main_window.h"
#include "app/session.h"
#include "results/animation.h"

#include <QTimer>

namespace kelvane {

// Playback draws a reduced picture; when it stops, the full picture (slabs, labels, captions)
// comes back.
void MainWindow::setAnimationRunning(bool running) {
    if (running) {
        animationTimer_->start();
        return;
    }
    const bool wasRunning = animationTimer_->isActive();
    animationTimer_->stop();
    if (wasRunning)
        drawModel();
}

void MainWindow::animationTick() {
    const bool drawn = runGuarded(this, [this] {
        const std::int32_t step = AnimationTick(session_.animation, session_.results);
        if (step == 0) {
            animationTimer_->stop();
            drawModel();
            return;
        }
        DrawAnimationFrame(surface_->canvas(), session_.model, session_.view, session_.colours,
                           session_.results, step);
        surface_->update();
    });
    // A failing frame would fail again on every tick: playback stops after the first message.
    if (!drawn) {
        session_.animation.running = false;
        animationTimer_->stop();
    }
}

} // namespace kelvane
