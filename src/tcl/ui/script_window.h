#pragma once

#include <QWidget>

class QPlainTextEdit;

namespace kelvane {

struct Session;

// Generates the OpenSees script into an editable text area and saves what the area holds, hand
// edits included. Closing only hides it; the text stays for the next opening.
class ScriptWindow : public QWidget {
    Q_OBJECT
  public:
    explicit ScriptWindow(Session& session, QWidget* parent = nullptr);

  private:
    void generate();
    void save();

    Session& session_;
    QPlainTextEdit* script_;
};

} // namespace kelvane
