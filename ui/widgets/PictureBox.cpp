#include "ui/widgets/PictureBox.h"

#include <QPainter>

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {}

void PictureBox::SetPicture(const QImage& picture) {
    picture_ = picture;
    Refit();
}

void PictureBox::SetFit(Fit fit) {
    fit_ = fit;
    Refit();
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), shown_);
}

void PictureBox::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (fit_ != Fit::Unscaled) {
        Refit();
    }
}

void PictureBox::Refit() {
    if (fit_ == Fit::AutoSize && !picture_.isNull() && size() != picture_.size()) {
        resize(picture_.size());
    }
    if (fit_ == Fit::Stretch && !picture_.isNull() && !size().isEmpty()) {
        shown_ = picture_.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    } else {
        shown_ = picture_;
    }
    update();
}
