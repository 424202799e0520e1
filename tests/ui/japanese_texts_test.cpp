// Qt's own texts in Japanese: the file dialog and the buttons of the message boxes.
#include "ui/japanese_texts.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <algorithm>

TEST(JapaneseTexts, FileDialogAndButtonsSpeakJapanese) {
    ASSERT_TRUE(UseJapaneseQtTexts(*QCoreApplication::instance()));
    const struct {
        const char* context;
        const char* english;
    } texts[] = {{"QFileDialog", "Look in:"},
                 {"QPlatformTheme", "Cancel"},
                 {"QPlatformTheme", "&Yes"},
                 {"QPrintDialog", "Print"}};
    for (const auto& text : texts) {
        const QString shown = QCoreApplication::translate(text.context, text.english);
        EXPECT_NE(shown, QString::fromLatin1(text.english)) << text.english;
        EXPECT_TRUE(std::any_of(shown.begin(), shown.end(), [](QChar c) {
            return c.unicode() > 0x3000;
        })) << shown.toStdString();
    }
}
