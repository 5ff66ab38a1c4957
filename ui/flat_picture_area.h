// SPDX-License-Identifier: MIT
// The flat picture beside the figure on the main dialog. It keeps its canvas
// and draws on it only when the figure, the angle, its own size or the line
// style changes: a drag or a zoom leaves it as it is. Like the figure's
// picture it is drawn at device pixels and painted from the last drawing
// whenever it is exposed; mouse input passes through to the dialog.
#pragma once

#include <QImage>
#include <QWidget>

#include "geometry/view_state.h"
#include "render/flat_picture.h"
#include "render/picture_scale.h"

class FlatPictureArea : public QWidget {
public:
    explicit FlatPictureArea(QWidget* parent);

    // Shows the flat picture of the view's figure at its angle, drawing it
    // only if it is not shown already.
    void Show(const ViewState& view);
    bool HasPicture() const { return m_kept.Picture() != nullptr; }
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
    LineStyle m_lines = LineStyle::Exact;
};
