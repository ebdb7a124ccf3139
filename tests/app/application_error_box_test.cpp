// Runs under its own main(): the application object under test must be the only QApplication.
#include "app/klaxora_application.h"

#include <QEvent>
#include <QObject>
#include <gtest/gtest.h>

#include <cstdlib>
#include <stdexcept>

namespace klaxora {
namespace {

KlaxoraApplication* application = nullptr;

class ThrowingObject : public QObject {
public:
    int eventsSeen = 0;
    bool event(QEvent* event) override
    {
        if (event->type() == QEvent::User) {
            ++eventsSeen;
            throw std::runtime_error("File access denied");
        }
        return QObject::event(event);
    }
};

TEST(ApplicationErrorBox, AnEscapedErrorIsShownAndTheLoopGoesOn)
{
    QStringList shown;
    application->setErrorPresenter([&shown](const QString& text) { shown << text; });
    ThrowingObject target;
    QEvent first(QEvent::User);
    QCoreApplication::sendEvent(&target, &first);
    ASSERT_EQ(shown, QStringList{"File access denied"});

    // Posted events still reach their receivers after the failure.
    QCoreApplication::postEvent(&target, new QEvent(QEvent::User));
    QCoreApplication::processEvents();
    EXPECT_EQ(target.eventsSeen, 2);
    EXPECT_EQ(shown.size(), 2);
}

} // namespace
} // namespace klaxora

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    klaxora::KlaxoraApplication app(argc, argv);
    klaxora::application = &app;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
