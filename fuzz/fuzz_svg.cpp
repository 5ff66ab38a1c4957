// SPDX-License-Identifier: MIT
// torsiva-fuzz-svg: any view, reachable by the controls or not, exported as
// SVG. The document must read back as well-formed XML whose every number is
// finite and within reach of the picture, and the export must leave the view
// exactly as it found it.
#include <cmath>
#include <cstring>

#include <QString>
#include <QStringList>
#include <QXmlStreamReader>

#include "export/picture_svg.h"
#include "fuzz/byte_reader.h"
#include "fuzz/fuzz_check.h"
#include "render/draw_figure.h"
#include "render/kept_canvas.h"
#include "ui/view_controls.h"

namespace {

// Mostly numbers of a hand's size, now and then any bit pattern at all:
// not-a-number, infinities, denormals and the extremes.
double Number(ByteReader& in)
{
    const uint8_t kind = in.Byte();
    if (kind < 48) {
        const uint64_t bits = uint64_t(uint32_t(in.Int32())) << 32 | uint32_t(in.Int32());
        double value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }
    return std::ldexp(double(in.Int32()), -(kind % 32));
}

Vec3 Vector(ByteReader& in) { return {Number(in), Number(in), Number(in)}; }

void SetView(ByteReader& in)
{
    ViewState& view = View();
    view = ViewState{};
    view.curveKind = CurveKind(in.Byte() % 5); // 4: a kind no tracer draws
    // The figures are built only for the angles the A bar allows; others
    // would have no end.
    const int floor = AngleFloor(view.curveKind);
    view.angleDeg = floor + in.Byte() % (kAngleCeiling + 1 - floor);
    view.eye = Vector(in);
    view.up = Vector(in);
    view.zoom = in.Byte() % 2 ? Number(in) : double(in.Byte() % 101);
}

bool SameBits(const ViewState& a, const ViewState& b)
{
    auto same = [](Vec3 x, Vec3 y) { return std::memcmp(&x, &y, sizeof(Vec3)) == 0; };
    return same(a.eye, b.eye) && same(a.target, b.target) && same(a.up, b.up) &&
           same(a.viewDir, b.viewDir) && same(a.right, b.right) &&
           same(a.planePoint, b.planePoint) && std::memcmp(&a.zoom, &b.zoom, sizeof a.zoom) == 0 &&
           a.angleDeg == b.angleDeg && a.curveKind == b.curveKind;
}

void CheckCoordinate(const QString& text)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    FUZZ_CHECK(ok && std::isfinite(value));
    FUZZ_CHECK(std::abs(value - 250.0) <= kPathReach + 1.0);
}

void CheckDocument(const QByteArray& svg)
{
    QXmlStreamReader xml(svg);
    int elements = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        FUZZ_CHECK(elements > 0 || xml.name() == QLatin1String("svg"));
        ++elements;
        const QString points = xml.attributes().value(QLatin1String("points")).toString();
        for (const QString& pair : points.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const QStringList xy = pair.split(QLatin1Char(','));
            FUZZ_CHECK(xy.size() == 2);
            CheckCoordinate(xy[0]);
            CheckCoordinate(xy[1]);
        }
    }
    FUZZ_CHECK(!xml.hasError());
    FUZZ_CHECK(elements >= 3); // the svg element, the square and its border
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static KeptCanvas canvas(Canvas::ForRedraw());
    ByteReader in(data, size);
    SetView(in);
    // Exported straight away, as the snapshot tool does, or after a redraw
    // has left its frame, as in the window.
    if (in.Byte() % 2)
        ComposeFigure(canvas);
    const ViewState before = View();
    CheckDocument(PictureSvg());
    FUZZ_CHECK(SameBits(View(), before));
    return 0;
}
