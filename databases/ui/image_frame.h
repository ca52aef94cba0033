#pragma once
// The photo or track image of a database editor: the picture drawn stretched
// over the whole frame, a left double click to choose one, a right double
// click to remove it.
#include <QImage>
#include <QWidget>
#include <functional>

namespace ksy {

class ImageFrame : public QWidget {
public:
    explicit ImageFrame(QSize size, QWidget* parent = nullptr);

    // An empty path or a file that cannot be read shows an empty frame.
    void showImage(const QString& path);
    bool hasImage() const { return !image_.isNull(); }

    std::function<void()> onChoose; // left double click
    std::function<void()> onRemove; // right double click

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QImage image_;
};

} // namespace ksy
