#pragma once

#include <QWidget>

namespace kelvane {

struct Session;

class MaterialWindow : public QWidget {
    Q_OBJECT
public:
    explicit MaterialWindow(Session& session, QWidget* parent = nullptr);

private:
    Session& session_;
};

} // namespace kelvane
