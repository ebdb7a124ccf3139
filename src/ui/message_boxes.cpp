#include "ui/message_boxes.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QWidget>

#include <vector>

namespace klaxora {

namespace {

// Captions and texts have always been limited to 255 characters.
QString limited(const QString& text)
{
    return text.left(255);
}

QMessageBox::Icon iconFor(unsigned flags)
{
    switch (flags & 0xF0) {
    case MessageBoxStyle::IconStop:
        return QMessageBox::Critical;
    case MessageBoxStyle::IconQuestion:
        return QMessageBox::Question;
    case MessageBoxStyle::IconExclamation:
        return QMessageBox::Warning;
    case MessageBoxStyle::IconInformation:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

} // namespace

int showMessageBox(const QString& text, const QString& caption, unsigned flags)
{
    QMessageBox box(iconFor(flags), limited(caption), limited(text), QMessageBox::NoButton,
                    QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    struct Choice {
        QMessageBox::StandardButton button;
        int answer;
    };
    std::vector<Choice> choices;
    switch (flags & 0x0F) {
    case MessageBoxStyle::OkCancel:
        choices = {{QMessageBox::Ok, MessageBoxAnswer::Ok}, {QMessageBox::Cancel, MessageBoxAnswer::Cancel}};
        break;
    case MessageBoxStyle::YesNoCancel:
        choices = {{QMessageBox::Yes, MessageBoxAnswer::Yes},
                   {QMessageBox::No, MessageBoxAnswer::No},
                   {QMessageBox::Cancel, MessageBoxAnswer::Cancel}};
        break;
    case MessageBoxStyle::YesNo:
        choices = {{QMessageBox::Yes, MessageBoxAnswer::Yes}, {QMessageBox::No, MessageBoxAnswer::No}};
        break;
    default:
        choices = {{QMessageBox::Ok, MessageBoxAnswer::Ok}};
        break;
    }
    for (const Choice& choice : choices) {
        box.addButton(choice.button);
    }
    box.setDefaultButton(static_cast<QPushButton*>(box.button(choices.front().button)));
    const auto chosen = static_cast<QMessageBox::StandardButton>(box.exec());
    for (const Choice& choice : choices) {
        if (choice.button == chosen) {
            return choice.answer;
        }
    }
    // Closed without a button (Escape or the window system): the box's cancel answer.
    return (flags & 0x0F) == MessageBoxStyle::YesNo ? MessageBoxAnswer::No : MessageBoxAnswer::Cancel;
}

bool confirmBox(const QString& text)
{
    return showMessageBox(text, QCoreApplication::translate("MessageBoxes", "Confirm"),
                          MessageBoxStyle::YesNo | MessageBoxStyle::IconQuestion) == MessageBoxAnswer::Yes;
}

void informationBox(const QString& text)
{
    showMessageBox(text, QCoreApplication::translate("MessageBoxes", "Information"),
                   MessageBoxStyle::Ok | MessageBoxStyle::IconInformation);
}

void showErrorBox(const QString& text)
{
    showMessageBox(text + QLatin1Char('.'), QStringLiteral("Klaxora!"),
                   MessageBoxStyle::Ok | MessageBoxStyle::IconStop);
}

void centerOverMainScreen(QWidget* window, const QWidget* mainWindow)
{
    const QRect main = mainWindow->frameGeometry();
    const QRect own = window->frameGeometry();
    // C++ division truncates toward zero, as the placement always has.
    window->move(main.left() + (main.width() - own.width()) / 2,
                 main.top() + (main.height() - own.height()) / 2);
}

} // namespace klaxora
