#include "app/app_settings.h"

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
    recent.removeAll(path);
    recent.prepend(path);
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
