#pragma once

#include <QWidget>

namespace kelvane {

struct Session;

class FrameSectionWindow : public QWidget {
    Q_OBJECT
public:
    explicit FrameSectionWindow(Session& session, QWidget* parent = nullptr);

signals:
    void redrawRequested();

private:
    Session& session_;
};

} // namespace kelvane
