// Fonts of the windows.
#include "ui/fonts.h"

QFont ControlFont(int pixels) {
    QFont font(QStringLiteral("IPAPGothic"));
    font.setPixelSize(pixels);
    return font;
}

QFont SheetFont(int pixels) {
    QFont font(QStringLiteral("IPAGothic"));
    font.setPixelSize(pixels);
    font.setFixedPitch(true);
    font.setStyleHint(QFont::Monospace);
    // Kerning or advances rounded to whole pixels would shift the columns that fractions
    // are aligned on; at 13 px a half-width character is 6.5 px wide.
    font.setKerning(false);
    font.setHintingPreference(QFont::PreferVerticalHinting);
    return font;
}
