// The 500 × 500 picture on the main dialog. It keeps the last finished canvas
// and repaints it whenever the window is exposed; it never redraws the figure
// itself. Mouse input passes through to the dialog, which drives the orbit.
#pragma once

#include <memory>

#include <QImage>
#include <QWidget>

#include "render/canvas.h"

class PictureArea : public QWidget {
public:
    explicit PictureArea(QWidget* parent);

    // Takes the finished canvas and paints its picture square at once.
    void ShowCanvas(Canvas&& canvas);
    // What the area shows: a null image before the first redraw.
    QImage Picture() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::unique_ptr<Canvas> m_canvas; // none until the first redraw
};
