// Kelvane desktop program: kelvane [MODEL.s2k]
#include "app/main_window.h"
#include "app/session.h"

#include <QApplication>
#include <QStringList>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillon"));

    kelvane::Session session;
    kelvane::MainWindow window(session);
    window.show();

    // An optional model file named on the command line is imported at start-up.
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1)
        window.importFile(arguments.at(1));

    return QApplication::exec();
}
