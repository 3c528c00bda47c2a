#pragma once

#include <QString>
#include <string>

namespace kelvane {

// The object name of a control: its caption in lower camel case, letters and digits only
// ("Node Labels" -> "nodeLabels", "LOAD DISP DATA" -> "loadDispData").
QString lowerCamelName(const QString& caption);

// Core texts are 8-bit byte strings; Latin-1 shows and returns every byte unchanged.
inline QString fromBytes(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}
inline std::string toBytes(const QString& text) {
    return text.toLatin1().toStdString();
}

} // namespace kelvane
