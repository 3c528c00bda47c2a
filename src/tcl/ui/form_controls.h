#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

// Controls of the settings and section windows, each created with the object name tests find it by.
namespace kelvane {

// A drop-down list that allows choosing only among its items.
QComboBox* makeList(const QString& objectName, const QStringList& items = {});
QLineEdit* makeEdit(const QString& objectName, bool readOnly = false);
QCheckBox* makeCheck(const QString& caption, const QString& objectName);
QPushButton* makeButton(const QString& caption, const QString& objectName);

// Lists that show a 1-based code: item code-1 is selected, and a code with no item leaves the
// list without a selection.
void selectByCode(QComboBox* list, std::int32_t code);
// The selected item's code; 0 with no selection.
std::int32_t selectedCode(const QComboBox* list);

} // namespace kelvane
