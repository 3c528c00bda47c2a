#pragma once

#include <QString>

namespace kelvane {

// Opens one of the bundled help pages ("tutorial.html", "about.html") in the default browser. The
// pages are copied out of the program's resources into the user's cache folder first, so they open
// wherever the program was started from. The browser's answer is not waited for.
void openHelpPage(const QString& pageName);

// The local file the page is opened from (written by openHelpPage).
QString helpPagePath(const QString& pageName);

} // namespace kelvane
