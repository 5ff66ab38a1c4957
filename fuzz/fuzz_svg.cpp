// SPDX-License-Identifier: MIT
// torsiva-fuzz-svg: any view, reachable by the controls or not, exported as
// SVG. The document must read back as well-formed XML whose every number is
// finite and within reach of the picture, and the export must leave the view
// exactly as it found it.
#include <charconv>
#include <cmath>
#include <cstring>

#include <QByteArray>
#include <QXmlStreamReader>

#include "byte_reader.h"
#include "controls/view_controls.h"
#include "export/picture_svg.h"
#include "fuzz_check.h"
#include "geometry/view_frame.h"

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

ViewState ViewOf(ByteReader& in)
{
    ViewState view;
    view.curveKind = CurveKind(in.Byte() % 5); // 4: a kind no tracer draws
    // The figures are built only for the angles the A bar allows; others
    // would have no end.
    const int floor = AngleFloor(view.curveKind);
    view.angleDeg = floor + in.Byte() % (kAngleCeiling + 1 - floor);
    view.eye = Vector(in);
    view.up = Vector(in);
    view.zoom = in.Byte() % 2 ? Number(in) : double(in.Byte() % 101);
    return view;
}

// Reads the numbers "X,Y X,Y ..." of a points attribute in place: nothing
// but digits, points, minus signs, commas and single spaces, every number
// finite and within reach of the picture.
void CheckPoints(const char* first, const char* last)
{
    FUZZ_CHECK(first < last); // a path has a point at least
    FUZZ_CHECK(std::strspn(first, "0123456789.-, ") == size_t(last - first));
    for (const char* at = first; at < last;) {
        for (const char separator : {',', ' '}) {
            double value = 0.0;
            const auto [end, status] = std::from_chars(at, last, value);
            FUZZ_CHECK(status == std::errc() && std::isfinite(value));
            FUZZ_CHECK(std::abs(value - 250.0) <= kPathReach + 1.0);
            FUZZ_CHECK(end < last ? *end == separator : separator == ' ');
            at = end + 1;
        }
    }
}

// The points attributes hold nearly all of a document's bytes, so each is
// read as numbers where it stands and then left out, and the XML reader
// reads what remains: characters that need no escaping cannot make a
// document ill-formed, so the rest being well-formed is the whole being so.
void CheckDocument(const QByteArray& svg)
{
    static const QByteArray kPoints = QByteArrayLiteral("points=\"");
    QByteArray rest;
    qsizetype from = 0;
    for (qsizetype at = svg.indexOf(kPoints); at >= 0; at = svg.indexOf(kPoints, from)) {
        const qsizetype first = at + kPoints.size();
        const qsizetype last = svg.indexOf('"', first);
        FUZZ_CHECK(last >= first);
        CheckPoints(svg.constData() + first, svg.constData() + last);
        rest.append(svg.constData() + from, first - from);
        from = last;
    }
    rest.append(svg.constData() + from, svg.size() - from);

    QXmlStreamReader xml(rest);
    int elements = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        FUZZ_CHECK(elements > 0 || xml.name() == QLatin1String("svg"));
        ++elements;
        // Every polyline's points were read above, and only there.
        const QXmlStreamAttributes attributes = xml.attributes();
        FUZZ_CHECK(attributes.value(QLatin1String("points")).isEmpty());
        FUZZ_CHECK(xml.name() != QLatin1String("polyline") ||
                   attributes.hasAttribute(QLatin1String("points")));
    }
    FUZZ_CHECK(!xml.hasError());
    FUZZ_CHECK(elements >= 3); // the svg element, the square and its border
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ByteReader in(data, size);
    ViewState view = ViewOf(in);
    // Exported straight away, as the snapshot tool does, or with the frame
    // of a redraw, as in the window. The frame is all a redraw adds to the
    // view, so it is rebuilt without drawing a picture the SVG never reads.
    if (in.Byte() % 2)
        UpdateViewFrame(view);
    CheckDocument(PictureSvg(view));
    return 0;
}
