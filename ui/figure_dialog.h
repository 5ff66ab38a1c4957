// The main dialog: the curve buttons, the A, Z and P bars, the angle label
// and the picture. It builds and wires the widgets and turns their events
// into calls of the view controls; the view itself lives in View().
#pragma once

#include <string>

#include <QDialog>
#include <QString>

#include "render/figure_model.h"
#include "ui/control_panel.h"
#include "ui/resizable_layout.h"
#include "ui/view_controls.h"

class Canvas;
class ControlScrollBar;
class PictureArea;
class QLabel;
class QMenu;
class QPushButton;

class CFigureDlg : public QDialog, private ControlPanel {
public:
    explicit CFigureDlg(QWidget* parent = nullptr);

    // The window menu holding the About entry; on Windows it is the system
    // menu, elsewhere it opens from the dialog's surface.
    QMenu* WindowMenu() const { return m_windowMenu; }
    PictureArea* Picture() const { return m_picture; }

    // The system-menu command that opens the About dialog.
    static constexpr int kAboutCommand = 16;

public:
    void OnHelix() { m_controls.OnHelix(); }
    void OnConicalHelix() { m_controls.OnConicalHelix(); }
    void OnSphericalHelix() { m_controls.OnSphericalHelix(); }
    void OnAbout();
    void OnInstructions();
    // Ends the dialog, remembering where the window was.
    void done(int result) override;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
#ifdef Q_OS_WIN
    bool nativeEvent(const QByteArray& eventType, void* message, qintptr* result) override;
#endif

private:
    // ControlPanel: what the view controls show.
    void SetScrollRange(int barId, int min, int max) override;
    void SetScrollPos(int barId, int pos) override;
    void SetAngleText(const std::string& text) override;
    void DrawFigure() override;

    void BuildControls();
    void BuildWindowMenu();
    void SetTabOrder();
    QPushButton* AddButton(int controlId, const QString& text, QRect units);
    ControlScrollBar* AddBar(int controlId, const QString& name, QRect units);
    ControlScrollBar* Bar(int controlId) const;
    void OnBarAction(ControlScrollBar* bar, int sliderAction);
    void OnVScroll(unsigned code, int position, ControlScrollBar* bar);
    void OnSmoothLines(bool on);

    ControlScrollBar* m_barA = nullptr;
    ControlScrollBar* m_barP = nullptr;
    ControlScrollBar* m_barZ = nullptr;
    QString m_angleText;
    QLabel* m_angleLabel = nullptr;
    PictureArea* m_picture = nullptr;
    QMenu* m_windowMenu = nullptr;
    FigureCache m_figures; // the vertices of the figure shown, kept between redraws
    ResizableLayout m_layout;
    ViewControls m_controls{*this};
};
