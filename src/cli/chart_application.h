#pragma once

#ifdef KELVANE_WITH_PAINT
#include <QGuiApplication>

#include <memory>

namespace kelvane::cli {

// Charts are painted with fonts, which need a GUI application: on the offscreen platform when no
// other is set, with Qt's start-up notes kept from the user (its critical messages are
// shown). None when the process already has one.
std::unique_ptr<QGuiApplication> ensureChartApplication();

} // namespace kelvane::cli
#endif
