// What the flat button does on mouse, menu, keys and property changes.
#include "flat_button_test_support.h"

#include <QAccessible>
#include <QCursor>
#include <QMenu>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <gtest/gtest.h>

namespace klaxora {
namespace {

using namespace flatbtn;
using namespace test;

class FlatButtonBehaviour : public testing::Test {
protected:
    void SetUp() override
    {
        form->move(100, 100);
        button->setGeometry(10, 20, 50, 40);
        button->setCaption(QStringLiteral("&Add"));
    }
    void showForm()
    {
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    // Opens with a press and closes at once; returns where the menu stood.
    QPoint pressOpeningMenu(QMenu& menu, const QPoint& cursor)
    {
        QPoint shownAt(-1, -1);
        QTimer::singleShot(0, &menu, [&] {
            shownAt = menu.geometry().topLeft();
            QCursor::setPos(cursor);
            menu.close();
        });
        QTest::mousePress(button, Qt::LeftButton, {}, QPoint(10, 10));
        return shownAt;
    }

    std::unique_ptr<QWidget> form = makeForm();
    FlatButton* button = new FlatButton(form.get());
    QSignalSpy clicks{button, &FlatButton::clicked};
};

TEST_F(FlatButtonBehaviour, ClickFiresOnceOnReleaseOverTheButton)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_FALSE(button->isPressed());
    EXPECT_FALSE(button->isHovered());

    // Pressed, then the mouse leaves and is released elsewhere: nothing, and no press remains.
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseMove(button, QPoint(70, 10));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(70, 10));
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_FALSE(button->isPressed());

    // Leaving and coming back before the release still clicks.
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseMove(button, QPoint(70, 10));
    QTest::mouseMove(button, QPoint(20, 10));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_EQ(clicks.count(), 2);

    // Other mouse buttons do nothing.
    QTest::mouseClick(button, Qt::RightButton, {}, QPoint(10, 10));
    EXPECT_EQ(clicks.count(), 2);
}

TEST_F(FlatButtonBehaviour, DropDownMenuOpensAtTheBottomLeftCornerInsteadOfClicking)
{
    showForm();
    QMenu menu;
    menu.addAction(QStringLiteral("+5 minutes"));
    button->setDropDownMenu(&menu);

    const QPoint away = button->mapToGlobal(QPoint(200, 200));
    EXPECT_EQ(pressOpeningMenu(menu, away), button->mapToGlobal(QPoint(0, 40)));
    EXPECT_FALSE(button->isPressed());
    EXPECT_FALSE(button->isHovered());
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(clicks.count(), 0);

    // With the cursor still over the button it keeps its hover look.
    pressOpeningMenu(menu, button->mapToGlobal(QPoint(25, 20)));
    EXPECT_TRUE(button->isHovered());
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(clicks.count(), 0);

    // The accelerator opens the menu as well and does not click.
    bool opened = false;
    QObject::connect(&menu, &QMenu::aboutToShow, [&] {
        opened = true;
        QTimer::singleShot(0, &menu, &QMenu::close);
    });
    QTest::keyClick(form.get(), Qt::Key_A);
    EXPECT_TRUE(opened);
    EXPECT_EQ(clicks.count(), 0);

    // Enter on a Default button clicks at once, without the menu.
    opened = false;
    button->setDefault(true);
    QTest::keyClick(form.get(), Qt::Key_Return);
    EXPECT_FALSE(opened);
    EXPECT_EQ(clicks.count(), 1);
}

TEST_F(FlatButtonBehaviour, MouseEventsQueuedWhileTheMenuIsOpenAreDropped)
{
    showForm();
    QMenu menu;
    menu.addAction(QStringLiteral("Clone"));
    button->setDropDownMenu(&menu);
    int shown = 0;
    QObject::connect(&menu, &QMenu::aboutToShow, [&] {
        ++shown;
        QTimer::singleShot(0, &menu, [&] {
            // The press that closes a menu by a click on its button reaches the window later.
            const QPointF local = button->mapTo(form.get(), QPointF(10, 10));
            QCoreApplication::postEvent(form->windowHandle(),
                                        new QMouseEvent(QEvent::MouseButtonPress, local, local,
                                                        button->mapToGlobal(QPointF(10, 10)), Qt::LeftButton,
                                                        Qt::LeftButton, Qt::NoModifier));
            menu.close();
        });
    });
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(10, 10));
    QCoreApplication::processEvents();
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(clicks.count(), 0);
}

TEST_F(FlatButtonBehaviour, DestroyedMenuIsForgotten)
{
    auto* menu = new QMenu;
    button->setDropDownMenu(menu);
    delete menu;
    EXPECT_EQ(button->dropDownMenu(), nullptr);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(clicks.count(), 1);
}

TEST_F(FlatButtonBehaviour, AcceleratorAndDialogKeys)
{
    showForm();
    QTest::keyClick(form.get(), Qt::Key_A); // plain character, no focus widget took it
    EXPECT_EQ(clicks.count(), 1);
    QTest::keyClick(form.get(), Qt::Key_A, Qt::AltModifier);
    EXPECT_EQ(clicks.count(), 2);
    QTest::keyClick(form.get(), Qt::Key_D);
    QTest::keyClick(form.get(), Qt::Key_Return);
    QTest::keyClick(form.get(), Qt::Key_Escape);
    EXPECT_EQ(clicks.count(), 2) << "neither the wrong letter nor keys of a non-default button";
    EXPECT_FALSE(button->isHovered()) << "the cursor is not over the button";

    button->setCancel(true);
    QTest::keyClick(form.get(), Qt::Key_Escape);
    EXPECT_EQ(clicks.count(), 3);

    // A button in a dialog owned by the form does not answer the form's keys.
    QWidget dialog(form.get(), Qt::Dialog);
    auto* other = new FlatButton(&dialog);
    other->setDefault(true);
    QSignalSpy otherClicks(other, &FlatButton::clicked);
    dialog.show();
    QTest::keyClick(form.get(), Qt::Key_Return);
    EXPECT_EQ(otherClicks.count(), 0);
}

// Switch access presses the button as its accelerator does, but only once the asking call has returned:
// a click that opens a modal window must not run that window's loop inside the call.
TEST_F(FlatButtonBehaviour, PressActionClicksFromTheEventLoop)
{
    showForm();
    QAccessibleActionInterface* actions = QAccessible::queryAccessibleInterface(button)->actionInterface();
    ASSERT_NE(actions, nullptr);
    ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_TRUE(QTest::qWaitFor([this] { return clicks.count() == 1; }));
}

TEST_F(FlatButtonBehaviour, DisabledOrHiddenButtonDoesNothing)
{
    // Disabling a pressed button drops the press, so that the release clicks nothing.
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(10, 10));
    button->setEnabled(false);
    EXPECT_FALSE(button->isPressed());
    button->setEnabled(true);
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(clicks.count(), 0);

    showForm();
    button->setDefault(true);
    button->setCancel(true);
    button->setEnabled(false);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(10, 10));
    for (int key : {int(Qt::Key_A), int(Qt::Key_Return), int(Qt::Key_Escape)})
        QTest::keyClick(form.get(), Qt::Key(key));
    QTest::keyClick(form.get(), Qt::Key_A, Qt::AltModifier);
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_FALSE(button->isPressed());

    button->setEnabled(true);
    button->hide();
    for (int key : {int(Qt::Key_A), int(Qt::Key_Return), int(Qt::Key_Escape)})
        QTest::keyClick(form.get(), Qt::Key(key));
    EXPECT_EQ(clicks.count(), 0);
}

class FlatButtonGroup : public testing::Test {
protected:
    void SetUp() override
    {
        for (int i = 0; i < 3; ++i) {
            buttons[i] = new FlatButton(form.get());
            buttons[i]->setGroupIndex(1);
        }
    }
    void click(int i) { QTest::mouseClick(buttons[i], Qt::LeftButton, {}, QPoint(10, 10)); }
    int downCount() const
    {
        return int(buttons[0]->isDown()) + int(buttons[1]->isDown()) + int(buttons[2]->isDown());
    }
    std::unique_ptr<QWidget> form = makeForm();
    FlatButton* buttons[3] = {};
};

TEST_F(FlatButtonGroup, AtMostOneButtonIsDown)
{
    QSignalSpy clicks(buttons[0], &FlatButton::clicked);
    click(0);
    EXPECT_TRUE(buttons[0]->isDown());
    click(0);
    EXPECT_TRUE(buttons[0]->isDown()) << "without AllowAllUp the down button stays down";
    EXPECT_EQ(clicks.count(), 2);
    click(1);
    EXPECT_TRUE(buttons[1]->isDown());
    EXPECT_EQ(downCount(), 1);

    buttons[2]->setDown(true);
    EXPECT_TRUE(buttons[2]->isDown());
    EXPECT_EQ(downCount(), 1);
    // Screen readers hear which one is down, and that a disabled one is.
    buttons[1]->setEnabled(false);
    for (int i = 0; i < 3; ++i) {
        const QAccessible::State state = QAccessible::queryAccessibleInterface(buttons[i])->state();
        EXPECT_EQ(state.pressed, i == 2);
        EXPECT_EQ(state.checked, i == 2);
        EXPECT_EQ(state.disabled, i == 1);
    }
    buttons[1]->setEnabled(true);

    // AllowAllUp set on one button goes to the whole group.
    buttons[0]->setAllowAllUp(true);
    EXPECT_TRUE(buttons[2]->allowAllUp());
    click(2);
    EXPECT_EQ(downCount(), 0);

    // Another group on the same parent is left alone.
    auto* stranger = new FlatButton(form.get());
    stranger->setGroupIndex(2);
    stranger->setDown(true);
    click(1);
    EXPECT_TRUE(stranger->isDown());
    EXPECT_FALSE(stranger->allowAllUp());
}

TEST_F(FlatButtonGroup, OutsideAGroupNoButtonIsDown)
{
    FlatButton loner(form.get());
    loner.setDown(true);
    EXPECT_FALSE(loner.isDown());

    buttons[0]->setDown(true);
    buttons[0]->setGroupIndex(0);
    EXPECT_FALSE(buttons[0]->isDown());
}

TEST(FlatButtonHint, IconOnlyTurnsTheCaptionIntoTheHint)
{
    FlatButton button;
    EXPECT_EQ(button.options(), boMonoDisplay | boPopupMark);
    button.setOptions(boIconOnly);
    button.setCaption(QStringLiteral("&Delete"));
    EXPECT_EQ(button.hint(), QStringLiteral("Delete"));
    EXPECT_TRUE(button.showHint());
    button.setCaption(QStringLiteral("Save && E&xit&"));
    EXPECT_EQ(button.hint(), QStringLiteral("Save & Exit&"));

    // Switching back removes the hint made from the caption.
    button.setOptions({});
    EXPECT_EQ(button.hint(), QString());
    EXPECT_FALSE(button.showHint());

    // A hint of other text survives both ways.
    button.setHint(QStringLiteral("Removes the alarm"));
    button.setOptions(boIconOnly);
    EXPECT_EQ(button.hint(), QStringLiteral("Removes the alarm"));
    button.setOptions({});
    EXPECT_EQ(button.hint(), QStringLiteral("Removes the alarm"));
}

} // namespace
} // namespace klaxora
