#pragma once

#include <QWidget>

class QLineEdit;

namespace kelvane {

struct Session;

// "Animation": loads the displacement history of every joint and starts or stops its playback on
// the main window's drawing surface. The main window owns the timer and follows playbackChanged.
class AnimationWindow : public QWidget {
    Q_OBJECT
  public:
    explicit AnimationWindow(Session& session, QWidget* parent = nullptr);

  signals:
    void playbackChanged(bool running);

  private:
    void loadHistory();
    void toggle();

    Session& session_;
    QLineEdit* nstep_;
    QLineEdit* scale_;
};

} // namespace kelvane
