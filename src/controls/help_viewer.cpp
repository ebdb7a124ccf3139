#include "controls/help_viewer.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <utility>

namespace klaxora {

namespace {

const QString PictureScheme = QStringLiteral("picture");

class PictureBrowser final : public QTextBrowser {
public:
    PictureBrowser(HelpViewer::PictureSource pictures, QWidget* parent)
        : QTextBrowser(parent), pictures_(std::move(pictures))
    {
    }

    QVariant loadResource(int type, const QUrl& name) override
    {
        if (type == QTextDocument::ImageResource && name.scheme() == PictureScheme) {
            const QImage picture = pictures_(name.path());
            return picture.isNull() ? QVariant() : QVariant(picture);
        }
        return QTextBrowser::loadResource(type, name);
    }

private:
    const HelpViewer::PictureSource pictures_;
};

} // namespace

HelpViewer::HelpViewer(QWidget* owner, PictureSource pictures, QString title)
    : QWidget(owner, Qt::Window), title_(std::move(title)),
      browser_(new PictureBrowser(std::move(pictures), this)),
      contentsButton_(new QPushButton(tr("&Contents"), this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    resize(620, 520);

    auto* back = new QPushButton(tr("&Back"), this);
    auto* forward = new QPushButton(tr("&Forward"), this);
    back->setEnabled(false);
    forward->setEnabled(false);
    contentsButton_->setEnabled(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contentsButton_);
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_);

    connect(contentsButton_, &QPushButton::clicked, this, [this] { showPage(contentsPage_); });
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpViewer::updateTitle);
    updateTitle();
}

void HelpViewer::showPage(const QUrl& page)
{
    browser_->setSource(page);
}

void HelpViewer::showProblem(const QString& heading, const QString& text)
{
    // The message is no page of the history; Back would otherwise skip the page shown last.
    browser_->clearHistory();
    browser_->setHtml(
        QStringLiteral("<html><head><title>%1</title></head><body><h1>%1</h1><p>%2</p></body></html>")
            .arg(heading.toHtmlEscaped(), text.toHtmlEscaped()));
    updateTitle();
}

void HelpViewer::setContentsPage(const QUrl& page)
{
    contentsPage_ = page;
    contentsButton_->setEnabled(!page.isEmpty());
}

void HelpViewer::updateTitle()
{
    const QString page = browser_->documentTitle();
    setWindowTitle(page.isEmpty() ? title_ : QStringLiteral("%1 - %2").arg(title_, page));
}

} // namespace klaxora
