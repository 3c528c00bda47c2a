#pragma once

#include <QString>
#include <string>

// The core keeps 8-bit byte strings; the windows show them as Latin-1 so every byte round-trips.
namespace kelvane {

inline QString toQString(const std::string& bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

inline std::string toBytes(const QString& text) {
    return text.toLatin1().toStdString();
}

} // namespace kelvane
