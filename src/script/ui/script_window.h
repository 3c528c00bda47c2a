#pragma once

#include "script/ground_motion_file.h"

#include <QWidget>

class QLabel;
class QPlainTextEdit;

namespace kelvane {

struct Session;

// Generates the OpenSees script into an editable text area and saves what the area holds, hand
// edits included, or writes the OpenSeesPy twin of the model's script. Closing only hides it; the
// text stays for the next opening. A script that no longer belongs to the model shown (its model
// was replaced, or a later Generate failed) is marked as not current in the caption and above the
// text, and Save asks before saving it. A PEER NGA record of the generated script is converted
// beside the script when it is saved.
class ScriptWindow : public QWidget {
    Q_OBJECT
  public:
    explicit ScriptWindow(Session& session, QWidget* parent = nullptr);

    // "Generate" (also Ctrl+G, here and in the main window), failures shown in the error box.
    void generateCommand();
    // Another model took the place of the one the script was generated for.
    void modelReplaced();
    bool isCurrent() const { return staleReason_.isEmpty(); }

  private:
    void generate();
    void save();
    void savePython();
    void markNotCurrent(const QString& reason);

    Session& session_;
    QPlainTextEdit* script_;
    QLabel* notCurrent_;
    QLabel* warnings_; // what the script generated last leaves out or cannot move
    bool generated_ = false;
    QString staleReason_;       // empty while the script is current
    ScriptGroundMotion motion_; // of the last generation
};

} // namespace kelvane
