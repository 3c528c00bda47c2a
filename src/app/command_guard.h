#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace kelvane {

// The top-level error handler: runs a command and shows any failure's text in a message box.
// The command stops where it failed and keeps what it had stored; the program keeps running.
// Returns false when the command failed.
bool runGuarded(QWidget* parent, const std::function<void()>& command);

// Where a failure's text goes. The default shows a critical message box; window tests install
// their own presenter to observe the text without a modal box.
using ErrorPresenter = std::function<void(QWidget* parent, const QString& text)>;

// Installs a presenter and returns the one it replaces; an empty presenter restores the message box.
ErrorPresenter setErrorPresenter(ErrorPresenter presenter);

// Shows a failure's text through the current presenter (for handlers that report without throwing).
void presentError(QWidget* parent, const QString& text);

// What a command tells the user that is not a failure (what a project could not apply, say): an
// information box, or the presenter a test installed.
ErrorPresenter setNoticePresenter(ErrorPresenter presenter);
void presentNotice(QWidget* parent, const QString& text);

// A yes-or-no question before a command goes on (a second run while one is going, say): a question
// box whose default answer is No, or the answerer a test installed. True for Yes.
using QuestionAnswerer = std::function<bool(QWidget* parent, const QString& text)>;
QuestionAnswerer setQuestionAnswerer(QuestionAnswerer answerer);
bool askQuestion(QWidget* parent, const QString& text);

} // namespace kelvane
