#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace kelvane {

// What to do with edits in a window's boxes that OK has not stored, before the window shows
// another record or closes.
enum class PendingEdits { Apply, Discard, Cancel };

// The three-button question box (Apply, Discard, Cancel; Cancel is the default), or the answerer a
// test installed.
using PendingEditsAnswerer = std::function<PendingEdits(QWidget* parent, const QString& text)>;
PendingEditsAnswerer setPendingEditsAnswerer(PendingEditsAnswerer answerer);
PendingEdits askAboutPendingEdits(QWidget* parent, const QString& text);

// The values of every editable box and list under `root` (line edits, combo boxes, check boxes)
// but `except` in one string, so that two calls differ exactly when the user changed something.
QString formFingerprint(const QWidget* root, const QWidget* except = nullptr);

} // namespace kelvane
