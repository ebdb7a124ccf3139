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
QImage ProgramPicture(const QString& name)
{
    if (name == QStringLiteral("program")) {
        return ProgramIconImage(48);
    }
    static const std::map<QString, std::function<QImage()>> pictures{
        {QStringLiteral("today"), todayAlarmPicture},
        {QStringLiteral("future"), futureAlarmPicture},
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

HelpWindow::HelpWindow(QWidget* owner) : HelpViewer(owner, ProgramPicture, tr("Klaxora! Help"))
{
    setWindowIcon(ProgramIcon());
    Browser()->document()->setDefaultStyleSheet(StyleSheet());
}

void HelpWindow::ShowTopic(const QString& helpFile, int topic)
{
    setContentsPage(HelpContentsUrl(helpFile));
    const QUrl page = HelpTopicUrl(helpFile, topic);
    if (!page.isEmpty()) {
        showPage(page);
    } else if (HelpFolder(helpFile).isEmpty()) {
        showProblem(tr("Help file not found"),
                    tr("The help file %1 is not part of this program.").arg(helpFile));
    } else {
        showProblem(tr("Topic not found"),
                    tr("The help file %1 has no topic number %2.").arg(helpFile).arg(topic));
    }
}

void HelpWindow::ShowContents(const QString& helpFile)
{
    const QUrl page = HelpContentsUrl(helpFile);
    setContentsPage(page);
    if (!page.isEmpty()) {
        showPage(page);
    } else {
        showProblem(tr("Help file not found"),
                    tr("The help file %1 is not part of this program.").arg(helpFile));
    }
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
