#include "ui/help_window.h"

#include "ui/button_pictures.h"
#include "ui/help_files.h"
#include "ui/list_icons.h"
#include "ui/picture_canvas.h"
#include "ui/program_icon.h"

#include <QFile>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <QWindow>

#include <functional>
#include <map>

namespace klaxora {

namespace {

const QString PictureScheme = QStringLiteral("picture");

// Pages show the program's own pictures as <img src="picture:name">, so the help always matches the program.
class HelpBrowser final : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;

    QVariant loadResource(int type, const QUrl& name) override
    {
        if (type == QTextDocument::ImageResource && name.scheme() == PictureScheme) {
            return Picture(name.path());
        }
        return QTextBrowser::loadResource(type, name);
    }

private:
    static QVariant Picture(const QString& name)
    {
        if (name == QStringLiteral("program")) {
            return ProgramIconImage(48);
        }
        static const std::map<QString, std::function<QImage()>> pictures{
            {QStringLiteral("today"), AlarmImagePicture},
            {QStringLiteral("future"), DoneImagePicture},
            {QStringLiteral("add"), AddAlarmPicture},
            {QStringLiteral("edit"), EditAlarmPicture},
            {QStringLiteral("delete"), DeleteAlarmPicture},
            {QStringLiteral("clone"), CloneAlarmPicture},
            {QStringLiteral("adjust"), AdjustTimePicture},
            {QStringLiteral("minimize"), MinimizePicture},
            {QStringLiteral("exit"), ExitPicture},
            {QStringLiteral("choose"), ChooseFilePicture},
            {QStringLiteral("play"), PlayNowPicture},
            {QStringLiteral("prev-month"), PrevMonthPicture},
            {QStringLiteral("next-month"), NextMonthPicture},
            {QStringLiteral("prev-year"), PrevYearPicture},
            {QStringLiteral("next-year"), NextYearPicture},
        };
        const auto found = pictures.find(name);
        if (found == pictures.end()) {
            return {};
        }
        return TransparentByTopLeft(found->second()).toImage();
    }
};

QString StyleSheet()
{
    QFile file(QStringLiteral(":/help/help.css"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

HelpWindow* OwnersHelpWindow(QWidget* owner)
{
    // The help belongs to the outermost window (the main window), not to a dialog that asked for it: it
    // stays open when the dialog closes and is reused for the next topic.
    while (owner != nullptr && owner->window()->parentWidget() != nullptr) {
        owner = owner->window()->parentWidget();
    }
    if (owner != nullptr) {
        owner = owner->window();
        if (auto* existing = owner->findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly)) {
            return existing;
        }
    }
    return new HelpWindow(owner);
}

// Shown for `asker`: a modal dialog blocks every window but its own, so the help stands in front of the
// window that asked, which keeps it usable beside that dialog.
void BringUp(HelpWindow* window, QWidget* asker)
{
    window->show();
    if (asker != nullptr && window->windowHandle() != nullptr) {
        window->windowHandle()->setTransientParent(asker->window()->windowHandle());
    }
    window->raise();
    window->activateWindow();
}

} // namespace

HelpWindow::HelpWindow(QWidget* owner)
    : QWidget(owner, Qt::Window), browser_(new HelpBrowser(this)),
      contentsButton_(new QPushButton(tr("&Contents"), this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(ProgramIcon());
    resize(620, 520);

    auto* back = new QPushButton(tr("&Back"), this);
    auto* forward = new QPushButton(tr("&Forward"), this);
    back->setEnabled(false);
    forward->setEnabled(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contentsButton_);
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_);

    browser_->document()->setDefaultStyleSheet(StyleSheet());
    connect(contentsButton_, &QPushButton::clicked, this, [this] { ShowContents(helpFile_); });
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::UpdateTitle);
    UpdateTitle();
}

void HelpWindow::ShowTopic(const QString& helpFile, int topic)
{
    helpFile_ = helpFile;
    const QUrl page = HelpTopicUrl(helpFile, topic);
    if (!page.isEmpty()) {
        browser_->setSource(page);
    } else if (HelpFolder(helpFile).isEmpty()) {
        ShowProblem(tr("Help file not found"),
                    tr("The help file %1 is not part of this program.").arg(helpFile));
    } else {
        ShowProblem(tr("Topic not found"),
                    tr("The help file %1 has no topic number %2.").arg(helpFile).arg(topic));
    }
}

void HelpWindow::ShowContents(const QString& helpFile)
{
    helpFile_ = helpFile;
    const QUrl page = HelpContentsUrl(helpFile);
    if (!page.isEmpty()) {
        browser_->setSource(page);
    } else {
        ShowProblem(tr("Help file not found"),
                    tr("The help file %1 is not part of this program.").arg(helpFile));
    }
}

void HelpWindow::ShowProblem(const QString& heading, const QString& text)
{
    // The message is no page of the history; Back would otherwise skip the page shown last.
    browser_->clearHistory();
    browser_->setHtml(
        QStringLiteral("<html><head><title>%1</title></head><body><h1>%1</h1><p>%2</p></body></html>")
            .arg(heading.toHtmlEscaped(), text.toHtmlEscaped()));
    UpdateTitle();
}

void HelpWindow::UpdateTitle()
{
    contentsButton_->setEnabled(!HelpContentsUrl(helpFile_).isEmpty());
    const QString page = browser_->documentTitle();
    setWindowTitle(page.isEmpty() ? tr("Klaxora! Help") : tr("Klaxora! Help - %1").arg(page));
}

HelpWindow* ShowHelpContext(QWidget* owner, const QString& helpFile, int topic)
{
    HelpWindow* window = OwnersHelpWindow(owner);
    window->ShowTopic(helpFile, topic);
    BringUp(window, owner);
    return window;
}

HelpWindow* ShowHelpContents(QWidget* owner, const QString& helpFile)
{
    HelpWindow* window = OwnersHelpWindow(owner);
    window->ShowContents(helpFile);
    BringUp(window, owner);
    return window;
}

} // namespace klaxora
