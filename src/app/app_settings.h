#pragma once

#include <QString>
#include <QStringList>

class QSettings;

namespace kelvane {

// What the program keeps between sessions: the models opened last and the last folder of each file
// dialog. In the user's configuration folder unless setAppSettingsFile names another file.
QSettings& appSettings();

// Keeps the settings in this INI file from now on (tests keep theirs in a temporary folder).
void setAppSettingsFile(const QString& iniPath);

// The model files opened last, the latest first.
inline constexpr int kRecentModelCount = 8;
QStringList recentModels();
// Puts the path, made absolute, first in the list (once), keeping kRecentModelCount entries at most.
void rememberRecentModel(const QString& path);
QStringList withRecentModel(QStringList recent, const QString& path);

} // namespace kelvane
