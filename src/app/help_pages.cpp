#include "app/help_pages.h"

#include "solver/solver_location.h"
#include "solver/solver_version.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

// Resources compiled into a static library have to be registered by name, outside any namespace.
static void registerHelpResources() {
    Q_INIT_RESOURCE(kelvane);
}

namespace kelvane {

QString helpPagesFolder(const QString& programFolder) {
    const QString installed = QDir::cleanPath(programFolder + QStringLiteral("/../share/kelvane/help"));
    if (QFileInfo::exists(installed + QStringLiteral("/tutorial.html")))
        return installed;
    registerHelpResources();
    return QStringLiteral(":/help");
}

QString aboutProgramHtml(const QString& version, const QString& programFolder) {
    const std::string solver =
        solverVersionLine(solverSearchFromEnvironment(QFile::encodeName(programFolder).toStdString()));
    return QStringLiteral("<h2>This program</h2>\n<p>Kelvane version %1</p>\n<p>%2</p>\n")
        .arg(version.toHtmlEscaped(), QString::fromLocal8Bit(solver).toHtmlEscaped());
}

QString withInsertedBeforeBodyEnd(const QString& page, const QString& insertion) {
    const qsizetype end = page.lastIndexOf(QStringLiteral("</body>"), -1, Qt::CaseInsensitive);
    QString result = page;
    result.insert(end < 0 ? page.size() : end, insertion);
    return result;
}

} // namespace kelvane
