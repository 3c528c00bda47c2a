#pragma once

#include <QWidget>

namespace kelvane {

struct Session;

class RecorderSettingWindow : public QWidget {
    Q_OBJECT
public:
    explicit RecorderSettingWindow(Session& session, QWidget* parent = nullptr);

private:
    Session& session_;
};

} // namespace kelvane
