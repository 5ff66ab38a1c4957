#include "ui/figure_dialog.h"

#include <utility>

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>

#include "render/draw_figure.h"
#include "ui/about_dialog.h"
#include "ui/app_icon.h"
#include "ui/control_ids.h"
#include "ui/control_scroll_bar.h"
#include "ui/dialog_units.h"
#include "ui/instructions_dialog.h"
#include "ui/picture_area.h"
#include "ui/window_settings.h"

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

// Where the picture stands in the dialog's client area.
constexpr QPoint kPictureOrigin(150, 10);

ScreenPoint CursorPos()
{
    const QPoint position = QCursor::pos();
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

} // namespace

CFigureDlg::CFigureDlg(QWidget* parent) : QDialog(parent)
{
    UseTemplateFont(this);
    setWindowTitle(QStringLiteral("Torsiva"));
    setWindowIcon(AppIcon());
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    resize(DialogX(509), DialogY(321));
    BuildControls();
    SetTabOrder();
    BuildWindowMenu();
    m_layout.Capture(this, m_picture);
    RestoreWindowPlacement(this);
    ResizableLayout::FitToScreen(this);
}

void CFigureDlg::BuildControls()
{
    auto* curves = new QGroupBox(QStringLiteral("Curvas"), this);
    curves->setGeometry(DialogRect(7, 7, 86, 68));
    curves->setAttribute(Qt::WA_TransparentForMouseEvents);

    m_picture = new PictureArea(this);
    m_picture->move(kPictureOrigin);

    auto* close = AddButton(ControlId::kCancel, QStringLiteral("Cerrar"), {7, 148, 86, 14});
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    m_barZ =
        AddBar(ControlId::kBarZ, QStringLiteral("Barra Z: tamaño de la imagen"), {465, 6, 15, 163});
    m_barP =
        AddBar(ControlId::kBarP, QStringLiteral("Barra P: distancia del ojo"), {487, 6, 15, 163});
    // Wider than its template box (53 units), which was measured for a font
    // whose blanks are narrower than ours: the P would be clipped.
    AddLabel(this, QStringLiteral("A         Z         P"), {448, 172, 61, 13});
    auto* about = AddButton(ControlId::kAbout, QStringLiteral("Sobre Torsiva"), {7, 124, 86, 14});
    connect(about, &QPushButton::clicked, this, &CFigureDlg::OnAbout);
    auto* instructions =
        AddButton(ControlId::kInstructions, QStringLiteral("Instrucciones"), {7, 101, 86, 14});
    connect(instructions, &QPushButton::clicked, this, &CFigureDlg::OnInstructions);
    m_barA =
        AddBar(ControlId::kBarA, QStringLiteral("Barra A: ángulo de la curva"), {442, 7, 15, 163});
    m_angleLabel = AddLabel(this, m_angleText, {445, 186, 57, 19});
    m_angleLabel->setProperty("controlId", ControlId::kAngleLabel);
    auto* helix = AddButton(ControlId::kHelix, QStringLiteral("Hélice"), {13, 21, 72, 14});
    connect(helix, &QPushButton::clicked, this, &CFigureDlg::OnHelix);
    auto* conical =
        AddButton(ControlId::kConicalHelix, QStringLiteral("Hélice cónica"), {13, 37, 72, 14});
    connect(conical, &QPushButton::clicked, this, &CFigureDlg::OnConicalHelix);
    auto* spherical =
        AddButton(ControlId::kSphericalHelix, QStringLiteral("Hélice esférica"), {13, 53, 72, 14});
    connect(spherical, &QPushButton::clicked, this, &CFigureDlg::OnSphericalHelix);
}

QPushButton* CFigureDlg::AddButton(int controlId, const QString& text, QRect units)
{
    auto* button = new QPushButton(text, this);
    button->setGeometry(DialogRect(units.x(), units.y(), units.width(), units.height()));
    button->setProperty("controlId", controlId);
    button->setAutoDefault(false);
    return button;
}

ControlScrollBar* CFigureDlg::AddBar(int controlId, const QString& name, QRect units)
{
    auto* bar = new ControlScrollBar(controlId, this);
    bar->setGeometry(DialogRect(units.x(), units.y(), units.width(), units.height()));
    bar->setProperty("controlId", controlId);
    bar->setAccessibleName(name);
    connect(bar, &QAbstractSlider::actionTriggered, this,
            [this, bar](int action) { OnBarAction(bar, action); });
    connect(bar, &QAbstractSlider::sliderReleased, this,
            [this, bar] { OnVScroll(kThumbPosition, bar->sliderPosition(), bar); });
    return bar;
}

// Keyboard focus moves in the order of the dialog template.
void CFigureDlg::SetTabOrder()
{
    QList<QWidget*> chain;
    for (int id : {ControlId::kCancel, ControlId::kBarZ, ControlId::kBarP, ControlId::kAbout,
                   ControlId::kInstructions, ControlId::kBarA, ControlId::kHelix,
                   ControlId::kConicalHelix, ControlId::kSphericalHelix})
        for (QWidget* child : findChildren<QWidget*>())
            if (child->property("controlId").toInt() == id)
                chain.append(child);
    for (qsizetype i = 0; i + 1 < chain.size(); ++i)
        setTabOrder(chain[i], chain[i + 1]);
}

void CFigureDlg::BuildWindowMenu()
{
    m_windowMenu = new QMenu(this);
    m_windowMenu->addSeparator();
    QAction* about = m_windowMenu->addAction(QStringLiteral("&Acerca de torsiva..."));
    about->setData(kAboutCommand);
    connect(about, &QAction::triggered, this, &CFigureDlg::OnAbout);
#ifdef Q_OS_WIN
    if (HMENU menu = GetSystemMenu(reinterpret_cast<HWND>(winId()), FALSE)) {
        AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        AppendMenuW(menu, MF_STRING, kAboutCommand, L"&Acerca de torsiva...");
    }
#endif
    m_windowMenu->addSeparator();
    QAction* smooth =
        m_windowMenu->addAction(QCoreApplication::translate("CFigureDlg", "Líneas suavizadas"));
    smooth->setCheckable(true);
    smooth->setChecked(SmoothLinesSetting());
    m_picture->SetLineStyle(smooth->isChecked() ? LineStyle::Smooth : LineStyle::Exact);
    connect(smooth, &QAction::toggled, this, &CFigureDlg::OnSmoothLines);
}

void CFigureDlg::OnSmoothLines(bool on)
{
    SaveSmoothLinesSetting(on);
    m_picture->SetLineStyle(on ? LineStyle::Smooth : LineStyle::Exact);
    if (m_picture->HasPicture())
        DrawFigure();
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

ControlScrollBar* CFigureDlg::Bar(int controlId) const
{
    for (ControlScrollBar* bar : {m_barA, m_barZ, m_barP})
        if (bar->ControlId() == controlId)
            return bar;
    return nullptr;
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

void CFigureDlg::SetScrollRange(int barId, int min, int max)
{
    if (ControlScrollBar* bar = Bar(barId))
        bar->setRange(min, max);
}

void CFigureDlg::SetScrollPos(int barId, int pos)
{
    if (ControlScrollBar* bar = Bar(barId))
        bar->setValue(pos);
}

void CFigureDlg::SetAngleText(const std::string& text)
{
    m_angleText = QString::fromStdString(text);
    m_angleLabel->setText(m_angleText);
}

void CFigureDlg::DrawFigure() { m_picture->DrawFigure(m_figures); }

// A larger picture is the same view drawn again at its new scale; before the
// first redraw there is nothing to draw again.
void CFigureDlg::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    if (m_layout.Apply(size()) && m_picture->HasPicture())
        DrawFigure();
}

void CFigureDlg::done(int result)
{
    SaveWindowPlacement(this);
    QDialog::done(result);
}

// Qt keeps delivering the mouse to the dialog from a press to its release,
// wherever the cursor goes, so a release outside the window ends the drag.
void CFigureDlg::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_controls.OnLButtonDown(CursorPos());
    QDialog::mousePressEvent(event);
}

void CFigureDlg::mouseMoveEvent(QMouseEvent* event)
{
    m_controls.OnMouseMove(CursorPos());
    QDialog::mouseMoveEvent(event);
}

void CFigureDlg::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_controls.OnLButtonUp();
    QDialog::mouseReleaseEvent(event);
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
