#pragma once

#include <QString>

namespace kelvane {

// Opens one of the bundled help pages ("tutorial.html", "about.html") in the default browser. The
// browser's answer is not waited for.
void openHelpPage(const QString& pageName);

// The local file the page is opened from. An installed program opens the pages installed with
// it (PREFIX/share/kelvane/help beside PREFIX/bin); otherwise both pages, which link to each
// other, are first copied out of the program's resources into the user's cache folder.
QString helpPageFile(const QString& pageName, const QString& programFolder);

} // namespace kelvane
