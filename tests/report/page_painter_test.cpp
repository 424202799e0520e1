// Painting report pages into images: frame, title band, text and tables where the page
// model puts them, at the device's resolution.
#include "report/page_painter.h"

#include <gtest/gtest.h>

#include <QImage>

#include "report/fixed_pitch.h"
#include "report/report_pages.h"
#include "sample_table.h"

namespace {

QImage Render(const ReportPage& page, double dpi) {
    const double scale = dpi / kReportDpi;
    QImage image(qRound(page.Width() * scale), qRound(page.Height() * scale), QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    image.fill(Qt::blue);  // the painter must lay its own white sheet
    QPainter painter(&image);
    PaintReportPage(painter, page);
    return image;
}

// Dark pixels in a rectangle given in report pixels.
int DarkPixels(const QImage& image, const QRectF& area, double dpi) {
    const double s = dpi / kReportDpi;
    int dark = 0;
    for (int y = qRound(area.top() * s); y < qRound(area.bottom() * s); ++y)
        for (int x = qRound(area.left() * s); x < qRound(area.right() * s); ++x)
            if (qGray(image.pixel(x, y)) < 128) ++dark;
    return dark;
}

TEST(PaintReportPage, FrameTitleBandAndTextSitWhereThePageSaysAtEveryResolution) {
    const ReportPage page = BuildReportPage(1, SampleTable(), kColourFigures);
    for (double dpi : {96.0, 192.0}) {
        const QImage image = Render(page, dpi);
        ASSERT_EQ(image.width(), qRound(Mm(210) * dpi / kReportDpi));
        EXPECT_EQ(image.pixel(2, 2), qRgb(255, 255, 255)) << "sheet at " << dpi;
        // Margins 20 mm left, 10 mm top, 10 mm right, 15 mm bottom; band 10.6 mm high.
        const QRectF title(Mm(20) + 4, Mm(10) + 4, Mm(60), Mm(10.6) - 8);
        EXPECT_GT(DarkPixels(image, title, dpi), 50) << "title at " << dpi;
        const QRectF leftFrame(Mm(20) - 2, Mm(50), 4, Mm(100));
        EXPECT_GE(DarkPixels(image, leftFrame, dpi), Mm(100) * dpi / kReportDpi) << dpi;
        const QRectF bandRule(Mm(40), Mm(20.6) - 2, Mm(100), 4);
        EXPECT_GE(DarkPixels(image, bandRule, dpi), Mm(100) * dpi / kReportDpi) << dpi;
        const QRectF rightFrame(Mm(200) - 2, Mm(50), 4, Mm(100));
        EXPECT_GE(DarkPixels(image, rightFrame, dpi), Mm(100) * dpi / kReportDpi) << dpi;
        EXPECT_EQ(DarkPixels(image, QRectF(0, 0, Mm(19), Mm(297)), dpi), 0) << "left margin";
        // The text box of the condition list at (23.3, 25.4) mm.
        EXPECT_GT(DarkPixels(image, QRectF(Mm(23.3), Mm(25.4), Mm(40), Mm(30)), dpi), 200);
    }
}

TEST(PaintReportPage, LandscapePageNineDrawsItsTableAcrossTheSheet) {
    const ReportPage page = BuildReportPage(9, SampleTable(), kColourFigures);
    const QImage image = Render(page, 96);
    EXPECT_EQ(image.width(), qRound(Mm(297)));
    EXPECT_EQ(image.height(), qRound(Mm(210)));
    // Page 9: margins 15 mm top, 10 mm elsewhere; the table from (14.8, 118.5) mm.
    EXPECT_GE(DarkPixels(image, QRectF(Mm(10) - 2, Mm(40), 4, Mm(100)), 96), Mm(100));
    EXPECT_GT(DarkPixels(image, QRectF(Mm(15), Mm(15) + 4, Mm(50), Mm(10.6) - 8), 96), 50);
    EXPECT_GT(DarkPixels(image, QRectF(Mm(20), Mm(130), Mm(250), Mm(60)), 96), 2000);
    EXPECT_GT(DarkPixels(image, QRectF(Mm(240), Mm(130), Mm(40), Mm(60)), 96), 200)
        << "the last columns of the table";
}

TEST(FixedPitch, FullWidthTakesTwoColumnsHalfWidthKanaOne) {
    struct Case {
        const char* text;
        int columns;
    };
    for (const Case& c : {Case{"PvL1=0.00kN/m2", 14}, Case{"Ｍ：曲げﾓｰﾒﾝﾄ", 13},
                          Case{"σc(N/mm2)", 10}, Case{"　", 2}, Case{"", 0}})
        EXPECT_EQ(ColumnsOf(QString::fromUtf8(c.text)), c.columns) << c.text;
}

TEST(FixedPitch, FullWidthLineEndsWhereTwiceAsManyHalfWidthCharactersEnd) {
    auto rightmostInk = [](const QString& line) {
        QImage image(400, 40, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        DrawFixedPitch(painter, GothicFont(13), 10, 10, line);
        painter.end();
        int right = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qGray(image.pixel(x, y)) < 160) right = std::max(right, x);
        return right;
    };
    // Twenty columns either way: 130 pixels at 6.5 a column.
    const int fullWidth = rightmostInk(QString::fromUtf8("ＨＨＨＨＨＨＨＨＨＨ"));
    const int halfWidth = rightmostInk(QString(20, 'H'));
    EXPECT_NEAR(fullWidth, halfWidth, 3);
    EXPECT_NEAR(halfWidth, 10 + 130, 4);
}

}  // namespace
