// SPDX-License-Identifier: MIT
// The window's start state for --figure and --angle, on the real dialog.
#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>

#include "app/start_view.h"
#include "controls/control_ids.h"
#include "golden_pictures.h"
#include "test_support.h"
#include "ui/control_scroll_bar.h"
#include "ui/figure_dialog.h"

namespace {

ControlScrollBar* AngleBar(const CFigureDlg& dialog)
{
    for (ControlScrollBar* bar : dialog.findChildren<ControlScrollBar*>())
        if (bar->ControlId() == ControlId::kBarA)
            return bar;
    return nullptr;
}

// The angle label: the one label whose text names the angle.
QString AngleLabel(const CFigureDlg& dialog)
{
    for (QLabel* label : dialog.findChildren<QLabel*>())
        if (label->text().startsWith(QStringLiteral("Ángulo")))
            return label->text();
    return QString();
}

QImage Shown(CFigureDlg& dialog)
{
    return dialog.grab(QRect(150, 10, 500, 500)).toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

TEST(StartViewTest, NoFigureLeavesTheStartOfARun)
{
    CFigureDlg dialog;
    ApplyStartOptions(dialog.Controls(), StartOptions{});
    EXPECT_EQ(dialog.Controls().State().curveKind, CurveKind::None);
    EXPECT_EQ(dialog.Controls().State().zoom, 20.0) << "no button has set the defaults";
    EXPECT_EQ(AngleLabel(dialog), QString());
    EXPECT_EQ(AngleBar(dialog)->maximum(), 0) << "the A bar has no range yet";
}

TEST(StartViewTest, FigureStartsAsItsButtonDoes)
{
    const std::tuple<CurveKind, const char*, int> figures[] = {
        {CurveKind::Helix, "helix", 2},
        {CurveKind::ConicalHelix, "conical", 2},
        {CurveKind::SphericalHelix, "spherical", 0},
    };
    for (const auto& [figure, name, floor] : figures) {
        CFigureDlg dialog;
        ApplyStartOptions(dialog.Controls(), StartOptions{figure, std::nullopt});
        SCOPED_TRACE(name);
        EXPECT_EQ(dialog.Controls().State().curveKind, figure);
        EXPECT_EQ(dialog.Controls().State().angleDeg, 60);
        EXPECT_EQ(dialog.Controls().State().zoom, 50.0);
        EXPECT_EQ(AngleBar(dialog)->minimum(), floor);
        EXPECT_EQ(AngleBar(dialog)->maximum(), 89);
        EXPECT_EQ(AngleLabel(dialog), QStringLiteral("Ángulo = 60º"));
        EXPECT_EQ(Shown(dialog), Golden(name));
    }
}

TEST(StartViewTest, AngleIsAThumbReleaseClampedToTheFiguresRange)
{
    const std::tuple<CurveKind, int, int> cases[] = {
        {CurveKind::Helix, 45, 45},         {CurveKind::Helix, 1, 2},
        {CurveKind::Helix, -50, 2},         {CurveKind::ConicalHelix, 89, 89},
        {CurveKind::ConicalHelix, 500, 89}, {CurveKind::SphericalHelix, 0, 0},
        {CurveKind::SphericalHelix, -1, 0}, {CurveKind::SphericalHelix, 2147483647, 89},
    };
    for (const auto& [figure, asked, shown] : cases) {
        CFigureDlg dialog;
        ApplyStartOptions(dialog.Controls(), StartOptions{figure, asked});
        SCOPED_TRACE(testing::Message() << "figure " << int(figure) << ", --angle " << asked);
        EXPECT_EQ(dialog.Controls().State().curveKind, figure);
        EXPECT_EQ(dialog.Controls().State().angleDeg, shown);
        EXPECT_EQ(dialog.Controls().State().zoom, 50.0);
        ControlScrollBar* bar = AngleBar(dialog);
        ASSERT_NE(bar, nullptr);
        EXPECT_EQ(bar->value(), shown);
        EXPECT_EQ(bar->sliderPosition(), shown);
    }
}

TEST(StartViewTest, AngleShowsInTheLabelAndThePicture)
{
    CFigureDlg dialog;
    ApplyStartOptions(dialog.Controls(), StartOptions{CurveKind::ConicalHelix, 30});
    EXPECT_EQ(AngleLabel(dialog), QStringLiteral("Ángulo = 30º"));
    const QImage at30 = Shown(dialog);

    // The same state reached by hand: the button, then the thumb let go at 30.
    CFigureDlg byHand;
    byHand.OnConicalHelix();
    ControlScrollBar* bar = AngleBar(byHand);
    ASSERT_NE(bar, nullptr);
    bar->setSliderDown(true);
    bar->setSliderPosition(30);
    bar->setSliderDown(false);
    EXPECT_EQ(byHand.Controls().State().angleDeg, 30);
    EXPECT_EQ(Shown(byHand), at30);
    EXPECT_NE(at30, Golden("conical"))
        << "30 degrees draws another conical helix than the default 60";
}
