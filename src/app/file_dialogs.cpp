#include "app/file_dialogs.h"

#include <QFileDialog>
#include <utility>

namespace kelvane {

namespace {

QString runDialog(QWidget* parent, QFileDialog::AcceptMode mode, const QString& filter,
                  const QString& defaultSuffix) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (!filter.isEmpty())
        dialog.setNameFilter(filter);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
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

FileDialogs*& installedDialogs() {
    static FileDialogs* dialogs = nullptr;
    return dialogs;
}

} // namespace

FileDialogs& fileDialogs() {
    static PlatformFileDialogs platform;
    FileDialogs* installed = installedDialogs();
    return installed != nullptr ? *installed : platform;
}

FileDialogs* setFileDialogs(FileDialogs* dialogs) {
    return std::exchange(installedDialogs(), dialogs);
}

} // namespace kelvane
