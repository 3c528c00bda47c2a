#pragma once

#include <QString>

class QWidget;

namespace kelvane {

// The file-open and file-save dialogs every window asks for a path. The filter is in Qt's form
// ("s2k file (*.s2k)"), empty for none; the default suffix (without dot) is appended to a typed
// name that has none, empty for none. An empty result means the user cancelled.
class FileDialogs {
  public:
    virtual ~FileDialogs() = default;
    virtual QString openFileName(QWidget* parent, const QString& filter, const QString& defaultSuffix) = 0;
    virtual QString saveFileName(QWidget* parent, const QString& filter, const QString& defaultSuffix) = 0;
};

// The platform dialogs open in the folder their filter was last answered in, kept between
// sessions (app_settings.h); an empty filter is a dialog of its own too.
QString lastDialogFolder(const QString& filter);
void rememberDialogFolder(const QString& filter, const QString& chosenPath);

// The file (or, ending in '/', the folder) a dialog of that filter offers first for the rest of the
// session, ahead of its remembered folder: the script just saved for Run OpenSEES, the folder of the
// last run for the result windows. Empty for none.
void suggestDialogFile(const QString& filter, const QString& path);
QString suggestedDialogFile(const QString& filter);

// The filter of the Run OpenSEES dialog: the Tcl and the Python scripts.
QString scriptRunFilter();

// The provider windows use: the platform dialogs unless a test installed its own.
FileDialogs& fileDialogs();

// Installs a provider (not owned) and returns the one it replaces; nullptr restores the platform dialogs.
FileDialogs* setFileDialogs(FileDialogs* dialogs);

} // namespace kelvane
