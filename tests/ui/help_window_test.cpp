#include "ui/help_files.h"
#include "ui/help_window.h"

#include <QDialog>
#include <QDirIterator>
#include <QEvent>
#include <QFile>
#include <QPointer>
#include <QRegularExpression>
#include <QTextBrowser>
#include <gtest/gtest.h>

#include <memory>

namespace klaxora {
namespace {

// Follows whether a window is blocked by a modal one.
class BlockWatch : public QObject {
public:
    BlockWatch(QWidget* window, bool& blocked) : blocked_(blocked) { window->installEventFilter(this); }
    bool eventFilter(QObject* /*watched*/, QEvent* event) override
    {
        if (event->type() == QEvent::WindowBlocked || event->type() == QEvent::WindowUnblocked) {
            blocked_ = event->type() == QEvent::WindowBlocked;
        }
        return false;
    }

private:
    bool& blocked_;
};

struct TopicCase {
    int topic;
    const char* page;
    const char* title;
};

TEST(HelpWindowTest, OpensKlaxoraHelpAtEachContextTopic)
{
    const TopicCase topics[] = {
        {1009, "qrc:/help/klaxora/1009.html", "The main window"},
        {1004, "qrc:/help/klaxora/1004.html", "Writing an alarm: the Alarm Description window"},
        {2004, "qrc:/help/klaxora/2004.html", "Alarm Options"},
    };
    QWidget owner;
    for (const TopicCase& topic : topics) {
        HelpWindow* help = showHelpContext(&owner, QStringLiteral("KLAXORA.HLP"), topic.topic);
        ASSERT_NE(help, nullptr);
        EXPECT_TRUE(help->isVisible());
        EXPECT_EQ(help->browser()->source(), QUrl(QString::fromLatin1(topic.page)));
        EXPECT_EQ(help->browser()->documentTitle(), QString::fromLatin1(topic.title));
        EXPECT_TRUE(help->windowTitle().endsWith(QString::fromLatin1(topic.title)));
    }
}

TEST(HelpWindowTest, OpensZuvSoftHelpAtItsContentsFromAFullPath)
{
    QWidget owner;
    for (const QString& path :
         {QStringLiteral("/opt/klaxora/ZUVSOFT.HLP"), QStringLiteral("C:\\Klaxora\\zuvsoft.hlp")}) {
        HelpWindow* help = showHelpContents(&owner, path);
        EXPECT_EQ(help->browser()->source(), QUrl(QStringLiteral("qrc:/help/zuvsoft/index.html")));
        EXPECT_EQ(help->browser()->documentTitle(), QStringLiteral("ZUV Software Products"));
        EXPECT_TRUE(help->browser()->toPlainText().contains(QStringLiteral("Klaxora!")));
    }
}

TEST(HelpWindowTest, UnknownTopicOrFileShowsWhatIsMissing)
{
    QWidget owner;
    HelpWindow* help = showHelpContext(&owner, QStringLiteral("KLAXORA.HLP"), 1234);
    EXPECT_EQ(help->browser()->documentTitle(), QStringLiteral("Topic not found"));
    EXPECT_TRUE(help->browser()->toPlainText().contains(QStringLiteral("1234")));
    EXPECT_TRUE(help->windowTitle().endsWith(QStringLiteral("Topic not found")));

    showHelpContext(&owner, QStringLiteral("OTHER.HLP"), 1009);
    EXPECT_EQ(help->browser()->documentTitle(), QStringLiteral("Help file not found"));
    showHelpContents(&owner, QStringLiteral("OTHER.HLP"));
    EXPECT_EQ(help->browser()->documentTitle(), QStringLiteral("Help file not found"));

    // Names that would reach outside the help folders are no help files.
    EXPECT_TRUE(helpFolder(QStringLiteral("..HLP")).isEmpty());
    EXPECT_TRUE(helpFolder(QStringLiteral(".HLP")).isEmpty());
    EXPECT_TRUE(helpFolder(QStringLiteral("KLAXORA.TXT")).isEmpty());
    EXPECT_TRUE(helpTopicUrl(QStringLiteral("KLAXORA.HLP"), -1009).isEmpty());
}

TEST(HelpWindowTest, OwnerKeepsOneHelpWindowThatGoesWithIt)
{
    auto owner = std::make_unique<QWidget>();
    QPointer<HelpWindow> first = showHelpContext(owner.get(), QStringLiteral("KLAXORA.HLP"), 1009);
    HelpWindow* second = showHelpContents(owner.get(), QStringLiteral("KLAXORA.HLP"));
    EXPECT_EQ(first.data(), second);
    EXPECT_EQ(second->browser()->source(), QUrl(QStringLiteral("qrc:/help/klaxora/index.html")));
    EXPECT_TRUE(second->isWindow());

    // Asked for by a modal dialog: the same window, usable beside the dialog, and it outlives the dialog.
    auto* dialog = new QDialog(owner.get());
    dialog->setWindowModality(Qt::ApplicationModal);
    bool blocked = false;
    BlockWatch watch(second, blocked);
    dialog->show();
    EXPECT_TRUE(blocked);
    EXPECT_EQ(showHelpContext(dialog, QStringLiteral("KLAXORA.HLP"), 1004), second);
    EXPECT_FALSE(blocked);
    delete dialog;
    EXPECT_FALSE(first.isNull());
    EXPECT_TRUE(second->isVisible());
    EXPECT_EQ(showHelpContext(owner.get(), QStringLiteral("KLAXORA.HLP"), 1009), second);
    owner.reset();
    EXPECT_TRUE(first.isNull());
}

// Every link of every page leads to a page, and every picture a page asks for is drawn.
TEST(HelpWindowTest, PagesHaveNoBrokenLinksOrPictures)
{
    HelpWindow help;
    helpFolder(QStringLiteral("KLAXORA.HLP")); // registers the pages
    const QRegularExpression link(QStringLiteral(R"re((href|src)="([^"]+)")re"));
    int pages = 0;
    QDirIterator files(QStringLiteral(":/help"), {QStringLiteral("*.html")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        ++pages;
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(file.readAll());
        EXPECT_TRUE(html.contains(QStringLiteral("<title>"))) << path.toStdString();
        const QUrl page(QStringLiteral("qrc") + path);
        auto matches = link.globalMatch(html);
        while (matches.hasNext()) {
            const auto match = matches.next();
            const QUrl target = page.resolved(QUrl(match.captured(2)));
            if (target.scheme() == QStringLiteral("picture")) {
                const QImage picture =
                    help.browser()->loadResource(QTextDocument::ImageResource, target).value<QImage>();
                EXPECT_FALSE(picture.isNull())
                    << path.toStdString() << ": " << target.toString().toStdString();
            } else {
                EXPECT_EQ(target.scheme(), QStringLiteral("qrc")) << path.toStdString();
                EXPECT_TRUE(QFile::exists(u':' + target.path()))
                    << path.toStdString() << ": " << target.toString().toStdString();
            }
        }
    }
    EXPECT_GE(pages, 5);
}

} // namespace
} // namespace klaxora
