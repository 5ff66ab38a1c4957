// The 500 × 500 picture on the main dialog. It shows the last finished
// canvas and repaints it whenever the window is exposed; it never redraws the
// figure itself. Mouse input passes through to the dialog, which drives the
// orbit.
#pragma once

#include <QImage>
#include <QWidget>

class Canvas;

class PictureArea : public QWidget {
public:
    explicit PictureArea(QWidget* parent);

    // Copies the canvas's picture square and paints it at once.
    void ShowCanvas(const Canvas& canvas);
    const QImage& Picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_picture; // null until the first redraw
};
