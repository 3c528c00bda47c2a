#include "tcl/ui/form_controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace kelvane {

QComboBox* makeList(const QString& objectName, const QStringList& items) {
    auto* list = new QComboBox;
    list->setObjectName(objectName);
    list->setEditable(false);
    list->addItems(items);
    return list;
}

QLineEdit* makeEdit(const QString& objectName, bool readOnly) {
    auto* edit = new QLineEdit;
    edit->setObjectName(objectName);
    edit->setReadOnly(readOnly);
    return edit;
}

QCheckBox* makeCheck(const QString& caption, const QString& objectName) {
    auto* check = new QCheckBox(caption);
    check->setObjectName(objectName);
    return check;
}

QPushButton* makeButton(const QString& caption, const QString& objectName) {
    auto* button = new QPushButton(caption);
    button->setObjectName(objectName);
    return button;
}

void selectByCode(QComboBox* list, std::int32_t code) {
    list->setCurrentIndex(code >= 1 && code <= list->count() ? code - 1 : -1);
}

std::int32_t selectedCode(const QComboBox* list) {
    return list->currentIndex() + 1;
}

} // namespace kelvane
