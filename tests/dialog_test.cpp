// The real dialog on Qt's offscreen platform, driven through its widgets and
// Qt's event simulation.
#include <functional>

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

#include "render/draw_figure.h"
#include "test_support.h"
#include "ui/control_ids.h"
#include "ui/figure_dialog.h"
#include "ui/instructions_dialog.h"
#include "ui/picture_area.h"

namespace {

const QRect kPictureRect(150, 10, 500, 500);

template <typename Widget> Widget* Control(QWidget* dialog, int controlId)
{
    for (Widget* child : dialog->findChildren<Widget*>())
        if (child->property("controlId").toInt() == controlId)
            return child;
    return nullptr;
}

// What the window shows where the picture stands.
QImage ShownPicture(QWidget* dialog)
{
    return dialog->grab(kPictureRect).toImage().convertToFormat(QImage::Format_RGB32);
}

QImage ComposedPicture()
{
    Canvas canvas;
    ComposeFigure(canvas);
    return QImage(reinterpret_cast<const uchar*>(canvas.Bits()), 500, 500, canvas.Width() * 4,
                  QImage::Format_RGB32)
        .copy();
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

class DialogTest : public ViewTest {
protected:
    void SetUp() override
    {
        ViewTest::SetUp();
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    }

    QPushButton* Button(int id) { return Control<QPushButton>(&dialog, id); }
    QScrollBar* Bar(int id) { return Control<QScrollBar>(&dialog, id); }
    QString AngleLabel() { return Control<QLabel>(&dialog, ControlId::kAngleLabel)->text(); }

    // The cursor is read afresh by the dialog, so each event first puts it
    // where the event happens, as a real mouse would.
    void Mouse(QEvent::Type type, QPoint local)
    {
        QCursor::setPos(dialog.mapToGlobal(local));
        if (type == QEvent::MouseButtonPress)
            QTest::mousePress(&dialog, Qt::LeftButton, {}, local);
        else if (type == QEvent::MouseButtonRelease)
            QTest::mouseRelease(&dialog, Qt::LeftButton, {}, local);
        else
            QTest::mouseMove(&dialog, local);
    }

    CFigureDlg dialog;
};

} // namespace

TEST_F(DialogTest, ControlsHaveTheirTextsAndStayOffThePicture)
{
    EXPECT_EQ(dialog.windowTitle(), "Torsiva");
    EXPECT_EQ(dialog.size(), QSize(764, 522));
    const std::pair<int, const char*> buttons[] = {
        {ControlId::kCancel, "Cerrar"},
        {ControlId::kAbout, "Sobre Torsiva"},
        {ControlId::kInstructions, "Instrucciones"},
        {ControlId::kHelix, "Hélice"},
        {ControlId::kConicalHelix, "Hélice cónica"},
        {ControlId::kSphericalHelix, "Hélice esférica"},
    };
    for (auto [id, text] : buttons) {
        ASSERT_NE(Button(id), nullptr) << id;
        EXPECT_EQ(Button(id)->text(), QString::fromUtf8(text));
    }
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

TEST_F(DialogTest, IconIsBuiltIn)
{
    const QIcon icon = dialog.windowIcon();
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.pixmap(32, 32).size(), QSize(32, 32));
    EXPECT_TRUE(icon.availableSizes().contains(QSize(256, 256)));
}

TEST_F(DialogTest, TabOrderFollowsTheTemplate)
{
    const int order[] = {ControlId::kCancel, ControlId::kBarZ,         ControlId::kBarP,
                         ControlId::kAbout,  ControlId::kInstructions, ControlId::kBarA,
                         ControlId::kHelix,  ControlId::kConicalHelix, ControlId::kSphericalHelix};
    QWidget* widget = Button(ControlId::kCancel);
    for (int id : order) {
        EXPECT_EQ(widget->property("controlId").toInt(), id);
        do
            widget = widget->nextInFocusChain();
        while (!(widget->focusPolicy() & Qt::TabFocus));
    }
}

TEST_F(DialogTest, CurveButtonShowsTheSnapshotPicture)
{
    Button(ControlId::kConicalHelix)->click();
    EXPECT_EQ(View().curveKind, CurveKind::ConicalHelix);
    EXPECT_EQ(AngleLabel(), "Ángulo = 60º");
    EXPECT_EQ(Bar(ControlId::kBarA)->value(), 60);
    EXPECT_EQ(Bar(ControlId::kBarZ)->value(), 50);
    EXPECT_EQ(Bar(ControlId::kBarP)->value(), 300);
    const QImage golden =
        QImage(TORSIVA_GOLDEN_DIR "/conical.png").convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(ShownPicture(&dialog), golden);
}

TEST_F(DialogTest, BarActionsMoveStateThumbAndLabel)
{
    Button(ControlId::kHelix)->click();
    QScrollBar* a = Bar(ControlId::kBarA);
    a->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(View().angleDeg, 61);
    EXPECT_EQ(a->value(), 61);
    EXPECT_EQ(AngleLabel(), "Ángulo = 61º");
    EXPECT_EQ(ShownPicture(&dialog), ComposedPicture());

    a->triggerAction(QAbstractSlider::SliderPageStepAdd);
    a->triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(View().angleDeg, 61);
    EXPECT_EQ(a->value(), 61) << "page and end actions leave the thumb";

    QScrollBar* z = Bar(ControlId::kBarZ);
    z->setSliderPosition(30); // a thumb drag
    EXPECT_EQ(View().zoom, 70.0);
    EXPECT_EQ(z->value(), 30);
    z->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(View().zoom, 71.0);
    EXPECT_EQ(z->value(), 29);

    QScrollBar* p = Bar(ControlId::kBarP);
    p->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_NEAR(Length(View().eye), 298.0, 1e-12);
    EXPECT_EQ(p->value(), 298);
    p->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(p->value(), 298);
}

TEST_F(DialogTest, KeyboardReachesTheBars)
{
    Button(ControlId::kSphericalHelix)->click();
    QScrollBar* a = Bar(ControlId::kBarA);
    a->setFocus();
    QTest::keyClick(a, Qt::Key_Up);
    EXPECT_EQ(View().angleDeg, 59);
    QTest::keyClick(a, Qt::Key_Down);
    QTest::keyClick(a, Qt::Key_Down);
    EXPECT_EQ(View().angleDeg, 61);
    EXPECT_EQ(a->value(), 61);
}

TEST_F(DialogTest, BarsWorkBeforeTheFirstCurveButton)
{
    QScrollBar* a = Bar(ControlId::kBarA);
    EXPECT_EQ(a->minimum(), a->maximum()) << "no range yet";
    const QRect bar = a->geometry();
    QTest::mouseClick(a, Qt::LeftButton, {}, QPoint(bar.width() / 2, bar.height() - 4));
    EXPECT_EQ(View().angleDeg, 61);
    EXPECT_EQ(AngleLabel(), "Ángulo = 61º");
    const QImage shown = ShownPicture(&dialog);
    EXPECT_EQ(shown.pixel(0, 0), 0xFFFFFFFFu);
    EXPECT_EQ(shown.pixel(250, 250), 0xFF000000u);
}

TEST_F(DialogTest, DragTurnsTheEye)
{
    Button(ControlId::kHelix)->click();
    Mouse(QEvent::MouseButtonPress, {300, 200});
    Mouse(QEvent::MouseMove, {425, 200});
    Mouse(QEvent::MouseMove, {550, 200});
    Mouse(QEvent::MouseButtonRelease, {550, 200});
    EXPECT_TRUE(AreNear(View().eye, {0, -300, 0}, 1e-9));
    EXPECT_FALSE(View().dragging);
    EXPECT_EQ(ShownPicture(&dialog), ComposedPicture());
}

TEST_F(DialogTest, PressOnALabelStartsADragToo)
{
    Button(ControlId::kHelix)->click();
    const QPoint onLabel = Control<QLabel>(&dialog, ControlId::kAngleLabel)->geometry().center();
    Mouse(QEvent::MouseButtonPress, onLabel);
    EXPECT_TRUE(View().dragging);
    Mouse(QEvent::MouseButtonRelease, onLabel);
}

TEST_F(DialogTest, ReleaseOutsideTheWindowEndsTheDrag)
{
    Button(ControlId::kHelix)->click();
    Mouse(QEvent::MouseButtonPress, {300, 200});
    Mouse(QEvent::MouseMove, {-400, 900});
    Mouse(QEvent::MouseButtonRelease, {-400, 900});
    EXPECT_FALSE(View().dragging);
    const Vec3 eye = View().eye;
    Mouse(QEvent::MouseMove, {300, 300});
    EXPECT_TRUE(AreNear(View().eye, eye, 0.0)) << "no turning once the button is up";
}

TEST_F(DialogTest, HidingAndShowingKeepsThePicture)
{
    Button(ControlId::kSphericalHelix)->click();
    const QImage before = ShownPicture(&dialog);
    dialog.hide();
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_EQ(ShownPicture(&dialog), before);
}

TEST_F(DialogTest, InstructionsShowTheirTextAndLeaveTheView)
{
    Button(ControlId::kHelix)->click();
    QString title, text;
    WithNextModal([&](QWidget* modal) {
        title = modal->windowTitle();
        text = Control<QLabel>(modal, 1013)->text();
    });
    Button(ControlId::kInstructions)->click();
    EXPECT_EQ(title, "INSTRUCCIONES");
    EXPECT_EQ(text, CInstructionsDlg::InstructionsText());
    EXPECT_TRUE(text.startsWith("\n1. Curvas:\n    Se elige la curva a representar."));
    EXPECT_TRUE(text.contains("\n2. Botón izquierdo del ratón:\n    Pulsándolo sobre un punto"));
    EXPECT_TRUE(text.endsWith("Cuanto menos es la distancia más se distorsiona la imagen.\n"));
    EXPECT_TRUE(AreNear(View().eye, {300, 0, 0}, 0.0));
    EXPECT_EQ(AngleLabel(), "Ángulo = 60º");
}

TEST_F(DialogTest, AboutOpensFromItsButtonAndFromTheWindowMenu)
{
    QStringList titles;
    WithNextModal([&](QWidget* modal) { titles << modal->windowTitle(); });
    Button(ControlId::kAbout)->click();

    const QList<QAction*> actions = dialog.WindowMenu()->actions();
    ASSERT_EQ(actions.size(), 4); // then a separator and "Líneas suavizadas"
    EXPECT_TRUE(actions[0]->isSeparator());
    EXPECT_EQ(actions[1]->text(), "&Acerca de torsiva...");
    EXPECT_EQ(actions[1]->data().toInt(), 16);
    WithNextModal([&](QWidget* modal) {
        titles << modal->windowTitle();
        EXPECT_NE(modal->findChild<QPushButton*>()->text(), "");
    });
    actions[1]->trigger();
    EXPECT_EQ(titles, QStringList({"Sobre Torsiva", "Sobre Torsiva"}));
    EXPECT_EQ(View().curveKind, CurveKind::None);
}

TEST_F(DialogTest, CloseButtonEndsTheDialog)
{
    QTimer::singleShot(0, [this] { Button(ControlId::kCancel)->click(); });
    EXPECT_EQ(dialog.exec(), QDialog::Rejected);
    EXPECT_FALSE(dialog.isVisible());
}

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true); // the dialog's settings stay out of the user's
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
