// SPDX-License-Identifier: MIT
// A Canvas seen as a QImage. The canvas's pixels are already RGB32, so the
// picture square can be viewed without a copy; but such a view points into
// the canvas and must not outlive it, so it only ever lives inside one
// function. Anything kept or handed on is a copy.
#pragma once

#include <QImage>

#include "render/canvas.h"

// The picture square at the top of `canvas` (Width() pixels on each side),
// viewed in place: valid only while `canvas` lives and is not drawn on.
inline QImage CanvasPictureView(const Canvas& canvas)
{
    const int side = canvas.Width() < canvas.Height() ? canvas.Width() : canvas.Height();
    return QImage(reinterpret_cast<const uchar*>(canvas.Bits()), side, side,
                  canvas.Width() * int(sizeof(uint32_t)), QImage::Format_RGB32);
}

// The picture square of `canvas` as an image of its own.
inline QImage CanvasPictureCopy(const Canvas& canvas) { return CanvasPictureView(canvas).copy(); }
