#include "app/help_pages.h"

#include "common/error.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUrl>

// Resources compiled into a static library have to be registered by name, outside any namespace.
static void registerHelpResources() {
    Q_INIT_RESOURCE(kelvane);
}

namespace kelvane {

namespace {

QString helpFolder() {
    QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (cache.isEmpty())
        cache = QDir::tempPath() + QStringLiteral("/kelvane");
    return cache + QStringLiteral("/help");
}

void copyResource(const QString& resource, const QString& target) {
    QFile source(resource);
    if (!source.open(QIODevice::ReadOnly))
        fail("The help page " + resource.toStdString() + " is missing from the program.");
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly) || file.write(source.readAll()) < 0 || !file.commit())
        fail(cannotCreateFileMessage(QDir::toNativeSeparators(target).toStdString(),
                                     file.errorString().toStdString()));
}

} // namespace

QString helpPageFile(const QString& pageName, const QString& programFolder) {
    const QString installed = programFolder + QStringLiteral("/../share/kelvane/help/") + pageName;
    if (QFileInfo::exists(installed))
        return QDir::cleanPath(installed);
    registerHelpResources();
    if (!QDir().mkpath(helpFolder()))
        fail(cannotCreateFileMessage(QDir::toNativeSeparators(helpFolder()).toStdString(),
                                     "Cannot create the folder."));
    // The pages go together: they link to each other.
    for (const QString& page :
         {QStringLiteral("tutorial.html"), QStringLiteral("about.html"), QStringLiteral("results.html")})
        copyResource(QStringLiteral(":/help/") + page, helpFolder() + QLatin1Char('/') + page);
    return helpFolder() + QLatin1Char('/') + pageName;
}

void openHelpPage(const QString& pageName) {
    QDesktopServices::openUrl(
        QUrl::fromLocalFile(helpPageFile(pageName, QCoreApplication::applicationDirPath())));
}

} // namespace kelvane
