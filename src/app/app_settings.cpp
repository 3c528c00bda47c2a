#include "app/app_settings.h"

#include <QFileInfo>
#include <QSettings>
#include <memory>

namespace kelvane {

namespace {

const QString kRecentModelsKey = QStringLiteral("recentModels");

std::unique_ptr<QSettings>& settingsStore() {
    static std::unique_ptr<QSettings> settings;
    return settings;
}

} // namespace

QSettings& appSettings() {
    std::unique_ptr<QSettings>& settings = settingsStore();
    if (!settings)
        settings = std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                               QStringLiteral("Kelvane"), QStringLiteral("kelvane"));
    return *settings;
}

void setAppSettingsFile(const QString& iniPath) {
    settingsStore() = std::make_unique<QSettings>(iniPath, QSettings::IniFormat);
}

QStringList withRecentModel(QStringList recent, const QString& path) {
    // A model named on the command line relative to the folder of that start opens from any other.
    const QString absolute = path.isEmpty() ? path : QFileInfo(path).absoluteFilePath();
    recent.removeAll(absolute);
    recent.prepend(absolute);
    while (recent.size() > kRecentModelCount)
        recent.removeLast();
    return recent;
}

QStringList recentModels() {
    QStringList recent = appSettings().value(kRecentModelsKey).toStringList();
    recent.removeAll(QString());
    return recent.mid(0, kRecentModelCount);
}

void rememberRecentModel(const QString& path) {
    appSettings().setValue(kRecentModelsKey, withRecentModel(recentModels(), path));
}

} // namespace kelvane
