#pragma once

#include <QWidget>

class QPlainTextEdit;

namespace kelvane {

struct Session;

// Generates the OpenSees script into an editable text area and saves what the area holds, hand
// edits included, or writes the OpenSeesPy twin of the script. Closing only hides it; the text stays for the
// next opening.
class ScriptWindow : public QWidget {
    Q_OBJECT
  public:
    explicit ScriptWindow(Session& session, QWidget* parent = nullptr);

  private:
    void generate();
    void save();
    void savePython();

    Session& session_;
    QPlainTextEdit* script_;
};

} // namespace kelvane
