// Every caption of the program's windows fits its control in English and in every shipped language: the
// windows keep their sizes, so a translation too long for its control must be shortened (a clipped or
// elided German caption is the translators' most common fault).
#include "app/program_translations.h"
#include "app/user_locale.h"
#include "controls/caption_text.h"
#include "controls/flat_button.h"
#include "engine/notification_dialog.h"
#include "ui/about_window.h"
#include "ui/alarm_editor_dialog.h"
#include "ui/alarm_options_dialog.h"
#include "ui/main_screen_test_support.h"

#include <QAbstractButton>
#include <QLabel>
#include <QTranslator>
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace klaxora::test {
namespace {

// The languages shipped, as the build lists them.
const QStringList Languages = QStringLiteral(KLAXORA_SHIPPED_LANGUAGES).split(QLatin1Char(' '));

std::vector<std::string> englishAndShipped()
{
    std::vector<std::string> languages{"en"};
    for (const QString& language : Languages)
        languages.push_back(language.toStdString());
    return languages;
}

QString withoutAccelerators(QString text)
{
    return text.replace(QStringLiteral("&&"), QStringLiteral("\x01"))
        .remove(QLatin1Char('&'))
        .replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

// The window's visible texts that do not fit their controls, "name: text", joined by "; ".
std::string unfitCaptions(const QWidget& window)
{
    QStringList unfit;
    for (const QWidget* part : window.findChildren<QWidget*>()) {
        QString text;
        bool fits = true;
        if (const auto* button = qobject_cast<const FlatButton*>(part)) {
            text = button->caption();
            // Measured without a limit against the width the layout fitted it into.
            const QSize whole = measureCaption(button->font(), captionBuffer(text, false), INT_MAX, false);
            fits = button->wordWrap() || text.isEmpty() || button->paintGeometry().textWidth >= whole.width();
        } else if (const auto* label = qobject_cast<const QLabel*>(part)) {
            text = label->text();
            fits = label->wordWrap() || label->textFormat() == Qt::RichText ||
                   label->fontMetrics().horizontalAdvance(withoutAccelerators(text)) <=
                       label->contentsRect().width();
        } else if (const auto* qtButton = qobject_cast<const QAbstractButton*>(part)) {
            text = qtButton->text();
            fits = qtButton->sizeHint().width() <= qtButton->width();
        }
        if (!fits)
            unfit << part->objectName() + QStringLiteral(": ") + text;
    }
    return unfit.join(QStringLiteral("; ")).toStdString();
}

class TranslationsFitTest : public MainScreenTest, public ::testing::WithParamInterface<std::string> {
protected:
    TranslationsFitTest()
    {
        const QLocale locale(QString::fromStdString(GetParam()));
        installProgramTranslations(*QCoreApplication::instance(), locale);
        // The editor's repeat row shows the locale's own short day names.
        userFormats = userFormatSettings(locale);
    }
    ~TranslationsFitTest() override
    {
        window.reset();
        for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>())
            delete translator;
    }
};

TEST_P(TranslationsFitTest, EveryCaptionFitsItsControl)
{
    prepare(TwoFutureAlarms);
    MainScreen& mainScreen = create();
    EXPECT_EQ(unfitCaptions(mainScreen), "");
    EXPECT_EQ(unfitCaptions(
                  AlarmEditorDialog(mainScreen.store(), clock, mainScreen.optionsServices(), &mainScreen)),
              "");
    EXPECT_EQ(unfitCaptions(AlarmOptionsDialog(mainScreen.optionsServices())), "");
    EXPECT_EQ(unfitCaptions(AboutWindow()), "");
    EXPECT_EQ(unfitCaptions(NotificationDialog()), "");
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslationsFitTest, ::testing::ValuesIn(englishAndShipped()),
                         [](const ::testing::TestParamInfo<std::string>& language) {
                             return language.param;
                         });

} // namespace
} // namespace klaxora::test
