#pragma once

#include <QFont>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <string>

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// Controls of the settings and section windows, each created with the object name tests find it by.
namespace kelvane {

// A drop-down list that allows choosing only among its items.
QComboBox* makeList(const QString& objectName, const QStringList& items = {});
QLineEdit* makeEdit(const QString& objectName, bool readOnly = false);
QCheckBox* makeCheck(const QString& caption, const QString& objectName);
QPushButton* makeButton(const QString& caption, const QString& objectName);

// A form row "caption  [box]  unit": the caption names the box (its buddy) and the unit label,
// named after the box with "Unit" appended, says what the box holds. Returns the unit label.
QLabel* addRowWithUnit(QFormLayout* form, const QString& caption, QWidget* box, const QString& unit);

// A fixed-pitch font for scripts and solver output: the platform's fixed font, asked for by style
// hint as well as by name; where that still resolves to a proportional face (the font
// configuration maps "monospace" elsewhere), the first installed fixed-pitch family.
QFont fixedPitchFont();

// Lists that show a 1-based code: item code-1 is selected, and a code with no item leaves the
// list without a selection.
void selectByCode(QComboBox* list, std::int32_t code);
// The selected item's code; 0 with no selection.
std::int32_t selectedCode(const QComboBox* list);

// The caption of the label that names a box (the label whose buddy it is, as a form row's label
// is), without its trailing blanks; the box's object name when no label names it.
std::string boxCaption(const QWidget* box);
// The box's text as an integer or a decimal number; a bad one is refused naming the box
// ("Load Steps: 'x' is not a valid integer value").
std::int32_t intOfBox(const QLineEdit* box);
double realOfBox(const QLineEdit* box);

} // namespace kelvane
