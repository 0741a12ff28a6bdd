#pragma once

#include <QImage>
#include <QWidget>

// Shows a picture. How it fits the control:
//   - Unscaled:  drawn at its own size from the top-left corner; what does not
//                fit is cut off.
//   - AutoSize:  the control takes the picture's size, keeping its top-left
//                corner.
//   - Stretch:   scaled to fill the control exactly.
class PictureBox : public QWidget {
    Q_OBJECT

public:
    enum class Fit { Unscaled, AutoSize, Stretch };

    explicit PictureBox(QWidget* parent = nullptr);

    const QImage& Picture() const { return picture_; }
    void SetPicture(const QImage& picture);

    Fit Fitting() const { return fit_; }
    void SetFit(Fit fit);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Refit();

    QImage picture_;
    // The picture as drawn: scaled once per size when stretched.
    QImage shown_;
    Fit fit_ = Fit::Unscaled;
};
