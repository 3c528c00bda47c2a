#include "app/command_guard.h"

#include <QMessageBox>
#include <exception>
#include <utility>

namespace kelvane {

namespace {

// Core texts are 8-bit byte strings: file names from the file system arrive as UTF-8, texts from
// model files as Latin-1. Valid UTF-8 is shown as such; anything else byte for byte as Latin-1.
QString messageText(const char* bytes) {
    const QByteArray raw(bytes);
    const QString utf8 = QString::fromUtf8(raw);
    return utf8.toUtf8() == raw ? utf8 : QString::fromLatin1(raw);
}

ErrorPresenter& installedPresenter() {
    static ErrorPresenter presenter;
    return presenter;
}

ErrorPresenter& installedNoticePresenter() {
    static ErrorPresenter presenter;
    return presenter;
}

QuestionAnswerer& installedAnswerer() {
    static QuestionAnswerer answerer;
    return answerer;
}

} // namespace

QuestionAnswerer setQuestionAnswerer(QuestionAnswerer answerer) {
    return std::exchange(installedAnswerer(), std::move(answerer));
}

bool askQuestion(QWidget* parent, const QString& text) {
    if (const QuestionAnswerer& answerer = installedAnswerer())
        return answerer(parent, text);
    return QMessageBox::question(parent, QStringLiteral("Kelvane"), text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

ErrorPresenter setNoticePresenter(ErrorPresenter presenter) {
    return std::exchange(installedNoticePresenter(), std::move(presenter));
}

void presentNotice(QWidget* parent, const QString& text) {
    if (const ErrorPresenter& presenter = installedNoticePresenter()) {
        presenter(parent, text);
        return;
    }
    QMessageBox::information(parent, QStringLiteral("Kelvane"), text);
}

ErrorPresenter setErrorPresenter(ErrorPresenter presenter) {
    return std::exchange(installedPresenter(), std::move(presenter));
}

void presentError(QWidget* parent, const QString& text) {
    if (const ErrorPresenter& presenter = installedPresenter()) {
        presenter(parent, text);
        return;
    }
    QMessageBox::critical(parent, QStringLiteral("Kelvane"), text);
}

bool runGuarded(QWidget* parent, const std::function<void()>& command) {
    try {
        command();
        return true;
    } catch (const std::exception& error) {
        presentError(parent, messageText(error.what()));
        return false;
    } catch (...) {
        presentError(parent, QStringLiteral("Unknown error"));
        return false;
    }
}

} // namespace kelvane
