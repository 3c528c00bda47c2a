#pragma once

#include <QWidget>

namespace kelvane {

struct Session;

class ScriptWindow : public QWidget {
    Q_OBJECT
public:
    explicit ScriptWindow(Session& session, QWidget* parent = nullptr);

private:
    Session& session_;
};

} // namespace kelvane
