// SPDX-License-Identifier: MIT
// What goes into the tool's files: the picture in the format its name asks
// for, and the operation log. Each is made in memory first; outputs.h writes
// them.
#pragma once

#include <optional>

#include <QByteArray>
#include <QString>

#include "geometry/view_state.h"
#include "render/angle_mark.h"
#include "render/recording_canvas.h"

// One finished redraw: its canvas, the view it was drawn from, the scale it
// was drawn at, whether it is the flat picture of the view's figure, and the
// point whose angle it marks, if any.
struct RenderedPicture {
    const RecordingCanvas& canvas;
    const ViewState& view;
    double scale = 1.0;
    bool flat = false;
    std::optional<double> point;
};

// The angle mark of the picture's point in picture units, on the figure or
// on its flat picture: what the canvas draws and the text goes beside.
PictureMark MarkOf(const RenderedPicture& picture);

using PictureEncoder = std::optional<QByteArray> (*)(const RenderedPicture& picture);

struct PictureFormat {
    const char* extension; // lower case, without the dot
    PictureEncoder encode;
    // Whether it is made from the canvas's pixels; the vector formats are
    // drawn from the view itself, and need only the operations.
    bool fromPixels;
};

// The formats --out accepts, by the extension of its file name (any case; a
// name without one is a PNG). nullptr for an extension not in the table.
const PictureFormat* FormatOfFile(const QString& path);

// The picture square as a PNG.
std::optional<QByteArray> EncodePng(const RenderedPicture& picture);

// One canvas operation per line.
QByteArray OpsText(const RecordingCanvas& canvas);
