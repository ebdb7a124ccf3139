// The program's texts, and Qt's own (the buttons of message boxes and file choosers), in the desktop's
// language: the first of the user's languages (LANGUAGE, LC_ALL, LC_MESSAGES, LANG) that the program
// has. With none of them, English, the language the texts are written in, Qt's texts included.
#pragma once

class QCoreApplication;
class QLocale;

namespace klaxora {

// `locale`: the user's, QLocale::system().
void installProgramTranslations(QCoreApplication& application, const QLocale& locale);

} // namespace klaxora
