// The program's standard message boxes: the question and information boxes, the error box that shows
// any failure that reaches the top of a handler, and the placing of a dialog over the main window.
#pragma once

#include <QString>

class QWidget;

namespace klaxora {

// Style bits and answer codes as the message boxes have always used them.
namespace MessageBoxStyle {
constexpr unsigned Ok = 0x00;
constexpr unsigned OkCancel = 0x01;
constexpr unsigned YesNoCancel = 0x03;
constexpr unsigned YesNo = 0x04;
constexpr unsigned IconStop = 0x10;
constexpr unsigned IconQuestion = 0x20;
constexpr unsigned IconExclamation = 0x30;
constexpr unsigned IconInformation = 0x40;
} // namespace MessageBoxStyle

namespace MessageBoxAnswer {
constexpr int Ok = 1;
constexpr int Cancel = 2;
constexpr int Yes = 6;
constexpr int No = 7;
} // namespace MessageBoxAnswer

// A modal box owned by the application; returns the answer code of the button chosen.
int showMessageBox(const QString& text, const QString& caption, unsigned flags);
// "Confirm", Yes and No, question mark: true exactly when the answer is Yes.
bool confirmBox(const QString& text);
// "Information", OK, information icon.
void informationBox(const QString& text);
// The application's error box: caption "Klaxora!", the text followed by ".", stop icon, OK.
void showErrorBox(const QString& text);

// Places `window` over the middle of `mainWindow` (whole-pixel halves toward zero; screen edges ignored).
void centerOverMainScreen(QWidget* window, const QWidget* mainWindow);

} // namespace klaxora
