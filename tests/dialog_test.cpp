// SPDX-License-Identifier: MIT
// The real dialog on Qt's offscreen platform, driven through its widgets and
// Qt's event simulation.
#include <algorithm>
#include <cmath>
#include <functional>
#include <iterator>
#include <tuple>

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QApplication>
#include <QCursor>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include "controls/control_ids.h"
#include "dialog_controls.h"
#include "export/canvas_image.h"
#include "golden_pictures.h"
#include "render/draw_figure.h"
#include "test_support.h"
#include "ui/control_scroll_bar.h"
#include "ui/figure_dialog.h"
#include "ui/flat_picture_area.h"
#include "ui/instructions_dialog.h"
#include "ui/picture_area.h"

#include "torsiva_version.h"

namespace {

const QRect kPictureRect(150, 10, 500, 500);

// The Instructions, byte for byte: a leading empty line, four-blank indents,
// a final line feed.
constexpr const char* kInstructionsText =
    "\n1. Curvas:\n"
    "    Se elige la curva a representar. Cada vez que se presiona se iniciliza la figura.\n"
    "\n2. Botón izquierdo del ratón:\n"
    "    Pulsándolo sobre un punto de la imagen y arrastrando sin soltar la imagen se mueve.\n"
    "\n3. Barra A\n"
    "    Se elige el ángulo que forma la curva con las generatrices del objeto base: cilindro, "
    "cono o esfera.\n"
    "\n4. Barra Z\n"
    "    Se amplía o encoge la imagen. Solo cambia el tamaño.\n"
    "\n5. Barra P\n"
    "    Se modifica la perspectiva alejando o acercando el ojo del observador al objeto. Cuanto "
    "menos es la distancia más se distorsiona la imagen.\n";

// What the window shows where the picture stands.
QImage ShownPicture(QWidget* dialog)
{
    return dialog->grab(kPictureRect).toImage().convertToFormat(QImage::Format_RGB32);
}

// Runs `inspect` on the next modal dialog as soon as it is open, then closes it.
void WithNextModal(std::function<void(QWidget*)> inspect)
{
    QTimer::singleShot(0, [inspect] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        inspect(modal);
        modal->close();
    });
}

class DialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    }

    const ViewState& State() { return dialog.Controls().State(); }
    QPushButton* Button(const char* text) { return ButtonOf(&dialog, text); }
    ControlScrollBar* Bar(int id)
    {
        for (ControlScrollBar* bar : dialog.findChildren<ControlScrollBar*>())
            if (bar->ControlId() == id)
                return bar;
        return nullptr;
    }
    QLabel* AngleLabelWidget() { return dialog.findChild<QLabel*>("angleLabel"); }
    QString AngleLabel() { return AngleLabelWidget()->text(); }

    // A mouse event at a point of the dialog, sent to `target` (the dialog
    // itself unless said), with the cursor put there as a real mouse would.
    void Mouse(QEvent::Type type, QPoint local, QWidget* target = nullptr)
    {
        const QPoint global = dialog.mapToGlobal(local);
        QCursor::setPos(global);
        QWidget* receiver = target ? target : &dialog;
        const QPoint at = receiver->mapFromGlobal(global);
        if (type == QEvent::MouseButtonPress)
            QTest::mousePress(receiver, Qt::LeftButton, {}, at);
        else if (type == QEvent::MouseButtonRelease)
            QTest::mouseRelease(receiver, Qt::LeftButton, {}, at);
        else
            QTest::mouseMove(receiver, at);
    }

    // Turns the wheel over a bar by `angle` eighths of a degree.
    void Wheel(QWidget* bar, int angle)
    {
        const QPointF local(bar->width() / 2.0, bar->height() / 2.0);
        QWheelEvent event(local, bar->mapToGlobal(local), QPoint(), QPoint(0, angle), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(bar, &event);
    }

    // Keys and focus need the dialog to be the active window.
    void Activate()
    {
        dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    }

    CFigureDlg dialog;
};

} // namespace

TEST_F(DialogTest, ControlsHaveTheirTextsAndStayOffThePicture)
{
    EXPECT_EQ(dialog.windowTitle(), "Torsiva");
    EXPECT_EQ(dialog.size(), QSize(764, 522));
    for (const char* text : {"Cerrar", "Sobre Torsiva", "Instrucciones", "Hélice", "Hélice cónica",
                             "Hélice esférica", "Ver"})
        EXPECT_NE(Button(text), nullptr) << text;
    EXPECT_EQ(dialog.findChildren<QPushButton*>().size(), 7);
    for (int id : {ControlId::kBarA, ControlId::kBarZ, ControlId::kBarP}) {
        ASSERT_NE(Bar(id), nullptr) << id;
        EXPECT_EQ(Bar(id)->orientation(), Qt::Vertical);
        EXPECT_FALSE(Bar(id)->accessibleName().isEmpty());
    }
    EXPECT_LT(Bar(ControlId::kBarA)->x(), Bar(ControlId::kBarZ)->x());
    EXPECT_LT(Bar(ControlId::kBarZ)->x(), Bar(ControlId::kBarP)->x());
    EXPECT_EQ(dialog.findChild<QGroupBox*>()->title(), "Curvas");
    for (QWidget* child : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child == dialog.Picture() || qobject_cast<QMenu*>(child))
            continue;
        EXPECT_FALSE(child->geometry().intersects(kPictureRect))
            << child->metaObject()->className();
    }
    EXPECT_EQ(dialog.Picture()->geometry(), kPictureRect);
    EXPECT_EQ(AngleLabel(), "");
}

TEST_F(DialogTest, ViewButtonOpensTheWindowMenuBetweenTheCurvesAndTheInstructions)
{
    QPushButton* view = Button("Ver");
    ASSERT_NE(view, nullptr);
    const QRect curves = dialog.findChild<QGroupBox*>()->geometry();
    const QRect instructions = Button("Instrucciones")->geometry();
    EXPECT_GT(view->geometry().top(), curves.bottom());
    EXPECT_LT(view->geometry().bottom(), instructions.top());
    EXPECT_EQ(view->geometry().left(), instructions.left());
    EXPECT_EQ(view->width(), instructions.width());
    EXPECT_EQ(view->menu(), dialog.WindowMenu());
    QStringList entries;
    for (QAction* action : dialog.WindowMenu()->actions())
        entries << action->text();
    EXPECT_EQ(entries.mid(0, 2), (QStringList{QString::fromUtf8("Líneas suavizadas"),
                                              QString::fromUtf8("Desarrollo")}));
    EXPECT_EQ(dialog.FlatPicture()->accessibleName(),
              QString::fromUtf8("Desarrollo: todavía no hay figura"));
}

TEST_F(DialogTest, IconIsBuiltIn)
{
    const QIcon icon = dialog.windowIcon();
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.pixmap(32, 32).size(), QSize(32, 32));
    EXPECT_TRUE(icon.availableSizes().contains(QSize(256, 256)));
}

TEST_F(DialogTest, TabOrderFollowsTheLayoutTable)
{
    QWidget* const order[] = {
        Button("Cerrar"),        Bar(ControlId::kBarZ),   Bar(ControlId::kBarP),
        Button("Sobre Torsiva"), Button("Instrucciones"), Bar(ControlId::kBarA),
        Button("Hélice"),        Button("Hélice cónica"), Button("Hélice esférica"),
        Button("Ver"),           Button("Cerrar")};
    QWidget* widget = Button("Cerrar");
    for (QWidget* expected : order) {
        EXPECT_EQ(widget, expected);
        do
            widget = widget->nextInFocusChain();
        while (!(widget->focusPolicy() & Qt::TabFocus));
    }
}

TEST_F(DialogTest, CurveButtonShowsTheSnapshotPicture)
{
    Button("Hélice cónica")->click();
    EXPECT_EQ(State().curveKind, CurveKind::ConicalHelix);
    EXPECT_EQ(AngleLabel(), "Ángulo = 60º");
    EXPECT_EQ(Bar(ControlId::kBarA)->value(), 60);
    EXPECT_EQ(Bar(ControlId::kBarZ)->value(), 50);
    EXPECT_EQ(Bar(ControlId::kBarP)->value(), 300);
    const QImage golden = Golden("conical");
    EXPECT_EQ(ShownPicture(&dialog), golden);
}

TEST_F(DialogTest, BarActionsMoveStateThumbAndLabel)
{
    Button("Hélice")->click();
    QScrollBar* a = Bar(ControlId::kBarA);
    a->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(State().angleDeg, 61);
    EXPECT_EQ(a->value(), 61);
    EXPECT_EQ(AngleLabel(), "Ángulo = 61º");
    EXPECT_EQ(ShownPicture(&dialog), ComposedPicture(State()));

    a->triggerAction(QAbstractSlider::SliderPageStepAdd);
    a->triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(State().angleDeg, 61);
    EXPECT_EQ(a->value(), 61) << "page and end actions leave the thumb";

    QScrollBar* z = Bar(ControlId::kBarZ);
    z->setSliderPosition(30); // a thumb drag
    EXPECT_EQ(State().zoom, 70.0);
    EXPECT_EQ(z->value(), 30);
    z->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(State().zoom, 71.0);
    EXPECT_EQ(z->value(), 29);

    QScrollBar* p = Bar(ControlId::kBarP);
    p->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_NEAR(Length(State().eye), 298.0, 1e-12);
    EXPECT_EQ(p->value(), 298);
    p->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(p->value(), 298);
}

TEST_F(DialogTest, KeyboardReachesTheBars)
{
    Button("Hélice esférica")->click();
    QScrollBar* a = Bar(ControlId::kBarA);
    a->setFocus();
    QTest::keyClick(a, Qt::Key_Up);
    EXPECT_EQ(State().angleDeg, 59);
    QTest::keyClick(a, Qt::Key_Down);
    QTest::keyClick(a, Qt::Key_Down);
    EXPECT_EQ(State().angleDeg, 61);
    EXPECT_EQ(a->value(), 61);
}

TEST_F(DialogTest, BarsWorkBeforeTheFirstCurveButton)
{
    QScrollBar* a = Bar(ControlId::kBarA);
    EXPECT_EQ(a->minimum(), a->maximum()) << "no range yet";
    const QRect bar = a->geometry();
    QTest::mouseClick(a, Qt::LeftButton, {}, QPoint(bar.width() / 2, bar.height() - 4));
    EXPECT_EQ(State().angleDeg, 61);
    EXPECT_EQ(AngleLabel(), "Ángulo = 61º");
    const QImage shown = ShownPicture(&dialog);
    EXPECT_EQ(shown.pixel(0, 0), 0xFFFFFFFFu);
    EXPECT_EQ(shown.pixel(250, 250), 0xFF000000u);
}

TEST_F(DialogTest, DragTurnsTheEye)
{
    Button("Hélice")->click();
    Mouse(QEvent::MouseButtonPress, {300, 200});
    Mouse(QEvent::MouseMove, {425, 200});
    Mouse(QEvent::MouseMove, {550, 200});
    Mouse(QEvent::MouseButtonRelease, {550, 200});
    EXPECT_TRUE(AreNear(State().eye, {0, -300, 0}, 1e-9));
    EXPECT_FALSE(State().dragging);
    EXPECT_EQ(ShownPicture(&dialog), ComposedPicture(State()));
}

TEST_F(DialogTest, PressOnALabelStartsADragToo)
{
    Button("Hélice")->click();
    const QPoint onLabel = AngleLabelWidget()->geometry().center();
    Mouse(QEvent::MouseButtonPress, onLabel);
    EXPECT_TRUE(State().dragging);
    Mouse(QEvent::MouseButtonRelease, onLabel);
}

TEST_F(DialogTest, ReleaseOutsideTheWindowEndsTheDrag)
{
    Button("Hélice")->click();
    Mouse(QEvent::MouseButtonPress, {300, 200});
    Mouse(QEvent::MouseMove, {-400, 900});
    Mouse(QEvent::MouseButtonRelease, {-400, 900});
    EXPECT_FALSE(State().dragging);
    const Vec3 eye = State().eye;
    Mouse(QEvent::MouseMove, {300, 300});
    EXPECT_TRUE(AreNear(State().eye, eye, 0.0)) << "no turning once the button is up";
}

TEST_F(DialogTest, HidingAndShowingKeepsThePicture)
{
    Button("Hélice esférica")->click();
    const QImage before = ShownPicture(&dialog);
    dialog.hide();
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_EQ(ShownPicture(&dialog), before);
}

TEST_F(DialogTest, InstructionsShowTheirTextAndLeaveTheView)
{
    Button("Hélice")->click();
    QString title, text;
    WithNextModal([&](QWidget* modal) {
        title = modal->windowTitle();
        text = modal->findChild<QLabel*>("instructionsText")->text();
    });
    Button("Instrucciones")->click();
    EXPECT_EQ(title, "INSTRUCCIONES");
    EXPECT_EQ(text, QString::fromUtf8(kInstructionsText));
    EXPECT_TRUE(AreNear(State().eye, {300, 0, 0}, 0.0));
    EXPECT_EQ(AngleLabel(), "Ángulo = 60º");
}

TEST_F(DialogTest, AboutOpensFromItsButtonAndFromTheWindowMenu)
{
    QStringList titles;
    WithNextModal([&](QWidget* modal) { titles << modal->windowTitle(); });
    Button("Sobre Torsiva")->click();

    // The About entry comes after a separator; other entries may follow it.
    const QList<QAction*> all = dialog.WindowMenu()->actions();
    const auto about = std::find_if(all.begin(), all.end(), [](QAction* action) {
        return action->text() == "&Acerca de torsiva...";
    });
    ASSERT_NE(about, all.end());
    ASSERT_NE(about, all.begin());
    const QList<QAction*> actions{*std::prev(about), *about};
    EXPECT_TRUE(actions[0]->isSeparator());
    EXPECT_EQ(actions[1]->text(), "&Acerca de torsiva...");
    EXPECT_EQ(actions[1]->data().toInt(), 16);
    WithNextModal([&](QWidget* modal) {
        titles << modal->windowTitle();
        EXPECT_NE(modal->findChild<QPushButton*>()->text(), "");
    });
    actions[1]->trigger();
    EXPECT_EQ(titles, QStringList({"Sobre Torsiva", "Sobre Torsiva"}));
    EXPECT_EQ(State().curveKind, CurveKind::None);
}

TEST_F(DialogTest, CloseButtonEndsTheDialog)
{
    QTimer::singleShot(0, [this] { Button("Cerrar")->click(); });
    EXPECT_EQ(dialog.exec(), QDialog::Rejected);
    EXPECT_FALSE(dialog.isVisible());
}

// The dialog words the label through its translation; untranslated it is the
// Spanish text of the recorded panels, byte for byte, at every angle.
TEST_F(DialogTest, AngleLabelIsTheSpanishTextAtEveryAngle)
{
    Button("Hélice esférica")->click();
    ControlScrollBar* a = Bar(ControlId::kBarA);
    for (int angle = 0; angle <= 89; ++angle) {
        a->setSliderPosition(angle);
        ASSERT_EQ(State().angleDeg, angle);
        EXPECT_EQ(AngleLabel().toStdString(), AngleText(angle));
    }
}

// Return and Enter press the focused button: Shift+Tab twice from "Hélice"
// reaches "Instrucciones".
TEST_F(DialogTest, ReturnPressesTheFocusedButton)
{
    Activate();
    QTest::mouseClick(Button("Hélice"), Qt::LeftButton);
    ASSERT_EQ(QApplication::focusWidget(), Button("Hélice"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_EQ(QApplication::focusWidget(), Button("Instrucciones"));
    QStringList titles;
    WithNextModal([&](QWidget* modal) { titles << modal->windowTitle(); });
    QTest::keyClick(Button("Instrucciones"), Qt::Key_Return);
    WithNextModal([&](QWidget* modal) { titles << modal->windowTitle(); });
    QTest::keyClick(Button("Instrucciones"), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(titles, QStringList({"INSTRUCCIONES", "INSTRUCCIONES"}));

    Activate(); // the offscreen platform does not give it back after a modal
    Button("Hélice cónica")->setFocus();
    QTest::keyClick(Button("Hélice cónica"), Qt::Key_Return);
    EXPECT_EQ(State().curveKind, CurveKind::ConicalHelix);
    EXPECT_TRUE(dialog.isVisible());

    // With the focus on a bar no button looks like the one Return presses.
    Bar(ControlId::kBarA)->setFocus();
    for (QPushButton* button : dialog.findChildren<QPushButton*>())
        EXPECT_FALSE(button->isDefault()) << button->text().toStdString();
}

TEST_F(DialogTest, ReturnOnABarEndsTheDialogAsOkDoes)
{
    for (int id : {ControlId::kBarA, ControlId::kBarP}) {
        QTimer::singleShot(0, [this, id] {
            Activate();
            Bar(id)->setFocus();
            QTest::keyClick(Bar(id), Qt::Key_Return);
        });
        EXPECT_EQ(dialog.exec(), QDialog::Accepted) << id;
        dialog.show();
    }
}

// A right-click on a bar moves nothing: the bar has no menu of its own, and
// the dialog's menu opens instead.
TEST_F(DialogTest, RightClickOnABarOpensTheDialogMenu)
{
    Button("Hélice")->click();
    ControlScrollBar* z = Bar(ControlId::kBarZ);
    const QPoint local(z->width() / 2, z->height() - 10);
    QContextMenuEvent event(QContextMenuEvent::Mouse, local, z->mapToGlobal(local));
    // Whatever menu opens is seen and closed, also one that runs modally.
    QWidget* popup = nullptr;
    QTimer::singleShot(0, [&popup] {
        popup = QApplication::activePopupWidget();
        if (popup)
            popup->close();
    });
    QApplication::sendEvent(z, &event);
    QTRY_VERIFY(popup != nullptr);
    EXPECT_EQ(popup, dialog.WindowMenu());
    EXPECT_EQ(State().zoom, 50.0);
    EXPECT_EQ(z->value(), 50);
    EXPECT_EQ(z->sliderPosition(), 50);
}

// One notch is one arrow click, whatever the bar's range, and fractions of a
// notch from a high-resolution wheel add up to one.
TEST_F(DialogTest, WheelNotchIsOneArrowClick)
{
    Wheel(Bar(ControlId::kBarA), 120);
    EXPECT_EQ(State().angleDeg, 59);
    EXPECT_EQ(AngleLabel(), "Ángulo = 59º");
    Wheel(Bar(ControlId::kBarZ), 120);
    EXPECT_EQ(State().zoom, 21.0) << "before a figure the zoom starts at 20";

    Button("Hélice")->click();
    ControlScrollBar* z = Bar(ControlId::kBarZ);
    Wheel(z, -120);
    EXPECT_EQ(State().zoom, 49.0);
    EXPECT_EQ(z->value(), 51);
    for (int i = 0; i < 3; ++i)
        Wheel(z, 40);
    EXPECT_EQ(State().zoom, 50.0);
    Wheel(z, 60);
    EXPECT_EQ(State().zoom, 50.0) << "half a notch does nothing yet";
    Wheel(z, 300);
    EXPECT_EQ(State().zoom, 53.0);
    Wheel(Bar(ControlId::kBarP), -120);
    EXPECT_EQ(Bar(ControlId::kBarP)->value(), 300) << "the P bar stops at 300";
    Wheel(Bar(ControlId::kBarP), 120);
    EXPECT_NEAR(Length(State().eye), 298.0, 1e-12);
}

TEST_F(DialogTest, FocusedBarShowsAFrame)
{
    Activate();
    ControlScrollBar* p = Bar(ControlId::kBarP);
    Button("Cerrar")->setFocus();
    const QImage unfocused = p->grab().toImage();
    p->setFocus();
    ASSERT_TRUE(p->hasFocus());
    const QImage focused = p->grab().toImage();
    EXPECT_NE(focused, unfocused);
    const QColor highlight = p->palette().color(QPalette::Highlight);
    EXPECT_EQ(focused.pixelColor(0, p->height() / 2), highlight);
    EXPECT_EQ(focused.pixelColor(p->width() - 1, p->height() / 2), highlight);
}

// Ctrl+arrow is one drag step of 10 pixels in its direction: the same eye,
// the same up, the same picture.
TEST_F(DialogTest, KeyboardOrbitMatchesTheDrag)
{
    Activate();
    const std::pair<Qt::Key, QPoint> keys[] = {{Qt::Key_Left, {-10, 0}},
                                               {Qt::Key_Right, {10, 0}},
                                               {Qt::Key_Up, {0, -10}},
                                               {Qt::Key_Down, {0, 10}}};
    for (auto [key, move] : keys) {
        Button("Hélice esférica")->click();
        Mouse(QEvent::MouseButtonPress, {400, 250});
        Mouse(QEvent::MouseMove, QPoint(400, 250) + move);
        Mouse(QEvent::MouseButtonRelease, QPoint(400, 250) + move);
        const ViewState dragged = State();
        const QImage draggedPicture = ShownPicture(&dialog);

        Button("Hélice esférica")->click();
        Bar(ControlId::kBarA)->setFocus(); // whatever has the focus
        QTest::keyClick(Bar(ControlId::kBarA), key, Qt::ControlModifier);
        EXPECT_TRUE(AreNear(State().eye, dragged.eye, 0.0)) << key;
        EXPECT_TRUE(AreNear(State().up, dragged.up, 0.0)) << key;
        EXPECT_EQ(ShownPicture(&dialog), draggedPicture) << key;
        EXPECT_EQ(State().angleDeg, 60) << "the bar did not take the arrow";
        EXPECT_FALSE(AreNear(State().eye, {300, 0, 0}, 1.0));
    }
}

TEST_F(DialogTest, CtrlPlusAndMinusAreZArrowClicks)
{
    Activate();
    Button("Hélice")->click();
    Button("Instrucciones")->setFocus();
    QTest::keyClick(Button("Instrucciones"), Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(State().zoom, 51.0);
    EXPECT_EQ(Bar(ControlId::kBarZ)->value(), 49);
    Bar(ControlId::kBarP)->setFocus();
    QTest::keyClick(Bar(ControlId::kBarP), Qt::Key_Minus, Qt::ControlModifier);
    QTest::keyClick(Bar(ControlId::kBarP), Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(State().zoom, 49.0);
    EXPECT_EQ(Bar(ControlId::kBarZ)->value(), 51);
    EXPECT_NEAR(Length(State().eye), 300.0, 1e-12);
    // The keypad's keys, and Ctrl+= for keyboards with + over =.
    QTest::keyClick(Bar(ControlId::kBarP), Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier);
    QTest::keyClick(Bar(ControlId::kBarP), Qt::Key_Equal, Qt::ControlModifier);
    QTest::keyClick(Bar(ControlId::kBarP), Qt::Key_Minus, Qt::ControlModifier | Qt::KeypadModifier);
    EXPECT_EQ(State().zoom, 50.0);
}

TEST_F(DialogTest, ShortcutsDoNothingBeforeAFigure)
{
    Activate();
    Bar(ControlId::kBarZ)->setFocus();
    for (Qt::Key key :
         {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_Plus, Qt::Key_Minus})
        QTest::keyClick(Bar(ControlId::kBarZ), key, Qt::ControlModifier);
    EXPECT_TRUE(AreNear(State().eye, {0, 0, 0}, 0.0));
    EXPECT_EQ(State().zoom, 20.0);
    EXPECT_EQ(AngleLabel(), "");
}

// What a screen reader gets: each bar's own name, and as value the view
// value the bar stands for.
TEST_F(DialogTest, BarsReportTheirViewValues)
{
    Button("Hélice cónica")->click();
    Bar(ControlId::kBarZ)->triggerAction(QAbstractSlider::SliderSingleStepSub);
    Bar(ControlId::kBarZ)->triggerAction(QAbstractSlider::SliderSingleStepSub);
    Bar(ControlId::kBarP)->triggerAction(QAbstractSlider::SliderSingleStepSub);
    Bar(ControlId::kBarA)->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    ASSERT_EQ(Bar(ControlId::kBarZ)->value(), 48) << "the thumb runs against the zoom";
    const std::tuple<int, double, const char*> expected[] = {
        {ControlId::kBarZ, 52.0, "Barra Z: tamaño de la imagen"},
        {ControlId::kBarP, 298.0, "Barra P: distancia del ojo"},
        {ControlId::kBarA, 61.0, "Barra A: ángulo de la curva"},
    };
    for (auto [id, value, name] : expected) {
        QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(Bar(id));
        ASSERT_NE(bar, nullptr);
        ASSERT_NE(bar->valueInterface(), nullptr);
        EXPECT_EQ(bar->valueInterface()->currentValue().toDouble(), value) << name;
        EXPECT_EQ(bar->text(QAccessible::Name), QString::fromUtf8(name));
        EXPECT_EQ(bar->role(), QAccessible::ScrollBar);
    }
    QAccessibleValueInterface* z =
        QAccessible::queryAccessibleInterface(Bar(ControlId::kBarZ))->valueInterface();
    EXPECT_EQ(z->minimumValue().toInt(), 0);
    EXPECT_EQ(z->maximumValue().toInt(), 100);
    z->setCurrentValue(70);
    EXPECT_EQ(State().zoom, 70.0);
    EXPECT_EQ(Bar(ControlId::kBarZ)->value(), 30);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(Bar(ControlId::kBarA))
                  ->valueInterface()
                  ->minimumValue()
                  .toInt(),
              2);
}

TEST_F(DialogTest, PictureNameFollowsFigureAndAngle)
{
    QAccessibleInterface* picture = QAccessible::queryAccessibleInterface(dialog.Picture());
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->text(QAccessible::Name), "Todavía no hay figura: elija una curva");
    Bar(ControlId::kBarA)->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(picture->text(QAccessible::Name), "Todavía no hay figura: elija una curva");
    Button("Hélice cónica")->click();
    EXPECT_EQ(picture->text(QAccessible::Name), "Hélice cónica, ángulo 60º");
    Bar(ControlId::kBarA)->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(picture->text(QAccessible::Name), "Hélice cónica, ángulo 61º");
    Button("Hélice esférica")->click();
    Bar(ControlId::kBarA)->setSliderPosition(0);
    EXPECT_EQ(picture->text(QAccessible::Name), "Hélice esférica, ángulo 0º");
}

TEST_F(DialogTest, CurveButtonsAreMembersOfTheirGroup)
{
    QAccessibleInterface* group =
        QAccessible::queryAccessibleInterface(dialog.findChild<QGroupBox*>());
    ASSERT_NE(group, nullptr);
    QList<QObject*> members;
    for (int i = 0; i < group->childCount(); ++i)
        members << group->child(i)->object();
    EXPECT_EQ(members, (QList<QObject*>{Button("Hélice"), Button("Hélice cónica"),
                                        Button("Hélice esférica")}));
    // Still in place, and pressing them works.
    EXPECT_EQ(Button("Hélice")->geometry().translated(dialog.findChild<QGroupBox*>()->pos()),
              QRect(20, 34, 108, 23));
    QTest::mouseClick(Button("Hélice esférica"), Qt::LeftButton);
    EXPECT_EQ(State().curveKind, CurveKind::SphericalHelix);
}

TEST_F(DialogTest, PressOnTheGroupFrameStartsADrag)
{
    Button("Hélice")->click();
    auto* group = dialog.findChild<QGroupBox*>();
    const QPoint onFrame = group->geometry().bottomLeft() + QPoint(group->width() / 2, -3);
    Mouse(QEvent::MouseButtonPress, onFrame, group);
    EXPECT_TRUE(State().dragging);
    Mouse(QEvent::MouseMove, onFrame + QPoint(125, 0), group);
    Mouse(QEvent::MouseButtonRelease, onFrame + QPoint(125, 0), group);
    EXPECT_FALSE(State().dragging);
    EXPECT_TRUE(
        AreNear(State().eye, {300 * std::cos(M_PI / 4), -300 * std::sin(M_PI / 4), 0}, 1e-9));
}

// Each letter is centred under its bar, fits its box and names its bar.
TEST_F(DialogTest, LettersAreCentredUnderTheirBarsAndFit)
{
    const std::pair<const char*, int> letters[] = {{"letterA", ControlId::kBarA},
                                                   {"letterZ", ControlId::kBarZ},
                                                   {"letterP", ControlId::kBarP}};
    for (auto [name, id] : letters) {
        auto* letter = dialog.findChild<QLabel*>(name);
        ASSERT_NE(letter, nullptr) << name;
        const QRect bar = Bar(id)->geometry();
        const QFontMetrics metrics(letter->font());
        const QRect box = letter->geometry();
        const int textWidth = metrics.horizontalAdvance(letter->text());
        // Where AlignHCenter puts the glyph, in dialog coordinates.
        const double textCentre = box.x() + (box.width() - textWidth) / 2 + textWidth / 2.0;
        const double barCentre = bar.x() + bar.width() / 2.0;
        EXPECT_LE(std::abs(textCentre - barCentre), 1.0) << name;
        EXPECT_TRUE(letter->alignment() & Qt::AlignHCenter) << name;
        EXPECT_LE(textWidth, box.width()) << name;
        EXPECT_LE(metrics.height(), box.height()) << name;
        EXPECT_GT(box.top(), bar.bottom()) << name;
        EXPECT_EQ(letter->text().size(), 1);
        EXPECT_EQ(letter->accessibleName(), Bar(id)->accessibleName()) << name;
        EXPECT_FALSE(box.intersects(AngleLabelWidget()->geometry())) << name;
    }
}

TEST_F(DialogTest, AboutNamesItsIconVersionAndLicence)
{
    QString iconName, notice;
    WithNextModal([&](QWidget* modal) {
        iconName = modal->findChild<QLabel*>("icon")->accessibleName();
        notice = modal->findChild<QLabel*>("notice")->text();
    });
    Button("Sobre Torsiva")->click();
    EXPECT_FALSE(iconName.isEmpty());
    EXPECT_EQ(notice.split('\n'), QStringList({"Hélices sobre el cilindro, el cono y la esfera.",
                                               "Versión " TORSIVA_VERSION, "Licencia MIT"}));
}

// The text keeps its box (a regression: one font needed a line more than the
// box had), and the keys stand under their heading below it, all inside the
// dialog and clear of the button.
TEST_F(DialogTest, InstructionsTextAndKeysFitTheirBoxes)
{
    QList<QRect> boxes;
    QList<bool> fits;
    QString heading, keys;
    QSize size;
    WithNextModal([&](QWidget* modal) {
        size = modal->size();
        for (const char* name : {"instructionsText", "keysHeading", "keysText"}) {
            auto* label = modal->findChild<QLabel*>(name);
            boxes << label->geometry();
            fits << (label->heightForWidth(label->width()) <= label->height());
        }
        heading = modal->findChild<QLabel*>("keysHeading")->text();
        keys = modal->findChild<QLabel*>("keysText")->text();
        boxes << modal->findChild<QPushButton*>()->geometry();
    });
    Button("Instrucciones")->click();
    ASSERT_EQ(boxes.size(), 4);
    EXPECT_EQ(fits, QList<bool>({true, true, true}));
    EXPECT_EQ(heading, "Teclado:");
    EXPECT_TRUE(keys.contains("Ctrl + flechas"));
    for (int i = 0; i + 1 < boxes.size(); ++i)
        EXPECT_LT(boxes[i].bottom(), boxes[i + 1].top()) << i;
    for (const QRect& box : boxes)
        EXPECT_TRUE(QRect(QPoint(0, 0), size).contains(box)) << box.y();
}
