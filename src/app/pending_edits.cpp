#include "app/pending_edits.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <utility>

namespace kelvane {

namespace {

PendingEditsAnswerer& installedAnswerer() {
    static PendingEditsAnswerer answerer;
    return answerer;
}

} // namespace

PendingEditsAnswerer setPendingEditsAnswerer(PendingEditsAnswerer answerer) {
    return std::exchange(installedAnswerer(), std::move(answerer));
}

PendingEdits askAboutPendingEdits(QWidget* parent, const QString& text) {
    if (const PendingEditsAnswerer& answerer = installedAnswerer())
        return answerer(parent, text);
    QMessageBox box(QMessageBox::Question, QStringLiteral("Kelvane"), text, QMessageBox::NoButton, parent);
    QPushButton* apply = box.addButton(QStringLiteral("Apply"), QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(QStringLiteral("Discard"), QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(cancel);
    box.exec();
    if (box.clickedButton() == apply)
        return PendingEdits::Apply;
    if (box.clickedButton() == discard)
        return PendingEdits::Discard;
    return PendingEdits::Cancel;
}

QString formFingerprint(const QWidget* root, const QWidget* except) {
    QString print;
    // findChildren lists in creation order, which is stable while the boxes stay.
    for (const QWidget* child : root->findChildren<QWidget*>()) {
        if (child == except)
            continue;
        if (const auto* edit = qobject_cast<const QLineEdit*>(child); edit && !edit->isReadOnly())
            print += edit->objectName() + QLatin1Char('=') + edit->text() + QLatin1Char('\n');
        else if (const auto* list = qobject_cast<const QComboBox*>(child); list && list->isEnabled())
            print += list->objectName() + QLatin1Char('#') + QString::number(list->currentIndex()) +
                     QLatin1Char('\n');
        else if (const auto* button = qobject_cast<const QAbstractButton*>(child);
                 button && button->isCheckable())
            print +=
                button->objectName() + (button->isChecked() ? QStringLiteral("+\n") : QStringLiteral("-\n"));
    }
    return print;
}

} // namespace kelvane
