// SPDX-License-Identifier: MIT
#include "ui/figure_dialog.h"

#include <iterator>
#include <utility>

#include <QApplication>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>

#include "controls/control_ids.h"
#include "controls/picture_layout.h"
#include "export/angle_mark_text.h"
#include "export/figure_titles.h"
#include "ui/about_dialog.h"
#include "ui/app_icon.h"
#include "ui/bar_accessible.h"
#include "ui/control_scroll_bar.h"
#include "ui/dialog_units.h"
#include "ui/flat_picture_area.h"
#include "ui/instructions_dialog.h"
#include "ui/picture_area.h"
#include "ui/picture_export_actions.h"
#include "ui/window_settings.h"

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

ScreenPoint CursorOf(const QMouseEvent* event)
{
    const QPoint position = event->globalPosition().toPoint();
    return {position.x(), position.y()};
}

QLabel* AddLabel(QWidget* parent, const QString& text, QRect units)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(DialogRect(units.x(), units.y(), units.width(), units.height()));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    label->setAttribute(Qt::WA_TransparentForMouseEvents); // presses here start a drag
    return label;
}

// The screen's available area right and left of the window, into which it
// may widen; none while it is maximised or full screen.
struct Room {
    int right = 0;
    int left = 0;
};
Room RoomAround(const QWidget* window)
{
    const QScreen* screen = window->screen();
    if (!screen || window->isMaximized() || window->isFullScreen())
        return {};
    const QRect available = screen->availableGeometry();
    const QRect frame = window->frameGeometry();
    return {std::max(0, available.right() - frame.right()),
            std::max(0, frame.left() - available.left())};
}

bool IsReturn(const QKeyEvent* event)
{
    const bool plain = event->modifiers() == Qt::NoModifier ||
                       (event->modifiers() == Qt::KeypadModifier && event->key() == Qt::Key_Enter);
    return plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter);
}

} // namespace

CFigureDlg::CFigureDlg(QWidget* parent) : QDialog(parent)
{
    InstallBarAccessibility();
    UseDialogFont(this);
    setWindowTitle(tr("Torsiva"));
    setWindowIcon(AppIcon());
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    resize(DialogX(509), DialogY(321));
    BuildControls();
    SetTabOrder();
    BuildWindowMenu();
    BuildKeys();
    KeepNoDefaultButton();
    NamePicture(m_controls.State());
    m_layout.Capture(this, m_picture, m_flatPicture);
    RestoreWindowPlacement(this);
    ResizableLayout::FitToScreen(this);
    ResumeFlatPicture();
}

void CFigureDlg::setVisible(bool visible)
{
    QDialog::setVisible(visible);
    if (visible)
        ClearDefaultButton();
}

// Qt makes one auto-default button the dialog's default whenever a control
// that is not a button has the focus, and draws it so. This dialog has no
// default button (Return there ends the dialog), so none may look like one;
// the focused button keeps its look, since Return presses it.
void CFigureDlg::KeepNoDefaultButton()
{
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now && now->window() == this && !qobject_cast<QPushButton*>(now))
            ClearDefaultButton();
    });
}

void CFigureDlg::ClearDefaultButton()
{
    for (QPushButton* button : findChildren<QPushButton*>())
        if (!button->hasFocus())
            button->setDefault(false);
}

void CFigureDlg::BuildControls()
{
    BuildCurveButtons();

    m_picture = new PictureArea(this);
    m_picture->move(PictureLayout::kPictureX, PictureLayout::kPictureY);
    m_flatPicture = new FlatPictureArea(this);
    m_flatPicture->hide();

    m_close = AddButton(this, tr("Cerrar"), {7, 148, 86, 14});
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    m_barZ =
        AddBar(ControlId::kBarZ, Bar::Z, tr("Barra Z: tamaño de la imagen"), {465, 6, 15, 163});
    m_barP = AddBar(ControlId::kBarP, Bar::P, tr("Barra P: distancia del ojo"), {487, 6, 15, 163});
    m_about = AddButton(this, tr("Sobre Torsiva"), {7, 124, 86, 14});
    connect(m_about, &QPushButton::clicked, this, &CFigureDlg::OnAbout);
    m_instructions = AddButton(this, tr("Instrucciones"), {7, 101, 86, 14});
    connect(m_instructions, &QPushButton::clicked, this, &CFigureDlg::OnInstructions);
    m_barA = AddBar(ControlId::kBarA, Bar::A, tr("Barra A: ángulo de la curva"), {442, 7, 15, 163});
    // In the band between the curves and the Instructions: the window menu,
    // so that its options are found without a right-click.
    m_view = AddButton(this, tr("Ver"), {7, 81, 86, 14});
    m_angleLabel = AddLabel(this, m_angleText, {445, 186, 57, 19});
    m_angleLabel->setObjectName(QStringLiteral("angleLabel"));
    BuildLetters();
}

// The buttons are children of their group, so that assistive tools present
// them as its members. The group itself passes presses on to the dialog: a
// drag may start anywhere outside the buttons and bars.
void CFigureDlg::BuildCurveButtons()
{
    m_curves = new QGroupBox(tr("Curvas"), this);
    m_curves->setGeometry(DialogRect(7, 7, 86, 68));
    m_curves->installEventFilter(this);
    m_helix = AddButton(m_curves, FigureTitle(CurveKind::Helix), {13, 21, 72, 14});
    connect(m_helix, &QPushButton::clicked, this, &CFigureDlg::OnHelix);
    m_conicalHelix = AddButton(m_curves, FigureTitle(CurveKind::ConicalHelix), {13, 37, 72, 14});
    connect(m_conicalHelix, &QPushButton::clicked, this, &CFigureDlg::OnConicalHelix);
    m_sphericalHelix =
        AddButton(m_curves, FigureTitle(CurveKind::SphericalHelix), {13, 53, 72, 14});
    connect(m_sphericalHelix, &QPushButton::clicked, this, &CFigureDlg::OnSphericalHelix);
}

// One letter under each bar, centred on it: the label's box is the bar's
// column. Each names its bar for a screen reader.
void CFigureDlg::BuildLetters()
{
    m_letterA = AddLetter(tr("A", "letter under the angle bar"), m_barA);
    m_letterZ = AddLetter(tr("Z", "letter under the zoom bar"), m_barZ);
    m_letterP = AddLetter(tr("P", "letter under the eye-distance bar"), m_barP);
    m_letterA->setObjectName(QStringLiteral("letterA"));
    m_letterZ->setObjectName(QStringLiteral("letterZ"));
    m_letterP->setObjectName(QStringLiteral("letterP"));
}

QLabel* CFigureDlg::AddLetter(const QString& letter, ControlScrollBar* bar)
{
    auto* label = new QLabel(letter, this);
    label->setGeometry(bar->x(), DialogY(172), bar->width(), DialogY(13));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    label->setAttribute(Qt::WA_TransparentForMouseEvents); // presses here start a drag
    label->setAccessibleName(bar->accessibleName());
    label->setBuddy(bar);
    return label;
}

QPushButton* CFigureDlg::AddButton(QWidget* parent, const QString& text, QRect units)
{
    auto* button = new QPushButton(text, parent);
    // Laid out in the dialog's units, placed in the parent's own coordinates.
    const QRect inDialog = DialogRect(units.x(), units.y(), units.width(), units.height());
    button->setGeometry(inDialog.translated(-parent->mapTo(this, QPoint(0, 0))));
    // Return presses the button that has the focus.
    button->setAutoDefault(true);
    return button;
}

ControlScrollBar* CFigureDlg::AddBar(int controlId, Bar which, const QString& name, QRect units)
{
    auto* bar = new ControlScrollBar(controlId, which, this);
    bar->setGeometry(DialogRect(units.x(), units.y(), units.width(), units.height()));
    bar->setAccessibleName(name);
    bar->ReportValueOf(&m_controls);
    connect(bar, &QAbstractSlider::actionTriggered, this,
            [this, bar](int action) { OnBarAction(bar, action); });
    connect(bar, &QAbstractSlider::sliderReleased, this,
            [this, bar] { OnVScroll(kThumbPosition, bar->sliderPosition(), bar); });
    return bar;
}

// The focus order is part of the dialog's design, which keyboard users
// learn: it does not follow the layout, and it stays as it is.
void CFigureDlg::SetTabOrder()
{
    QWidget* const chain[] = {m_close, m_barZ,  m_barP,         m_about,          m_instructions,
                              m_barA,  m_helix, m_conicalHelix, m_sphericalHelix, m_view};
    for (size_t i = 0; i + 1 < std::size(chain); ++i)
        setTabOrder(chain[i], chain[i + 1]);
}

void CFigureDlg::BuildWindowMenu()
{
    m_windowMenu = new QMenu(this);
    AddSmoothLinesEntry();
    AddFlatPictureEntry();
    AddHiddenPartsEntry();
    AddPointEntries();
    m_windowMenu->addSeparator();
    m_exportActions = new PictureExportActions(this, m_picture, m_flatPicture, m_flatOption,
                                               m_controls.State(), m_point);
    m_windowMenu->addActions(m_exportActions->Actions());
    // The About entry closes the menu, after a separator, as in the window's
    // system menu.
    const QString aboutText = tr("&Acerca de torsiva...");
    m_windowMenu->addSeparator();
    QAction* about = m_windowMenu->addAction(aboutText);
    about->setData(kAboutCommand);
    connect(about, &QAction::triggered, this, &CFigureDlg::OnAbout);
    m_view->setMenu(m_windowMenu);
#ifdef Q_OS_WIN
    if (HMENU menu = GetSystemMenu(reinterpret_cast<HWND>(winId()), FALSE)) {
        AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        AppendMenuW(menu, MF_STRING, kAboutCommand,
                    reinterpret_cast<const wchar_t*>(aboutText.utf16()));
    }
#endif
}

// Off by default, and remembered across runs: the exact picture is what a
// new user sees.
void CFigureDlg::AddSmoothLinesEntry()
{
    QAction* smooth = m_windowMenu->addAction(tr("Líneas suavizadas"));
    smooth->setCheckable(true);
    smooth->setChecked(SmoothLinesSetting());
    m_picture->SetLineStyle(smooth->isChecked() ? LineStyle::Smooth : LineStyle::Exact);
    connect(smooth, &QAction::toggled, this, &CFigureDlg::OnSmoothLines);
}

void CFigureDlg::OnSmoothLines(bool on)
{
    SaveSmoothLinesSetting(on);
    m_picture->SetLineStyle(on ? LineStyle::Smooth : LineStyle::Exact);
    m_flatPicture->SetLineStyle(on ? LineStyle::Smooth : LineStyle::Exact);
    if (m_picture->HasPicture())
        m_controls.Redraw();
}

// Off by default and remembered across runs, as the smooth lines are; its
// key works wherever the focus is in the window. Only the user's own choice
// is remembered, not the command line's.
void CFigureDlg::AddFlatPictureEntry()
{
    m_flatAction = m_windowMenu->addAction(tr("Desarrollo"));
    m_flatAction->setCheckable(true);
    m_flatAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    m_flatAction->setShortcutContext(Qt::WindowShortcut);
    addAction(m_flatAction);
    m_flatAction->setChecked(FlatPictureSetting());
    m_flatPicture->SetLineStyle(m_picture->Lines());
    connect(m_flatAction, &QAction::toggled, this, &CFigureDlg::OnFlatPicture);
    connect(m_flatAction, &QAction::triggered, this, [](bool on) { SaveFlatPictureSetting(on); });
}

void CFigureDlg::ShowFlatPicture(bool on) { m_flatAction->setChecked(on); }

// Off by default and remembered across runs, as the flat picture is, with
// its key anywhere in the window; the view holds it, so that the redraw and
// every export show the same.
void CFigureDlg::AddHiddenPartsEntry()
{
    m_hiddenAction = m_windowMenu->addAction(tr("Partes ocultas"));
    m_hiddenAction->setCheckable(true);
    m_hiddenAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    m_hiddenAction->setShortcutContext(Qt::WindowShortcut);
    addAction(m_hiddenAction);
    m_hiddenAction->setChecked(HiddenPartsSetting());
    m_controls.SetHiddenParts(m_hiddenAction->isChecked());
    connect(m_hiddenAction, &QAction::toggled, this,
            [this](bool on) { m_controls.SetHiddenParts(on); });
    connect(m_hiddenAction, &QAction::triggered, this, [](bool on) { SaveHiddenPartsSetting(on); });
}

void CFigureDlg::ShowHiddenParts(bool on) { m_hiddenAction->setChecked(on); }
// Off at every start: the picture a new run shows is the figure alone. Both
// keys work wherever the focus is in the window.
void CFigureDlg::AddPointEntries()
{
    m_pointAction = m_windowMenu->addAction(tr("Ángulo en un punto"));
    m_pointAction->setCheckable(true);
    m_pointAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    m_pointAction->setShortcutContext(Qt::WindowShortcut);
    addAction(m_pointAction);
    connect(m_pointAction, &QAction::toggled, this, &CFigureDlg::OnPointOption);

    m_animateAction = m_windowMenu->addAction(tr("Animar"));
    m_animateAction->setCheckable(true);
    m_animateAction->setShortcut(QKeySequence(Qt::Key_Space));
    m_animateAction->setShortcutContext(Qt::WindowShortcut);
    m_animateAction->setEnabled(false);
    addAction(m_animateAction);
    connect(m_animateAction, &QAction::toggled, this, &CFigureDlg::OnAnimate);

    m_animation.setTimerType(Qt::PreciseTimer);
    connect(&m_animation, &QTimer::timeout, this, &CFigureDlg::AnimationFrame);

    const std::pair<QKeySequence, int> steps[] = {
        {QKeySequence(Qt::SHIFT | Qt::Key_Left), -1},
        {QKeySequence(Qt::SHIFT | Qt::Key_Right), +1},
    };
    for (const auto& [sequence, direction] : steps)
        connect(new QShortcut(sequence, this), &QShortcut::activated, this,
                [this, direction = direction] { StepPoint(direction); });
}

void CFigureDlg::ShowPoint(bool on) { m_pointAction->setChecked(on); }

void CFigureDlg::OnPointOption(bool on)
{
    m_point.SetOn(on);
    if (!on)
        StopAnimation();
    if (m_picture->HasPicture())
        m_controls.Redraw();
}

void CFigureDlg::OnCurveButton(CurveKind figure)
{
    m_point.ExpectCurveButton();
    m_controls.OnCurveButton(figure);
}

// The animation shows the mark: turned on, it turns the option on too. It
// redraws through the same path as every control, at the screen's refresh
// rate.
void CFigureDlg::OnAnimate(bool on)
{
    if (!on || !FigureShown(m_controls.State())) {
        StopAnimation();
        return;
    }
    m_pointAction->setChecked(true);
    const QScreen* shown = screen();
    const double rate = shown && shown->refreshRate() > 1.0 ? shown->refreshRate() : 60.0;
    m_animationClock.start();
    m_animation.start(std::max(1, int(std::lround(1000.0 / rate))));
    AnimationFrame();
}

void CFigureDlg::AnimationFrame()
{
    m_point.MoveTo(m_point.AnimatedParameter(m_animationClock.nsecsElapsed() * 1e-9));
    m_controls.Redraw();
}

void CFigureDlg::StopAnimation()
{
    m_animation.stop();
    if (m_animateAction && m_animateAction->isChecked()) {
        const QSignalBlocker quiet(m_animateAction);
        m_animateAction->setChecked(false);
    }
}

// A step by hand ends the animation, which would take the point back.
void CFigureDlg::StepPoint(int direction)
{
    if (!m_point.Shown())
        return;
    StopAnimation();
    if (m_point.Step(direction))
        m_controls.Redraw();
}

bool CFigureDlg::InFlatPicture(QPoint inDialog) const
{
    return m_point.Shown() && m_flatOption.On() && m_flatPicture->isVisible() &&
           m_flatPicture->geometry().contains(inDialog);
}

// The cursor in the flat picture's picture units: its logical pixels over
// the picture's side, times 500.
void CFigureDlg::MovePointToFlat(QPoint inDialog)
{
    const QPointF local = QPointF(inDialog - m_flatPicture->pos());
    const double perPixel = double(kPictureSize) / std::max(1, m_flatPicture->width());
    const PicturePoint target{local.x() * perPixel, local.y() * perPixel};
    if (m_point.MoveToNearestFlat(m_flatPicture->Fit(m_controls.State()), target))
        m_controls.Redraw();
}

// The window as it was left: widened for the flat picture if the option is
// on, and given back that widening if the option has been turned off since.
void CFigureDlg::ResumeFlatPicture()
{
    const int side = PictureLayout::ForClient(width(), height()).side;
    const Room room = RoomAround(this);
    ChangeWindow(m_flatOption.Resume(m_flatAction->isChecked(), width(), SavedFlatWidening(), side,
                                     room.right, room.left, minimumWidth()));
}

void CFigureDlg::OnFlatPicture(bool on)
{
    if (on == m_flatOption.On())
        return;
    const int side = PictureLayout::ForClient(width(), height()).side;
    const Room room = RoomAround(this);
    ChangeWindow(on ? m_flatOption.TurnOn(width(), side, room.right, room.left)
                    : m_flatOption.TurnOff(width(), minimumWidth()));
}

void CFigureDlg::ChangeWindow(WindowChange change)
{
    if (change.moveLeft != 0)
        move(pos() - QPoint(change.moveLeft, 0));
    resize(change.clientWidth, height());
    ResizableLayout::FitToScreen(this);
    LayOut();
}

// The widgets for the window's size and the option. A picture of a new size
// is the same view drawn again; a flat picture just shown is drawn, and one
// shown already stays as it is.
void CFigureDlg::LayOut()
{
    const bool resized = m_layout.Apply(size(), m_flatOption.On());
    if (!m_picture->HasPicture())
        return;
    if (resized)
        m_controls.Redraw();
    else if (m_flatOption.On())
        m_flatPicture->Show(m_controls.State(), &m_point);
}

// The keyboard's way to turn and zoom, whichever control has the focus.
void CFigureDlg::BuildKeys()
{
    using Key = ViewControls::OrbitKey;
    const std::pair<QKeySequence, Key> orbitKeys[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_Left), Key::Left},
        {QKeySequence(Qt::CTRL | Qt::Key_Right), Key::Right},
        {QKeySequence(Qt::CTRL | Qt::Key_Up), Key::Up},
        {QKeySequence(Qt::CTRL | Qt::Key_Down), Key::Down},
    };
    for (const auto& [sequence, key] : orbitKeys)
        connect(new QShortcut(sequence, this), &QShortcut::activated, this,
                [this, key = key] { m_controls.OnOrbitKey(key); });
    // Ctrl+= is Ctrl++ without the shift on keyboards that put + over =.
    const std::pair<QKeySequence, bool> zoomKeys[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_Plus), true},
        {QKeySequence(Qt::CTRL | Qt::Key_Equal), true},
        {QKeySequence(Qt::CTRL | Qt::Key_Minus), false},
    };
    for (const auto& [sequence, bigger] : zoomKeys)
        connect(new QShortcut(sequence, this), &QShortcut::activated, this,
                [this, bigger = bigger] { m_controls.OnZoomKey(bigger); });
}

void CFigureDlg::OnAbout()
{
    CAboutDlg about(this);
    about.exec();
}

void CFigureDlg::OnInstructions()
{
    CInstructionsDlg instructions(this);
    instructions.exec();
}

ControlScrollBar* CFigureDlg::BarWidget(Bar bar) const
{
    ControlScrollBar* const bars[] = {m_barA, m_barZ, m_barP}; // in the order of Bar
    return bars[static_cast<int>(bar)];
}

void CFigureDlg::OnBarAction(ControlScrollBar* bar, int sliderAction)
{
    const int code = ScrollCodeOf(sliderAction);
    if (code < 0)
        return;
    OnVScroll(unsigned(code), bar->sliderPosition(), bar);
    // The action has already moved the slider; put it back where the view
    // controls left the thumb, so that a page click, say, never moves it.
    bar->setSliderPosition(bar->value());
}

void CFigureDlg::OnVScroll(unsigned code, int position, ControlScrollBar* bar)
{
    m_controls.OnVScroll(code, position, bar->ControlId());
}

void CFigureDlg::SetScrollRange(Bar bar, int min, int max) { BarWidget(bar)->setRange(min, max); }

void CFigureDlg::SetScrollPos(Bar bar, int pos) { BarWidget(bar)->setValue(pos); }

void CFigureDlg::ShowAngle(int angleDeg)
{
    m_angleText = AngleTitle(angleDeg);
    m_angleLabel->setText(m_angleText);
}

// Another figure ends the animation; the point follows the figure and the
// angle before the mark is drawn.
void CFigureDlg::DrawFigure(const ViewState& view)
{
    if (m_point.Follow(view))
        StopAnimation();
    m_picture->DrawFigure(view, &m_point);
    if (m_flatOption.On())
        m_flatPicture->Show(view, &m_point);
    NamePicture(view);
    m_exportActions->UpdateEnabled();
    m_animateAction->setEnabled(FigureShown(view));
}

// A larger picture is the same view drawn again at its new scale; before the
// first redraw there is nothing to draw again.
void CFigureDlg::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    LayOut();
}

// A screen reader hears which figure the picture shows and at what angle,
// and where the point is and what it measures.
void CFigureDlg::NamePicture(const ViewState& view)
{
    const QString point = PointDescription();
    m_picture->setAccessibleName(
        !FigureShown(view)
            ? tr("Todavía no hay figura: elija una curva")
            : tr("%1, ángulo %2º").arg(FigureTitle(view.curveKind)).arg(view.angleDeg) + point);
    m_flatPicture->setAccessibleName(
        !FigureShown(view)
            ? tr("Desarrollo: todavía no hay figura")
            : tr("%1, ángulo %2º").arg(FlatTitle(view.curveKind)).arg(view.angleDeg) + point);
}

// "; punto en t = 0,50, ángulo medido 60,0º", or nothing without the mark.
QString CFigureDlg::PointDescription() const
{
    const std::optional<double> shown = m_point.Shown();
    if (!shown)
        return QString();
    //: The curve's parameter: θ for the loxodrome, t for the helices.
    const QString name = m_point.Curve().figure == CurveKind::SphericalHelix ? tr("θ") : tr("t");
    const QString where = QLocale().toString(*shown, 'f', 2);
    const PictureMark& mark = m_picture->Mark();
    return mark.hasAngle ? tr("; punto en %1 = %2, ángulo medido %3")
                               .arg(name, where, MeasuredAngleText(mark.angleDeg))
                         : tr("; punto en %1 = %2, sin ángulo: la curva no tiene dirección ahí")
                               .arg(name, where);
}

void CFigureDlg::done(int result)
{
    StopAnimation();
    SaveWindowPlacement(this, m_flatOption.Widening());
    QDialog::done(result);
}

// Qt keeps delivering the mouse to the dialog from a press to its release,
// wherever the cursor goes, so a release outside the window ends the drag.
//
// With the mark shown, a press in the flat picture moves the point instead:
// the flat picture has no orbit, so it never turns the figure.
void CFigureDlg::mousePressEvent(QMouseEvent* event)
{
    const QPoint inDialog = mapFromGlobal(event->globalPosition().toPoint());
    if (event->button() == Qt::LeftButton && InFlatPicture(inDialog)) {
        m_flatDrag = true;
        StopAnimation();
        MovePointToFlat(inDialog);
    } else if (event->button() == Qt::LeftButton) {
        m_controls.OnLButtonDown(CursorOf(event));
    }
    QDialog::mousePressEvent(event);
}

void CFigureDlg::mouseMoveEvent(QMouseEvent* event)
{
    if (m_flatDrag)
        MovePointToFlat(mapFromGlobal(event->globalPosition().toPoint()));
    else
        m_controls.OnMouseMove(CursorOf(event));
    QDialog::mouseMoveEvent(event);
}

void CFigureDlg::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && m_flatDrag)
        m_flatDrag = false;
    else if (event->button() == Qt::LeftButton)
        m_controls.OnLButtonUp();
    QDialog::mouseReleaseEvent(event);
}

// A modal dialog over the window, or the window going away, ends the
// animation: nothing redraws behind a dialog or after the close.
bool CFigureDlg::event(QEvent* event)
{
    if (event->type() == QEvent::WindowBlocked)
        StopAnimation();
    return QDialog::event(event);
}

void CFigureDlg::hideEvent(QHideEvent* event)
{
    StopAnimation();
    QDialog::hideEvent(event);
}

// A focused push button takes Return itself; on any other control Return
// ends the dialog, as OK would.
void CFigureDlg::keyPressEvent(QKeyEvent* event)
{
    if (IsReturn(event) && !qobject_cast<QPushButton*>(focusWidget())) {
        accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

// Presses on the group's frame or title start a drag, as on the dialog.
bool CFigureDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_curves)
        return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        mousePressEvent(static_cast<QMouseEvent*>(event));
        return true;
    case QEvent::MouseMove:
        mouseMoveEvent(static_cast<QMouseEvent*>(event));
        return true;
    case QEvent::MouseButtonRelease:
        mouseReleaseEvent(static_cast<QMouseEvent*>(event));
        return true;
    default:
        return QDialog::eventFilter(watched, event);
    }
}

void CFigureDlg::contextMenuEvent(QContextMenuEvent* event)
{
#ifdef Q_OS_WIN
    QDialog::contextMenuEvent(event); // the entry is in the system menu there
#else
    m_windowMenu->popup(event->globalPos());
#endif
}

#ifdef Q_OS_WIN
bool CFigureDlg::nativeEvent(const QByteArray& eventType, void* message, qintptr* result)
{
    const MSG* msg = static_cast<const MSG*>(message);
    if (msg->message == WM_SYSCOMMAND && (msg->wParam & 0xFFF0) == kAboutCommand) {
        OnAbout();
        *result = 0;
        return true;
    }
    return QDialog::nativeEvent(eventType, message, result);
}
#endif
