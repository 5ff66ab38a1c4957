// SPDX-License-Identifier: MIT
// The main dialog: the curve buttons, the A, Z and P bars, the angle label
// and the picture. It builds and wires the widgets and turns their events
// into calls of the view controls, which own the view.
#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <QString>
#include <QTimer>

#include "controls/control_panel.h"
#include "controls/flat_option.h"
#include "controls/point_controls.h"
#include "controls/view_controls.h"
#include "ui/resizable_layout.h"

class Canvas;
class ControlScrollBar;
class FlatPictureArea;
class PictureArea;
class PictureExportActions;
class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;

class CFigureDlg : public QDialog, private ControlPanel {
    Q_OBJECT

public:
    explicit CFigureDlg(QWidget* parent = nullptr);

    // The window menu holding the About entry; on Windows it is the system
    // menu, elsewhere it opens from the dialog's surface.
    QMenu* WindowMenu() const { return m_windowMenu; }
    PictureArea* Picture() const { return m_picture; }
    // The flat picture beside the figure, and the "Desarrollo" entry of the
    // window menu that shows it.
    FlatPictureArea* FlatPicture() const { return m_flatPicture; }
    QAction* FlatPictureAction() const { return m_flatAction; }
    // The option turned on or off as the entry would turn it, without
    // remembering the choice for the next run (the command line's --flat).
    void ShowFlatPicture(bool on);
    // The "Partes ocultas" entry of the window menu, and the option turned
    // on or off as it would, without remembering it (the command line's
    // --hidden).
    QAction* HiddenPartsAction() const { return m_hiddenAction; }
    void ShowHiddenParts(bool on);
    // What the controls do to the view, for callers that act as the user
    // would (the command line's start view).
    ViewControls& Controls() { return m_controls; }
    // The point whose angle is marked, the "Ángulo en un punto" entry that
    // shows its mark and the "Animar" entry that runs it along the curve.
    const PointControls& Point() const { return m_point; }
    QAction* PointAction() const { return m_pointAction; }
    QAction* AnimateAction() const { return m_animateAction; }
    bool Animating() const { return m_animation.isActive(); }
    // One frame of the animation as its timer runs it: the point where the
    // time since the start puts it, and the redraw.
    void AnimationFrame();
    // The option turned on or off as its entry would (the command line's
    // --point).
    void ShowPoint(bool on);

    // The system-menu command that opens the About dialog.
    static constexpr int kAboutCommand = 16;

    void setVisible(bool visible) override;

public slots:
    void OnHelix() { OnCurveButton(CurveKind::Helix); }
    void OnConicalHelix() { OnCurveButton(CurveKind::ConicalHelix); }
    void OnSphericalHelix() { OnCurveButton(CurveKind::SphericalHelix); }
    void OnAbout();
    void OnInstructions();
    // Ends the dialog, remembering where the window was.
    void done(int result) override;

protected:
    bool event(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
#ifdef Q_OS_WIN
    bool nativeEvent(const QByteArray& eventType, void* message, qintptr* result) override;
#endif

private:
    // ControlPanel: what the view controls show.
    void SetScrollRange(Bar bar, int min, int max) override;
    void SetScrollPos(Bar bar, int pos) override;
    void ShowAngle(int angleDeg) override;
    void DrawFigure(const ViewState& view) override;

    void BuildControls();
    void BuildCurveButtons();
    void BuildLetters();
    void BuildWindowMenu();
    void AddSmoothLinesEntry();
    void AddFlatPictureEntry();
    void AddHiddenPartsEntry();
    void ResumeFlatPicture();
    void OnFlatPicture(bool on);
    void ChangeWindow(WindowChange change);
    void LayOut();
    void BuildKeys();
    void KeepNoDefaultButton();
    void ClearDefaultButton();
    void SetTabOrder();
    QLabel* AddLetter(const QString& letter, ControlScrollBar* bar);
    QPushButton* AddButton(QWidget* parent, const QString& text, QRect units);
    ControlScrollBar* AddBar(int controlId, Bar bar, const QString& name, QRect units);
    ControlScrollBar* BarWidget(Bar bar) const;
    void OnBarAction(ControlScrollBar* bar, int sliderAction);
    void OnVScroll(unsigned code, int position, ControlScrollBar* bar);
    void NamePicture(const ViewState& view);
    void OnSmoothLines(bool on);
    void OnCurveButton(CurveKind figure);
    void AddPointEntries();
    void OnPointOption(bool on);
    void OnAnimate(bool on);
    void StopAnimation();
    void StepPoint(int direction);
    bool InFlatPicture(QPoint inDialog) const;
    void MovePointToFlat(QPoint inDialog);
    QString PointDescription() const;

    QGroupBox* m_curves = nullptr;
    QPushButton* m_helix = nullptr;
    QPushButton* m_conicalHelix = nullptr;
    QPushButton* m_sphericalHelix = nullptr;
    QPushButton* m_instructions = nullptr;
    QPushButton* m_about = nullptr;
    QPushButton* m_close = nullptr;
    QPushButton* m_view = nullptr;
    ControlScrollBar* m_barA = nullptr;
    ControlScrollBar* m_barP = nullptr;
    ControlScrollBar* m_barZ = nullptr;
    QLabel* m_letterA = nullptr;
    QLabel* m_letterZ = nullptr;
    QLabel* m_letterP = nullptr;
    QString m_angleText;
    QLabel* m_angleLabel = nullptr;
    PictureArea* m_picture = nullptr;
    FlatPictureArea* m_flatPicture = nullptr;
    QMenu* m_windowMenu = nullptr;
    QAction* m_flatAction = nullptr;
    QAction* m_hiddenAction = nullptr;
    QAction* m_pointAction = nullptr;
    QAction* m_animateAction = nullptr;
    PictureExportActions* m_exportActions = nullptr;
    ResizableLayout m_layout;
    FlatOption m_flatOption;
    PointControls m_point;
    // The animation's one timer, and the time since it started.
    QTimer m_animation;
    QElapsedTimer m_animationClock;
    bool m_flatDrag = false; // a press in the flat picture moves the point
    ViewControls m_controls{*this};
};
