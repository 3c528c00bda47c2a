#pragma once

#include <QString>

namespace kelvane {

// The folder the bundled help pages ("tutorial.html", "about.html", "results.html") are read from:
// the pages installed with the program (PREFIX/share/kelvane/help beside PREFIX/bin) when they are
// there, else the copies compiled into the program (":/help").
QString helpPagesFolder(const QString& programFolder);

// What the About page shows below its text: the version of Kelvane and the OpenSees build the
// program finds from `programFolder` (or where it looked and how to install one), as HTML.
QString aboutProgramHtml(const QString& version, const QString& programFolder);

// The page with `insertion` put just before its closing body tag (at the end when it has none).
QString withInsertedBeforeBodyEnd(const QString& page, const QString& insertion);

} // namespace kelvane
