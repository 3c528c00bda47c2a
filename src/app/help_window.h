#pragma once

#include <QTextBrowser>
#include <QWidget>

namespace kelvane {

struct Session;

// The bundled help pages, shown by Qt's text browser inside the program, so that help works
// without a web browser. Links between the pages are followed; the About page also names the
// version and the OpenSees build found.
class HelpWindow : public QWidget {
    Q_OBJECT
  public:
    explicit HelpWindow(Session& session, QWidget* parent = nullptr);

    // Shows a page by its file name ("tutorial.html").
    void showPage(const QString& pageName);
    QTextBrowser* browser() const { return browser_; }

  private:
    QTextBrowser* browser_;
};

} // namespace kelvane
