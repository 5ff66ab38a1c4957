// SPDX-License-Identifier: MIT
// The picture on the main dialog. It owns the canvas the figure is drawn on
// and keeps it from one redraw to the next; it paints it whenever the window
// is exposed, but never redraws the figure on its own. It draws at device
// pixels: a side of `side` logical pixels on a screen of device pixel ratio
// r is drawn at scale side·r/500 and shown pixel for pixel, never scaled up.
// Mouse input passes through to the dialog, which drives the orbit.
#pragma once

#include <memory>

#include <QImage>
#include <QWidget>

#include "controls/point_controls.h"
#include "geometry/view_state.h"
#include "render/angle_mark.h"
#include "render/figure_model.h"
#include "render/kept_canvas.h"
#include "render/picture_scale.h"

class PictureArea : public QWidget {
public:
    explicit PictureArea(QWidget* parent);

    // The redraw: composes the view, whose frame is rebuilt, on the area's
    // canvas at the area's scale, then shows it; with the point shown, its
    // angle mark after the figure, and the measured angle's text over the
    // picture wherever it is painted or copied.
    void DrawFigure(const ViewState& view, const PointControls* point = nullptr);
    // The mark last drawn; not shown when there was none.
    const PictureMark& Mark() const { return m_mark; }
    // Whether a picture has been drawn yet; until then the area shows the
    // dialog's background.
    bool HasPicture() const { return m_canvas != nullptr; }
    // A copy of what the area shows, in device pixels: the canvas's picture
    // square cut to the area and the window, as the screen shows it; a null
    // image before the first redraw, or when none of it is in the window.
    QImage Picture() const;
    // The scale the next redraw draws at: side × device pixel ratio / 500,
    // held to the drawable range, a ratio that is not a positive number
    // counting as 1.
    double Scale() const;

    void SetLineStyle(LineStyle lines) { m_lines = lines; }
    LineStyle Lines() const { return m_lines; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The canvas pixels on the screen, in device pixels from the canvas's top
    // left corner: what painting draws and what Picture() copies.
    QRect ShownPixels() const;

    std::unique_ptr<KeptCanvas> m_canvas; // none until the first redraw
    FigureCache m_figures;                // the vertices of the figure shown
    LineStyle m_lines = LineStyle::Exact;
    PictureMark m_mark;
    double m_drawnScale = 1.0; // of the last redraw, which the text follows
};
