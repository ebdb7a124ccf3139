#include "ui/help_window.h"

#include "controls/picture_canvas.h"
#include "ui/button_pictures.h"
#include "ui/help_files.h"
#include "ui/list_icons.h"
#include "ui/program_icon.h"

#include <QFile>
#include <QTextBrowser>
#include <QWindow>

#include <functional>
#include <map>

namespace klaxora {

namespace {

// Pages show the program's own pictures, so the help always matches the program.
QImage programPicture(const QString& name)
{
    if (name == QStringLiteral("program")) {
        return programIconImage(48);
    }
    static const std::map<QString, std::function<QImage()>> pictures{
        {QStringLiteral("today"), todayAlarmPicture},
        {QStringLiteral("future"), futureAlarmPicture},
        {QStringLiteral("add"), addAlarmPicture},
        {QStringLiteral("edit"), editAlarmPicture},
        {QStringLiteral("delete"), deleteAlarmPicture},
        {QStringLiteral("clone"), cloneAlarmPicture},
        {QStringLiteral("adjust"), adjustTimePicture},
        {QStringLiteral("minimize"), minimizePicture},
        {QStringLiteral("exit"), exitPicture},
        {QStringLiteral("choose"), chooseFilePicture},
        {QStringLiteral("play"), playNowPicture},
        {QStringLiteral("prev-month"), prevMonthPicture},
        {QStringLiteral("next-month"), nextMonthPicture},
        {QStringLiteral("prev-year"), prevYearPicture},
        {QStringLiteral("next-year"), nextYearPicture},
    };
    const auto found = pictures.find(name);
    if (found == pictures.end()) {
        return {};
    }
    return transparentByTopLeft(found->second()).toImage();
}

QString helpStyleSheet()
{
    QFile file(QStringLiteral(":/help/help.css"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

HelpWindow* ownersHelpWindow(QWidget* owner)
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
void bringUp(HelpWindow* window, QWidget* asker)
{
    window->show();
    if (asker != nullptr && window->windowHandle() != nullptr) {
        window->windowHandle()->setTransientParent(asker->window()->windowHandle());
    }
    window->raise();
    window->activateWindow();
}

} // namespace

HelpWindow::HelpWindow(QWidget* owner) : HelpViewer(owner, programPicture, tr("Klaxora! Help"))
{
    setWindowIcon(programIcon());
    browser()->document()->setDefaultStyleSheet(helpStyleSheet());
}

void HelpWindow::showTopic(const QString& helpFile, int topic)
{
    setContentsPage(helpContentsUrl(helpFile));
    const QUrl page = helpTopicUrl(helpFile, topic);
    if (!page.isEmpty()) {
        showPage(page);
    } else if (helpFolder(helpFile).isEmpty()) {
        showProblem(tr("Help file not found"),
                    tr("The help file %1 is not part of this program.").arg(helpFile));
    } else {
        showProblem(tr("Topic not found"),
                    tr("The help file %1 has no topic number %2.").arg(helpFile).arg(topic));
    }
}

void HelpWindow::showContents(const QString& helpFile)
{
    const QUrl page = helpContentsUrl(helpFile);
    setContentsPage(page);
    if (!page.isEmpty()) {
        showPage(page);
    } else {
        showProblem(tr("Help file not found"),
                    tr("The help file %1 is not part of this program.").arg(helpFile));
    }
}

HelpWindow* showHelpContext(QWidget* owner, const QString& helpFile, int topic)
{
    HelpWindow* window = ownersHelpWindow(owner);
    window->showTopic(helpFile, topic);
    bringUp(window, owner);
    return window;
}

HelpWindow* showHelpContents(QWidget* owner, const QString& helpFile)
{
    HelpWindow* window = ownersHelpWindow(owner);
    window->showContents(helpFile);
    bringUp(window, owner);
    return window;
}

} // namespace klaxora
