#pragma once

#include "tcl/ground_motion_file.h"

#include <QWidget>

class QPlainTextEdit;

namespace kelvane {

struct Session;

// Generates the OpenSees script into an editable text area and saves what the area holds, hand
// edits included. Closing only hides it; the text stays for the next opening. A PEER NGA record of
// the generated script is converted beside the script when it is saved.
class ScriptWindow : public QWidget {
    Q_OBJECT
  public:
    explicit ScriptWindow(Session& session, QWidget* parent = nullptr);

  private:
    void generate();
    void save();

    Session& session_;
    QPlainTextEdit* script_;
    ScriptGroundMotion motion_; // of the last generation
};

} // namespace kelvane
