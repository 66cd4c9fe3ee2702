// Top-level windows and self-painted controls: real widgets that mirror the model and report input.
#pragma once

#include <QMenuBar>
#include <QPointer>
#include <QWidget>

#include <vector>

#include "ui/ws/qt6/qtcontext.h"

namespace ui::qt {

// Shows a self-painted control's backing bitmap and forwards the mouse to the core.
class PaintedWidget : public QWidget {
public:
    PaintedWidget(TWinControl& control, QWidget* parent);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    TWinControl& control_;
};

// A form: the window manager's frame around a menu bar and the client area.
class FormWindow : public QWidget {
public:
    explicit FormWindow(TForm& form);
    TForm& Form() { return form_; }
    PaintedWidget* Client() { return client_; }
    QMenuBar* MenuBar() { return menuBar_; }
    void RebuildMenu();
    void QueueMenuRebuild();
    void ApplyStyle();
    void SetOuterBounds(const TRect& outer);
    // Frame around the client area as the window system has drawn it (menu bar included in `top`).
    FrameMetrics Frame() const;
    // Height of the menu bar inside the window (0 without one).
    int MenuHeight() const;

protected:
    void closeEvent(QCloseEvent* e) override;
    void moveEvent(QMoveEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void changeEvent(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    bool focusNextPrevChild(bool next) override;

private:
    void ReportGeometry();
    TForm& form_;
    QMenuBar* menuBar_;
    PaintedWidget* client_;
    std::vector<QMenu*> menus_;
    bool menuRebuildQueued_ = false;
    bool reporting_ = false;
};

// A handle over a real widget; its ClientWidget holds the widgets of child controls.
class WidgetHandle : public WindowHandle {
public:
    virtual QWidget* ClientWidget() const = 0;
};

class FormHandle : public WidgetHandle {
public:
    explicit FormHandle(TForm& form);
    ~FormHandle() override;
    QWidget* ClientWidget() const override { return window_ ? window_->Client() : nullptr; }
    void SetBounds(const TRect& r) override;
    void SetVisible(bool v) override;
    void SetText(const std::string& s) override;
    void SetEnabled(bool e) override;
    void Invalidate(const TRect& r) override;
    void BringToFront() override;
    void StyleChanged() override;
    void MenuChanged() override;
    void Activate() override;

private:
    QPointer<FormWindow> window_;
};

// Bounds, visibility, focus and stacking of a child control's widget.
class ChildHandle : public WidgetHandle {
public:
    ChildHandle(TWinControl& control, QWidget* widget);
    ~ChildHandle() override;
    QWidget* ClientWidget() const override { return widget_; }
    void SetBounds(const TRect& r) override;
    void SetVisible(bool v) override;
    void SetEnabled(bool e) override;
    void Invalidate(const TRect& r) override;
    void SetFocus() override;
    void BringToFront() override;

protected:
    QPointer<QWidget> widget_;
};

class PaintedHandle : public ChildHandle {
public:
    PaintedHandle(TWinControl& control, QWidget* parent) : ChildHandle(control, new PaintedWidget(control, parent)) {}
};

// The control a widget of ours stands for, or nullptr.
TWinControl* ControlOf(const QWidget* w);

// The widget that children of `control` are placed in.
QWidget* ClientWidgetOf(const TWinControl* control);

}  // namespace ui::qt
