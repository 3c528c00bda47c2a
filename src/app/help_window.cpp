#include "app/help_window.h"

#include "app/help_pages.h"
#include "script/ui/form_controls.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace kelvane {

namespace {

const QString kAboutPage = QStringLiteral("about.html");

// Reads the pages from their folder and gives the About page its lines on this program, which
// are found out once, when it is first shown.
class HelpBrowser final : public QTextBrowser {
  public:
    using QTextBrowser::QTextBrowser;

    QVariant loadResource(int type, const QUrl& name) override {
        QVariant resource = QTextBrowser::loadResource(type, name);
        if (type != QTextDocument::HtmlResource || name.fileName() != kAboutPage)
            return resource;
        if (aboutLines_.isEmpty())
            aboutLines_ =
                aboutProgramHtml(QStringLiteral(KELVANE_VERSION), QCoreApplication::applicationDirPath());
        return withInsertedBeforeBodyEnd(QString::fromUtf8(resource.toByteArray()), aboutLines_);
    }

  private:
    QString aboutLines_;
};

} // namespace

HelpWindow::HelpWindow(Session&, QWidget* parent)
    : QWidget(parent, Qt::Window), browser_(new HelpBrowser(this)) {
    setWindowTitle(QStringLiteral("Kelvane Help"));
    browser_->setObjectName(QStringLiteral("helpText"));
    browser_->setSearchPaths({helpPagesFolder(QCoreApplication::applicationDirPath())});
    browser_->setOpenLinks(true);
    browser_->setOpenExternalLinks(false);

    auto* back = makeButton(QStringLiteral("Back"), QStringLiteral("backButton"));
    auto* forward = makeButton(QStringLiteral("Forward"), QStringLiteral("forwardButton"));
    auto* contents = makeButton(QStringLiteral("Tutorial"), QStringLiteral("tutorialButton"));
    auto* close = makeButton(QStringLiteral("Close"), QStringLiteral("closeButton"));
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
    connect(contents, &QPushButton::clicked, this, [this] { showPage(QStringLiteral("tutorial.html")); });
    connect(close, &QPushButton::clicked, this, &QWidget::hide);
    connect(browser_, &QTextBrowser::sourceChanged, this, [this] {
        const QString title = browser_->documentTitle();
        setWindowTitle(title.isEmpty() ? QStringLiteral("Kelvane Help") : title);
    });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addWidget(contents);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_, 1);
    resize(760, 640);
}

void HelpWindow::showPage(const QString& pageName) {
    browser_->setSource(QUrl(pageName));
}

} // namespace kelvane
