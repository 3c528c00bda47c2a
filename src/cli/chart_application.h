#pragma once

#ifdef KELVANE_WITH_PAINT
#include <QApplication>

#include <memory>

namespace kelvane::cli {

// Charts are drawn by widgets' graphics items: the application they need, on the offscreen platform
// when no other is set, with Qt's start-up notes kept from the user (its critical messages are
// shown). None when the process already has one.
std::unique_ptr<QApplication> ensureChartApplication();

} // namespace kelvane::cli
#endif
