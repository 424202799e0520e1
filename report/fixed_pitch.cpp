// Fixed-pitch text for the sheet lines of the report pages.
#include "report/fixed_pitch.h"

#include <QFontMetricsF>

namespace {

QFont ReportFont(const char* family, int pixelHeight) {
    QFont font(family);
    font.setPixelSize(pixelHeight);
    font.setFixedPitch(true);
    font.setStyleHint(QFont::TypeWriter);
    font.setHintingPreference(QFont::PreferNoHinting);  // the same shapes at every scale
    return font;
}

}  // namespace

int ColumnsOf(char32_t character) {
    const bool halfWidthKana = character >= 0xFF61 && character <= 0xFF9F;
    return character < 0x80 || halfWidthKana ? 1 : 2;
}

int ColumnsOf(const QString& text) {
    int columns = 0;
    for (char32_t c : text.toUcs4()) columns += ColumnsOf(c);
    return columns;
}

QFont MinchoFont(int pixelHeight) {
    return ReportFont("IPAMincho", pixelHeight);
}

QFont GothicFont(int pixelHeight) {
    return ReportFont("IPAGothic", pixelHeight);
}

void DrawFixedPitch(QPainter& painter, const QFont& font, double left, double top,
                    const QString& line) {
    painter.setFont(font);
    const double column = font.pixelSize() / 2.0;
    const double baseline = top + QFontMetricsF(font).ascent();
    int at = 0;
    for (char32_t c : line.toUcs4()) {
        if (c != U' ')
            painter.drawText(QPointF(left + at * column, baseline), QString::fromUcs4(&c, 1));
        at += ColumnsOf(c);
    }
}
