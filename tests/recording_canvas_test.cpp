// SPDX-License-Identifier: MIT
// The operation log: a canvas without pixels records exactly what a full one
// does, whatever falls outside the raster.
#include <string>
#include <vector>

#include "geometry/view_frame.h"
#include "render/draw_figure.h"
#include "render/recording_canvas.h"
#include "test_support.h"

namespace {

std::vector<std::string> Log(const RecordingCanvas& canvas)
{
    std::vector<std::string> lines;
    for (const CanvasOp& op : canvas.Ops())
        lines.push_back(FormatOp(op));
    return lines;
}

} // namespace

TEST(RecordingCanvasTest, AnOperationsOnlyCanvasRecordsWhatAFullOneDoes)
{
    for (const CurveKind figure :
         {CurveKind::None, CurveKind::Helix, CurveKind::ConicalHelix, CurveKind::SphericalHelix}) {
        for (const double zoom : {0.0, 50.0, 100.0}) { // 100: far beyond the raster
            for (const double scale : {0.25, 1.0, 3.0}) {
                SCOPED_TRACE(testing::Message()
                             << int(figure) << " zoom " << zoom << " scale " << scale);
                ViewState view = DefaultView(figure, 45);
                view.zoom = zoom;
                UpdateViewFrame(view);
                const PictureMapping mapping{scale, LineStyle::Exact};
                RecordingCanvas full(PictureSide(scale), PictureSide(scale) + kRowsBelowPicture);
                FigureCache fullFigures;
                ComposeFigure(full, fullFigures, view, mapping);
                RecordingCanvas operationsOnly = RecordingCanvas::OperationsOnly();
                FigureCache figures;
                ComposeFigure(operationsOnly, figures, view, mapping);
                EXPECT_EQ(operationsOnly.Width(), 0);
                EXPECT_GT(operationsOnly.Ops().size(), 3u);
                EXPECT_EQ(Log(operationsOnly), Log(full));
            }
        }
    }
}

TEST(RecordingCanvasTest, DashedPolylinesAreLoggedWithTheirPattern)
{
    RecordingCanvas canvas = RecordingCanvas::OperationsOnly();
    const int32_t xs[] = {1, 5, 9};
    const int32_t ys[] = {2, 2, 6};
    EXPECT_EQ(canvas.DashedPolyline(xs, ys, 3, DashPattern{4, 4}, 11), (11 + 4 + 4) % 8);
    EXPECT_EQ(Log(canvas), (std::vector<std::string>{"dashes 4 4 3", "move 1 2", "dash 1 2",
                                                     "dash 5 2", "dash 9 6"}));
}
