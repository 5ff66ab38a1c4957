// SPDX-License-Identifier: MIT
// SVG documents in the export tests: read back as XML element by element,
// their point lists parsed, rendered by rsvg-convert (Debian librsvg2-bin),
// and the rendering held against a raster picture within a pixel.
#pragma once

#include <vector>

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include "render/picture_paths.h"

struct SvgElement {
    QString name;
    QXmlStreamAttributes attributes;
};

// Every element of a document that must read without an error.
inline std::vector<SvgElement> Elements(const QByteArray& svg)
{
    std::vector<SvgElement> elements;
    QXmlStreamReader xml(svg);
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement)
            elements.push_back({xml.name().toString(), xml.attributes()});
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return elements;
}

inline std::vector<PicturePoint> PointsOf(const QString& text)
{
    std::vector<PicturePoint> points;
    for (const QString& pair : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList xy = pair.split(QLatin1Char(','));
        bool xOk = false, yOk = false;
        points.push_back({xy.value(0).toDouble(&xOk), xy.value(1).toDouble(&yOk)});
        EXPECT_TRUE(xy.size() == 2 && xOk && yOk) << pair.toStdString();
    }
    return points;
}

inline QString Attribute(const SvgElement& element, const char* name)
{
    return element.attributes.value(QLatin1String(name)).toString();
}

// Renders the document at its own size.
inline QImage Rendered(const QByteArray& svg)
{
    QTemporaryDir dir;
    const QString in = dir.filePath("picture.svg"), out = dir.filePath("picture.png");
    QFile file(in);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(svg) == svg.size());
    file.close();
    QProcess rsvg;
    rsvg.start("rsvg-convert", {"--format=png", "--output=" + out, in});
    EXPECT_TRUE(rsvg.waitForFinished(30000)) << "rsvg-convert (Debian librsvg2-bin) is needed";
    EXPECT_EQ(rsvg.exitCode(), 0) << rsvg.readAllStandardError().toStdString();
    return QImage(out).convertToFormat(QImage::Format_RGB32);
}

inline bool IsRasterCurve(QRgb pixel) { return (pixel & 0xFFFFFF) == 0x0000FF; }
inline bool IsRasterWire(QRgb pixel) { return (pixel & 0xFFFFFF) == 0x323232; }
// Anti-aliased blue over black or over the grey wires.
inline bool IsBluish(QRgb pixel) { return qBlue(pixel) >= 60 && qBlue(pixel) > qRed(pixel) + 40; }
inline bool IsLit(QRgb pixel) { return qGray(pixel) >= 12; }

// Of the pixels of `a` that `inA` picks, the share that has a pixel `inB`
// picks in `b` within one pixel.
inline double ShareNear(const QImage& a, bool (*inA)(QRgb), const QImage& b, bool (*inB)(QRgb))
{
    int picked = 0, matched = 0;
    for (int y = 1; y + 1 < a.height(); ++y)
        for (int x = 1; x + 1 < a.width(); ++x) {
            if (!inA(a.pixel(x, y)))
                continue;
            ++picked;
            bool near = false;
            for (int dy = -1; dy <= 1 && !near; ++dy)
                for (int dx = -1; dx <= 1 && !near; ++dx)
                    near = inB(b.pixel(x + dx, y + dy));
            matched += near;
        }
    return picked ? double(matched) / picked : 1.0;
}
