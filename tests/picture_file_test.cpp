// SPDX-License-Identifier: MIT
// Saving the picture: by extension, all or nothing, and the clipboard data.
#include <cerrno>

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QTemporaryDir>

#include "export/figure_titles.h"
#include "export/picture_file.h"
#include "export/picture_svg.h"
#include "export_test_support.h"
#include "file_size_limit.h"

namespace {

QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

class PictureFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const ViewState state = StateOf({CurveKind::Helix});
        shown = RasterPicture(state);
        svg = PictureSvg(state);
        ASSERT_TRUE(dir.isValid());
    }

    QStringList Files() const { return QDir(dir.path()).entryList(QDir::Files | QDir::System); }

    QTemporaryDir dir;
    QImage shown;
    QByteArray svg;
};

} // namespace

TEST_F(PictureFileTest, SuggestedNamesSayTheFigureAndTheAngle)
{
    EXPECT_EQ(SuggestedPictureName(CurveKind::Helix, 60), "torsiva-helice-60.png");
    EXPECT_EQ(SuggestedPictureName(CurveKind::ConicalHelix, 2), "torsiva-helice-conica-2.png");
    EXPECT_EQ(SuggestedPictureName(CurveKind::SphericalHelix, 89),
              "torsiva-helice-esferica-89.png");
}

TEST_F(PictureFileTest, TheExtensionChoosesTheFormat)
{
    const QString png = dir.filePath("a.png"), upper = dir.filePath("b.PNG");
    const QString vector = dir.filePath("c.svg");
    EXPECT_EQ(SavePictureFile(png, shown, svg), "");
    EXPECT_EQ(SavePictureFile(upper, shown, svg), "");
    EXPECT_EQ(SavePictureFile(vector, shown, svg), "");
    EXPECT_EQ(QImage(png).convertToFormat(QImage::Format_RGB32), shown);
    EXPECT_EQ(QImage(upper, "PNG").convertToFormat(QImage::Format_RGB32), shown);
    EXPECT_EQ(Contents(vector), svg);
    EXPECT_EQ(Files().size(), 3) << "nothing is left aside";
}

TEST_F(PictureFileTest, ANameWithoutAKnownExtensionWritesNothing)
{
    for (const char* name : {"picture", "picture.", "picture.jpg"}) {
        const QString reason = SavePictureFile(dir.filePath(name), shown, svg);
        EXPECT_TRUE(reason.contains(".png") && reason.contains(".svg")) << reason.toStdString();
    }
    EXPECT_TRUE(Files().isEmpty());
}

TEST_F(PictureFileTest, AMissingFolderIsReported)
{
    const QString reason = SavePictureFile(dir.filePath("missing/x.png"), shown, svg);
    EXPECT_EQ(reason, "La carpeta no existe.");
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("missing")));
}

TEST_F(PictureFileTest, AFullDiskKeepsTheEarlierFileAndLeavesNothingElse)
{
    const QString path = dir.filePath("torsiva-helice-60.png");
    WriteFile(path, "the earlier picture");
    QString reason;
    {
        const FileSizeLimit full(64);
        reason = SavePictureFile(path, shown, svg);
    }
    EXPECT_TRUE(reason.contains("disco")) << reason.toStdString();
    // The system's own reason, not the file layer's "unknown error".
    EXPECT_TRUE(reason.contains(qt_error_string(EFBIG))) << reason.toStdString();
    EXPECT_EQ(Contents(path), "the earlier picture");
    EXPECT_EQ(Files(), QStringList{"torsiva-helice-60.png"});
}

TEST_F(PictureFileTest, AReadOnlyFolderKeepsTheEarlierFile)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind the superuser";
    const QString path = dir.filePath("x.svg");
    WriteFile(path, "earlier");
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const QString reason = SavePictureFile(path, shown, svg);
    QFile::setPermissions(dir.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_FALSE(reason.isEmpty());
    EXPECT_EQ(Contents(path), "earlier");
    EXPECT_EQ(Files(), QStringList{"x.svg"});
}

// Writing aside and renaming would put a plain file in place of a device or
// a pipe; such a name is refused and the special file stays what it was.
TEST_F(PictureFileTest, ASpecialFileIsNotReplaced)
{
    const QString pipe = dir.filePath("pipe.png");
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    EXPECT_EQ(SavePictureFile(pipe, shown, svg), "No es un archivo normal.");
    EXPECT_FALSE(QFileInfo(pipe).isFile());
    EXPECT_EQ(SavePictureFile(dir.path() + "/.", shown, svg).isEmpty(), false);
    EXPECT_EQ(Files(), QStringList{"pipe.png"});
}

TEST_F(PictureFileTest, ClipboardDataHoldsTheImageAsPngAndTheDrawingAsSvg)
{
    const std::unique_ptr<QMimeData> data(PictureMimeData(shown, svg));
    ASSERT_TRUE(data->hasFormat("image/png"));
    ASSERT_TRUE(data->hasFormat("image/svg+xml"));
    EXPECT_EQ(
        QImage::fromData(data->data("image/png"), "PNG").convertToFormat(QImage::Format_RGB32),
        shown);
    EXPECT_EQ(data->data("image/svg+xml"), svg);
    EXPECT_EQ(qvariant_cast<QImage>(data->imageData()), shown);
}
