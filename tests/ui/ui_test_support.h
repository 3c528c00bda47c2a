#pragma once

#include "app/app_settings.h"
#include "app/command_guard.h"
#include "app/file_dialogs.h"
#include "app/pending_edits.h"

#include <QApplication>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <chrono>
#include <deque>
#include <functional>
#include <gtest/gtest.h>

// Helpers for window tests: scripted file dialogs and captured error boxes.
namespace kelvane::test {

// The one QApplication of the window tests, created on first use and deleted when the test program
// ends its run, before the exit handlers tear down Qt's own global data. The settings the program
// keeps between sessions go to a folder of the test run, never to the user's own.
inline QApplication& ensureApplication() {
    if (auto* existing = qobject_cast<QApplication*>(QCoreApplication::instance()))
        return *existing;
    static QTemporaryDir settingsFolder;
    setAppSettingsFile(settingsFolder.filePath(QStringLiteral("kelvane.ini")));
    static int argc = 1;
    static char name[] = "test_ui";
    static char* argv[] = {name, nullptr};
    struct ApplicationOwner : ::testing::Environment {
        QApplication* application = nullptr;
        void TearDown() override {
            delete application;
            application = nullptr;
        }
    };
    auto* owner = new ApplicationOwner;
    owner->application = new QApplication(argc, argv);
    ::testing::AddGlobalTestEnvironment(owner);
    return *owner->application;
}

// Answers file dialogs from a queue of prepared paths (an empty string is a cancel) and remembers
// what each dialog was asked to show. Installed for the lifetime of the object.
class ScriptedFileDialogs final : public FileDialogs {
  public:
    ScriptedFileDialogs() : previous_(setFileDialogs(this)) {}
    ~ScriptedFileDialogs() override { setFileDialogs(previous_); }
    ScriptedFileDialogs(const ScriptedFileDialogs&) = delete;
    ScriptedFileDialogs& operator=(const ScriptedFileDialogs&) = delete;

    void answer(const QString& path) { answers_.push_back(path); }
    void cancel() { answers_.push_back(QString()); }

    QString openFileName(QWidget*, const QString& filter, const QString& defaultSuffix) override {
        return next(QStringLiteral("open"), filter, defaultSuffix);
    }
    QString saveFileName(QWidget*, const QString& filter, const QString& defaultSuffix) override {
        return next(QStringLiteral("save"), filter, defaultSuffix);
    }

    // One entry per dialog shown: "open|FILTER|SUFFIX" or "save|FILTER|SUFFIX".
    const QStringList& requests() const { return requests_; }
    int pendingAnswers() const { return static_cast<int>(answers_.size()); }

  private:
    QString next(const QString& kind, const QString& filter, const QString& defaultSuffix) {
        requests_.append(kind + '|' + filter + '|' + defaultSuffix);
        if (answers_.empty())
            return QString();
        QString path = answers_.front();
        answers_.pop_front();
        return path;
    }

    FileDialogs* previous_;
    std::deque<QString> answers_;
    QStringList requests_;
};

// Collects the texts the top-level error handler would show in message boxes.
class ErrorCapture {
  public:
    ErrorCapture()
        : previous_(setErrorPresenter([this](QWidget*, const QString& text) { messages_.append(text); })) {}
    ~ErrorCapture() { setErrorPresenter(previous_); }
    ErrorCapture(const ErrorCapture&) = delete;
    ErrorCapture& operator=(const ErrorCapture&) = delete;

    const QStringList& messages() const { return messages_; }

  private:
    ErrorPresenter previous_;
    QStringList messages_;
};

// Collects the texts the program would show in information boxes (what a command reset, say).
class NoticeCapture {
  public:
    NoticeCapture()
        : previous_(setNoticePresenter([this](QWidget*, const QString& text) { messages_.append(text); })) {}
    ~NoticeCapture() { setNoticePresenter(previous_); }
    NoticeCapture(const NoticeCapture&) = delete;
    NoticeCapture& operator=(const NoticeCapture&) = delete;

    const QStringList& messages() const { return messages_; }

  private:
    ErrorPresenter previous_;
    QStringList messages_;
};

// Answers the yes-or-no questions of the program with `answer` and remembers them.
class QuestionCapture {
  public:
    QuestionCapture()
        : previous_(setQuestionAnswerer([this](QWidget*, const QString& text) {
              questions_.append(text);
              return answer;
          })) {}
    ~QuestionCapture() { setQuestionAnswerer(previous_); }
    QuestionCapture(const QuestionCapture&) = delete;
    QuestionCapture& operator=(const QuestionCapture&) = delete;

    const QStringList& questions() const { return questions_; }
    bool answer = false;

  private:
    QuestionAnswerer previous_;
    QStringList questions_;
};

// Answers the questions about edits not stored yet with `answer` and remembers them.
class PendingEditsCapture {
  public:
    PendingEditsCapture()
        : previous_(setPendingEditsAnswerer([this](QWidget*, const QString& text) {
              questions_.append(text);
              return answer;
          })) {}
    ~PendingEditsCapture() { setPendingEditsAnswerer(previous_); }
    PendingEditsCapture(const PendingEditsCapture&) = delete;
    PendingEditsCapture& operator=(const PendingEditsCapture&) = delete;

    const QStringList& questions() const { return questions_; }
    PendingEdits answer = PendingEdits::Cancel;

  private:
    PendingEditsAnswerer previous_;
    QStringList questions_;
};

// Processes events until `done` holds or `seconds` have passed; false on the timeout.
inline bool waitUntil(const std::function<bool()>& done, double seconds = 20) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (!done()) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        QTest::qWait(20);
    }
    return true;
}

} // namespace kelvane::test
