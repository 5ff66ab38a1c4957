// SPDX-License-Identifier: MIT
// The flat picture beside the figure on the main dialog. It keeps its canvas
// and draws on it only when the figure, the angle, its own size or the line
// style changes: a drag or a zoom leaves it as it is. Like the figure's
// picture it is drawn at device pixels and painted from the last drawing
// whenever it is exposed; mouse input passes through to the dialog.
#pragma once

#include <QImage>
#include <QWidget>

#include "controls/point_controls.h"
#include "geometry/view_state.h"
#include "render/angle_mark.h"
#include "render/kept_flat_picture.h"
#include "render/picture_scale.h"

class FlatPictureArea : public QWidget {
public:
    explicit FlatPictureArea(QWidget* parent);

    // Shows the flat picture of the view's figure at its angle, drawing it
    // only if it is not shown already. With the point shown, its angle mark
    // over it, drawn again when the point has moved too.
    void Show(const ViewState& view, const PointControls* point = nullptr);
    bool HasPicture() const { return m_kept.Picture() != nullptr; }
    // The mark last drawn, in picture units; not shown when there was none.
    const PictureMark& Mark() const { return m_kept.Mark(); }
    // The flat figure's fit, which takes development units to picture units.
    FlatFit Fit(const ViewState& view) { return m_kept.Fit(view.curveKind, view.angleDeg); }
    // A copy of what the area shows, in device pixels: a null image before
    // the first Show.
    QImage Picture() const;
    // As the figure's picture: side × device pixel ratio / 500.
    double Scale() const;

    void SetLineStyle(LineStyle lines) { m_lines = lines; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    KeptFlatPicture m_kept;
    double m_drawnScale = 1.0;
    LineStyle m_lines = LineStyle::Exact;
};
