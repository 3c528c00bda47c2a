#pragma once

#include <QWidget>

namespace kelvane {

struct Session;

class AnalysisSettingWindow : public QWidget {
    Q_OBJECT
public:
    explicit AnalysisSettingWindow(Session& session, QWidget* parent = nullptr);

private:
    Session& session_;
};

} // namespace kelvane
