// The box-section picture: a cross-section with its dimension marks, drawn once per variant.
#include "ui/box_picture.h"

#include <QPainter>
#include <QPolygon>

namespace {

// Picture coordinates of the box: outer outline and opening.
constexpr int kOuterLeft = 73, kOuterRight = 232, kOuterTop = 52, kOuterBottom = 162;
constexpr int kInnerLeft = 87, kInnerRight = 218, kInnerTop = 70, kInnerBottom = 148;
constexpr int kHaunch = 8;
constexpr int kSurface = 8, kPavementBottom = 14;

const QColor kConcrete(214, 214, 206);
const QColor kSoil(222, 204, 160);
const QColor kDimension(0, 0, 160);

void VerticalDimension(QPainter& p, int x, int top, int bottom) {
    p.drawLine(x, top, x, bottom);
    p.drawLine(x - 3, top, x + 3, top);
    p.drawLine(x - 3, bottom, x + 3, bottom);
}

void HorizontalDimension(QPainter& p, int y, int left, int right) {
    p.drawLine(left, y, right, y);
    p.drawLine(left, y - 3, left, y + 3);
    p.drawLine(right, y - 3, right, y + 3);
}

QImage DrawBox(bool lowerHaunch) {
    QImage image(BoxPicture::kWidth, BoxPicture::kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    // Soil and pavement above the box.
    p.fillRect(QRect(QPoint(20, kPavementBottom), QPoint(285, kOuterTop - 1)), kSoil);
    p.fillRect(QRect(QPoint(20, kSurface), QPoint(285, kPavementBottom - 1)), Qt::darkGray);
    // Concrete section and the opening with its haunches.
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(kConcrete);
    p.drawRect(QRect(QPoint(kOuterLeft, kOuterTop), QPoint(kOuterRight, kOuterBottom)));
    QPolygon opening;
    opening << QPoint(kInnerLeft + kHaunch, kInnerTop) << QPoint(kInnerRight - kHaunch, kInnerTop)
            << QPoint(kInnerRight, kInnerTop + kHaunch);
    if (lowerHaunch)
        opening << QPoint(kInnerRight, kInnerBottom - kHaunch)
                << QPoint(kInnerRight - kHaunch, kInnerBottom)
                << QPoint(kInnerLeft + kHaunch, kInnerBottom)
                << QPoint(kInnerLeft, kInnerBottom - kHaunch);
    else
        opening << QPoint(kInnerRight, kInnerBottom) << QPoint(kInnerLeft, kInnerBottom);
    opening << QPoint(kInnerLeft, kInnerTop + kHaunch);
    p.setBrush(Qt::white);
    p.drawPolygon(opening);
    // Dimension marks beside the fields that set them.
    p.setPen(QPen(kDimension, 1));
    VerticalDimension(p, 250, kSurface, kOuterTop);                  // h1
    VerticalDimension(p, 190, kSurface, kPavementBottom);            // ha
    VerticalDimension(p, 100, kOuterTop, kInnerTop);                 // Tu
    VerticalDimension(p, 200, kInnerTop, kInnerTop + kHaunch);       // Hah
    HorizontalDimension(p, 88, kInnerRight - kHaunch, kInnerRight);  // Hab
    VerticalDimension(p, 45, kOuterTop, kOuterBottom);               // H
    HorizontalDimension(p, 116, kOuterLeft, kInnerLeft);             // TL
    VerticalDimension(p, 100, kInnerBottom, kOuterBottom);           // Tb
    HorizontalDimension(p, 184, kOuterLeft, kOuterRight);            // B
    return image;
}

}  // namespace

void TBoxImage::DrawWithoutLowerHaunch(QImage&) const {}

void TBoxImage::DrawLowerHaunch(QImage& picture) const {
    QPainter p(&picture);
    p.setPen(QPen(QColor(192, 192, 192), 1));
    p.drawPolyline(QPolygon({QPoint(87, 140), QPoint(87, 148), QPoint(95, 148)}));
    p.drawPolyline(QPolygon({QPoint(210, 148), QPoint(218, 148), QPoint(218, 140)}));
    p.drawPolyline(QPolygon({QPoint(86, 140), QPoint(86, 149), QPoint(95, 149)}));
    p.drawPolyline(QPolygon({QPoint(210, 149), QPoint(219, 149), QPoint(219, 140)}));
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(87, 140, 95, 148);
    p.setPen(QPen(QColor(128, 128, 128), 1));
    p.drawLine(86, 140, 95, 149);
    p.setPen(QPen(Qt::white, 1));
    p.drawLine(210, 148, 218, 140);
    p.drawLine(210, 149, 219, 140);
}

BoxPicture::BoxPicture(QWidget* parent)
    : QWidget(parent), withoutHaunch_(DrawBox(false)), withHaunch_(DrawBox(true)) {
    setFixedSize(kWidth, kHeight);
    ShowLowerHaunch(false);
}

void BoxPicture::ShowLowerHaunch(bool present) {
    const TBoxImage boxImage;
    if (present) {
        visible_ = withHaunch_.copy();
        boxImage.DrawLowerHaunch(visible_);
    } else {
        visible_ = withoutHaunch_.copy();
        boxImage.DrawWithoutLowerHaunch(visible_);
    }
    update();
}

void BoxPicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, visible_);
}
