// The box-section picture of the input page: two drawings of the box (without and with lower
// haunches) and the visible picture that shows one of them, with the lower-haunch marks.
#pragma once

#include <QImage>
#include <QWidget>

// Draws onto the visible picture; stateless.
class TBoxImage {
  public:
    // The box without lower haunches needs no marks.
    void DrawWithoutLowerHaunch(QImage& picture) const;
    // The bevelled marks of the two lower haunches.
    void DrawLowerHaunch(QImage& picture) const;
};

class BoxPicture : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kWidth = 297;
    static constexpr int kHeight = 241;

    explicit BoxPicture(QWidget* parent);

    // Shows the drawing with or without lower haunches, with its marks.
    void ShowLowerHaunch(bool present);
    const QImage& Visible() const { return visible_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage withoutHaunch_;  // the hidden drawing without lower haunches
    QImage withHaunch_;     // the hidden drawing with lower haunches
    QImage visible_;
};
