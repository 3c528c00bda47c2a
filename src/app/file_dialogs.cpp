#include "app/file_dialogs.h"

#include "app/app_settings.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QHash>
#include <QSettings>
#include <utility>

namespace kelvane {

namespace {

// One settings key per filter; "/" and "\\" would open groups.
QString folderKey(const QString& filter) {
    QString name = filter.isEmpty() ? QStringLiteral("any file") : filter;
    name.replace(QLatin1Char('/'), QLatin1Char('_')).replace(QLatin1Char('\\'), QLatin1Char('_'));
    return QStringLiteral("lastFolders/") + name;
}

QString runDialog(QWidget* parent, QFileDialog::AcceptMode mode, const QString& filter,
                  const QString& defaultSuffix) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (!filter.isEmpty())
        dialog.setNameFilter(filter);
    dialog.setDefaultSuffix(defaultSuffix);
    const QString suggested = suggestedDialogFile(filter);
    if (!suggested.isEmpty()) {
        const QFileInfo file(suggested);
        dialog.setDirectory(suggested.endsWith(QLatin1Char('/')) ? suggested : file.absolutePath());
        if (file.isFile())
            dialog.selectFile(file.fileName());
    } else if (const QString folder = lastDialogFolder(filter); !folder.isEmpty()) {
        dialog.setDirectory(folder);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString chosen = dialog.selectedFiles().constFirst();
    rememberDialogFolder(filter, chosen);
    return chosen;
}

class PlatformFileDialogs final : public FileDialogs {
  public:
    QString openFileName(QWidget* parent, const QString& filter, const QString& defaultSuffix) override {
        return runDialog(parent, QFileDialog::AcceptOpen, filter, defaultSuffix);
    }
    QString saveFileName(QWidget* parent, const QString& filter, const QString& defaultSuffix) override {
        return runDialog(parent, QFileDialog::AcceptSave, filter, defaultSuffix);
    }
};

QHash<QString, QString>& suggestions() {
    static QHash<QString, QString> byFilter;
    return byFilter;
}

FileDialogs*& installedDialogs() {
    static FileDialogs* dialogs = nullptr;
    return dialogs;
}

} // namespace

QString lastDialogFolder(const QString& filter) {
    const QString folder = appSettings().value(folderKey(filter)).toString();
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QString();
}

void rememberDialogFolder(const QString& filter, const QString& chosenPath) {
    appSettings().setValue(folderKey(filter), QFileInfo(chosenPath).absolutePath());
}

void suggestDialogFile(const QString& filter, const QString& path) {
    suggestions().insert(filter, path);
}

QString suggestedDialogFile(const QString& filter) {
    return suggestions().value(filter);
}

QString scriptRunFilter() {
    return QStringLiteral("OpenSees script (*.tcl *.py)");
}

FileDialogs& fileDialogs() {
    static PlatformFileDialogs platform;
    FileDialogs* installed = installedDialogs();
    return installed != nullptr ? *installed : platform;
}

FileDialogs* setFileDialogs(FileDialogs* dialogs) {
    return std::exchange(installedDialogs(), dialogs);
}

} // namespace kelvane
