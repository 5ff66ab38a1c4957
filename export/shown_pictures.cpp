// SPDX-License-Identifier: MIT
#include "export/shown_pictures.h"

#include <algorithm>
#include <iterator>

#include <QPainter>

#include "export/angle_mark_text.h"
#include "export/flat_svg.h"
#include "export/picture_svg.h"
#include "render/angle_mark.h"
#include "render/flat_picture.h"
#include "render/picture_paths.h"

QImage SideBySideImage(const QImage& figure, const QImage& flat, int gap, const QColor& between)
{
    if (flat.isNull() || figure.isNull())
        return figure;
    QImage both(figure.width() + gap + flat.width(), std::max(figure.height(), flat.height()),
                QImage::Format_RGB32);
    both.fill(between);
    // Pixel for pixel: both are painted at their own device pixels, and the
    // whole claims the figure's ratio afterwards.
    QImage left = figure, right = flat;
    left.setDevicePixelRatio(1.0);
    right.setDevicePixelRatio(1.0);
    QPainter painter(&both);
    painter.drawImage(0, 0, left);
    painter.drawImage(figure.width() + gap, 0, right);
    painter.end();
    both.setDevicePixelRatio(figure.devicePixelRatio());
    return both;
}

QByteArray ShownSvg(const ViewState& view, bool flat, std::optional<double> point)
{
    return flat ? SideBySideSvg(view, point) : PictureSvg(view, point);
}

namespace {

void AddPaths(std::vector<PicturePath>& to, std::vector<PicturePath> paths)
{
    to.insert(to.end(), std::make_move_iterator(paths.begin()),
              std::make_move_iterator(paths.end()));
}

} // namespace

PictureRow ShownDrawings(const ViewState& view, bool flat, std::optional<double> point)
{
    PictureRow drawings{PicturePaths(view)};
    if (point)
        AddPaths(drawings.back(), AngleMarkDrawing(FigureAngleMark(view, *point)));
    if (flat) {
        const FlatFigure flatFigure = MakeFlatFigure(view.curveKind, view.angleDeg);
        drawings.push_back(FlatPicturePaths(flatFigure));
        if (point)
            AddPaths(drawings.back(), AngleMarkDrawing(FlatAngleMark(flatFigure, *point)));
    }
    return drawings;
}
