// SPDX-License-Identifier: MIT
// "Partes ocultas" in the real window: the entry and its key, the picture it
// draws and takes back, a drag and the bars redrawing the split, the
// exports, and what is remembered between runs.
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QSettings>
#include <QTest>

#include "controls/control_ids.h"
#include "dialog_controls.h"
#include "export/canvas_image.h"
#include "export/shown_pictures.h"
#include "golden_pictures.h"
#include "render/draw_figure.h"
#include "test_support.h"
#include "ui/control_scroll_bar.h"
#include "ui/figure_dialog.h"
#include "ui/picture_area.h"

namespace {

class HiddenPartsWindowTest : public ::testing::Test {
protected:
    void SetUp() override { QSettings().clear(); }
    void TearDown() override { QSettings().clear(); }

    void CtrlH(CFigureDlg& dialog) { PressKey(dialog, Qt::Key_H, Qt::ControlModifier); }
};

} // namespace

TEST_F(HiddenPartsWindowTest, CtrlHShowsTheHiddenPartsAndTakesThemBack)
{
    CFigureDlg dialog;
    ShowDialog(dialog);
    dialog.OnHelix();
    const QImage today = dialog.Picture()->Picture();
    QAction* hidden = dialog.HiddenPartsAction();
    ASSERT_NE(hidden, nullptr);
    EXPECT_EQ(hidden->text(), QString::fromUtf8("Partes ocultas"));
    EXPECT_EQ(hidden->shortcut(), QKeySequence("Ctrl+H"));
    EXPECT_TRUE(dialog.WindowMenu()->actions().contains(hidden));
    EXPECT_FALSE(hidden->isChecked()) << "off by default";

    CtrlH(dialog);
    EXPECT_TRUE(hidden->isChecked());
    EXPECT_TRUE(dialog.Controls().State().hiddenParts);
    const QImage shown = dialog.Picture()->Picture();
    EXPECT_NE(shown, today);
    EXPECT_EQ(shown, ComposedPicture(dialog.Controls().State()));

    CtrlH(dialog);
    EXPECT_FALSE(hidden->isChecked());
    EXPECT_EQ(dialog.Picture()->Picture(), today) << "today's picture, pixel for pixel";
}

// Every redraw splits the curve again from where the eye now is.
TEST_F(HiddenPartsWindowTest, ADragAndTheBarsRedrawTheSplit)
{
    CFigureDlg dialog;
    ShowDialog(dialog);
    dialog.OnConicalHelix();
    dialog.ShowHiddenParts(true);
    const QImage before = dialog.Picture()->Picture();
    QWidget* picture = dialog.Picture();
    const QPoint at = picture->mapTo(&dialog, QPoint(250, 250));
    QTest::mousePress(&dialog, Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseMove(&dialog, at + QPoint(60, 25));
    QTest::mouseRelease(&dialog, Qt::LeftButton, Qt::NoModifier, at + QPoint(60, 25));
    const QImage dragged = dialog.Picture()->Picture();
    EXPECT_NE(dragged, before);
    EXPECT_EQ(dragged, ComposedPicture(dialog.Controls().State()));
    for (const int bar : {ControlId::kBarP, ControlId::kBarZ}) {
        BarOf(&dialog, bar)->triggerAction(QAbstractSlider::SliderPageStepAdd);
        EXPECT_TRUE(dialog.Controls().State().hiddenParts);
        EXPECT_EQ(dialog.Picture()->Picture(), ComposedPicture(dialog.Controls().State()));
    }
}

TEST_F(HiddenPartsWindowTest, TheExportsShowTheSame)
{
    CFigureDlg dialog;
    ShowDialog(dialog);
    dialog.OnSphericalHelix();
    dialog.ShowHiddenParts(true);
    const ViewState& view = dialog.Controls().State();
    EXPECT_TRUE(ShownSvg(view, false).contains("class=\"curve hidden\""));
    EXPECT_TRUE(ShownSvg(view, true).contains("class=\"contour\""));
    bool dashed = false;
    for (const std::vector<PicturePath>& drawing : ShownDrawings(view, true))
        for (const PicturePath& path : drawing)
            dashed = dashed || path.dashed;
    EXPECT_TRUE(dashed);
}

TEST_F(HiddenPartsWindowTest, TheUsersChoiceIsRememberedAndTheCommandLinesIsNot)
{
    {
        CFigureDlg dialog;
        ShowDialog(dialog);
        dialog.ShowHiddenParts(true);
        EXPECT_FALSE(QSettings().value("picture/hiddenParts", false).toBool());
        dialog.HiddenPartsAction()->trigger(); // off, by the user
        dialog.HiddenPartsAction()->trigger(); // and on again
        EXPECT_TRUE(QSettings().value("picture/hiddenParts").toBool());
        dialog.reject();
    }
    CFigureDlg next;
    ShowDialog(next);
    EXPECT_TRUE(next.HiddenPartsAction()->isChecked());
    next.OnHelix();
    EXPECT_TRUE(next.Controls().State().hiddenParts);
    EXPECT_EQ(next.Picture()->Picture(), ComposedPicture(next.Controls().State()));
}
