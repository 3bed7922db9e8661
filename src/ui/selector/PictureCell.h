#pragma once
// One picture of the selector's grid: drawn as large as its cell allows with
// its shape kept, a single border while the pointer is over it.
#include <QPixmap>
#include <QWidget>

namespace velto {

class PictureCell : public QWidget {
    Q_OBJECT
public:
    explicit PictureCell(QWidget* parent = nullptr);

    void SetPicture(const QPixmap& picture);
    const QPixmap& Picture() const { return picture_; }
    bool Bordered() const { return hovered_; }
    // Where the picture is drawn now.
    QRect PictureRect() const;

signals:
    void Clicked();
    void DoubleClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QPixmap picture_;
    bool hovered_ = false;
};

} // namespace velto
