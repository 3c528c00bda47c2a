#include "app/widget_names.h"

namespace kelvane {

QString lowerCamelName(const QString& caption) {
    QString name;
    bool startOfWord = false;
    for (const QChar c : caption) {
        if (!c.isLetterOrNumber()) {
            startOfWord = !name.isEmpty();
            continue;
        }
        name += startOfWord ? c.toUpper() : c.toLower();
        startOfWord = false;
    }
    return name;
}

} // namespace kelvane
