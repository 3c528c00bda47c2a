#include "script/ui/form_controls.h"

#include "app/widget_names.h"
#include "common/box_value.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
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

QLabel* addRowWithUnit(QFormLayout* form, const QString& caption, QWidget* box, const QString& unit) {
    auto* label = new QLabel(caption);
    label->setBuddy(box);
    auto* unitLabel = new QLabel(unit);
    unitLabel->setObjectName(box->objectName() + QStringLiteral("Unit"));
    auto* row = new QHBoxLayout;
    row->addWidget(box, 1);
    row->addWidget(unitLabel);
    form->addRow(label, row);
    return unitLabel;
}

QFont fixedPitchFont() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    if (QFontInfo(font).fixedPitch())
        return font;
    for (const QString& family : QFontDatabase::families())
        if (QFontDatabase::isFixedPitch(family)) {
            font.setFamilies({family});
            break;
        }
    return font;
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

std::string boxCaption(const QWidget* box) {
    for (const QLabel* label : box->window()->findChildren<QLabel*>())
        if (label->buddy() == box) {
            QString caption = label->text();
            caption.remove(QLatin1Char('&'));
            while (caption.endsWith(QLatin1Char(' ')))
                caption.chop(1);
            return toBytes(caption);
        }
    return toBytes(box->objectName());
}

std::int32_t intOfBox(const QLineEdit* box) {
    return boxInt(boxCaption(box), toBytes(box->text()));
}

double realOfBox(const QLineEdit* box) {
    return boxReal(boxCaption(box), toBytes(box->text()));
}

} // namespace kelvane
