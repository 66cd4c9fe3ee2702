#include "ui/ws/qt6/qtwindows.h"

#include <QApplication>
#include <QGuiApplication>
#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/ws/qt6/qttext.h"

namespace ui::qt {

QWidget* ClientWidgetOf(const TWinControl* control) {
    if (!control || !control->Handle()) return nullptr;
    if (auto* h = dynamic_cast<WidgetHandle*>(control->Handle())) return h->ClientWidget();
    return nullptr;
}

TWinControl* ControlOf(const QWidget* w) {
    return w ? static_cast<TWinControl*>(w->property("uiControl").value<void*>()) : nullptr;
}

// ---------------------------------------------------------------- PaintedWidget

PaintedWidget::PaintedWidget(TWinControl& control, QWidget* parent) : QWidget(parent), control_(control) {
    setMouseTracking(true);
    setProperty("uiControl", QVariant::fromValue<void*>(&control));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

void PaintedWidget::paintEvent(QPaintEvent*) {
    Ctx().painting = true;
    const TBitmap& bitmap = Ctx().events->PaintControl(control_);
    Ctx().painting = false;
    if (bitmap.Width() == 0 || bitmap.Height() == 0) return;
    // A control that moved itself while painting is drawn again once it stands at its new place.
    if (!control_.IsWindowed() || (!As<TForm>(&control_) && geometry() != ToQRect(control_.BoundsRect()))) return;
    // A view of the model's memory: no copy, no colour management.
    const QImage image(reinterpret_cast<const uchar*>(bitmap.ScanLine(0)), bitmap.Width(), bitmap.Height(),
                       bitmap.Width() * 4, QImage::Format_RGB32);
    QPainter(this).drawImage(0, 0, image);
}

void PaintedWidget::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    const QPoint g = e->globalPosition().toPoint();
    Ctx().events->MouseDown(ToPoint(g), FormAt(g));
}

void PaintedWidget::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    const QPoint g = e->globalPosition().toPoint();
    Ctx().events->MouseUp(ToPoint(g), FormAt(g));
}

// ---------------------------------------------------------------- FormWindow

FormWindow::FormWindow(TForm& form) : QWidget(nullptr), form_(form) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    menuBar_ = new QMenuBar(this);
    menuBar_->setNativeMenuBar(false);
    layout->setMenuBar(menuBar_);
    client_ = new PaintedWidget(form, this);
    layout->addWidget(client_);
    setMouseTracking(true);
    ApplyStyle();
    RebuildMenu();
}

void FormWindow::ApplyStyle() {
    Qt::WindowFlags flags = Qt::Window;
    switch (form_.BorderStyle()) {
        case bsNone: flags |= Qt::FramelessWindowHint; break;
        case bsToolWindow:
        case bsSizeToolWin: flags = Qt::Tool; break;
        case bsDialog:
        case bsSingle: flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint; break;
        case bsSizeable: break;
    }
    if (form_.FormStyle() == fsStayOnTop) flags |= Qt::WindowStaysOnTopHint;
    if (flags != windowFlags()) {
        const bool wasVisible = isVisible();
        setWindowFlags(flags);
        if (wasVisible) show();
    }
    const FrameMetrics f = Frame();
    const TSizeConstraints& c = form_.Constraints();
    setMinimumSize(std::max(0, c.MinWidth - f.left - f.right), std::max(0, c.MinHeight - (f.top - MenuHeight()) - f.bottom));
    if (form_.WindowState() == wsMaximized && isVisible() && !isMaximized()) showMaximized();
}

FrameMetrics FormWindow::Frame() const {
    const QRect frame = frameGeometry(), inner = geometry();
    const int menu = MenuHeight();
    if (!isVisible() || frame == inner) {
        // Not framed yet: the window system's usual frame.
        FrameMetrics guess = EstimatedFrame(form_.BorderStyle());
        guess.top += menu;
        return guess;
    }
    return {inner.left() - frame.left(), inner.top() - frame.top() + menu, frame.right() - inner.right(),
            frame.bottom() - inner.bottom()};
}

int FormWindow::MenuHeight() const {
    if (!menuBar_->isVisibleTo(this)) return 0;
    return isVisible() ? menuBar_->height() : menuBar_->sizeHint().height();
}

void FormWindow::QueueMenuRebuild() {
    // Never rebuild from inside a menu's own signal: the menu would be deleted under it.
    if (menuRebuildQueued_) return;
    menuRebuildQueued_ = true;
    QPointer<FormWindow> self(this);
    QTimer::singleShot(0, [self] {
        if (self) self->RebuildMenu();
    });
}

void FormWindow::RebuildMenu() {
    menuRebuildQueued_ = false;
    menuBar_->clear();
    for (QMenu* old : menus_) old->deleteLater();
    menus_.clear();
    TMainMenu* menu = form_.Menu();
    bool any = false;
    if (menu) {
        TMenuItem* root = menu->Items();
        for (int i = 0; i < root->Count(); ++i) {
            TMenuItem* group = root->Items(i);
            if (!group->Visible()) continue;
            any = true;
            QMenu* m = menuBar_->addMenu(QString::fromStdString(group->Caption()));
            menus_.push_back(m);
            m->setEnabled(group->Enabled());
            for (int j = 0; j < group->Count(); ++j) {
                TMenuItem* item = group->Items(j);
                if (!item->Visible()) continue;
                QAction* a = m->addAction(QString::fromStdString(item->Caption()));
                a->setEnabled(item->Enabled());
                a->setCheckable(item->Checked());
                a->setChecked(item->Checked());
                QPointer<FormWindow> self(this);
                QObject::connect(a, &QAction::triggered, [self, item] {
                    if (self) Ctx().events->MenuItemChosen(*item);
                });
            }
        }
    }
    menuBar_->setVisible(any);
    ReportGeometry();
}

void FormWindow::SetOuterBounds(const TRect& outer) {
    const FrameMetrics f = Frame();
    const int menu = MenuHeight();
    const QSize inner(outer.Width() - f.left - f.right, outer.Height() - (f.top - menu) - f.bottom);
    // What the window system itself reported is not sent back to it.
    if (reporting_ || isMaximized()) return;
    if (pos() != QPoint(outer.left, outer.top)) move(outer.left, outer.top);
    if (size() != inner) resize(inner);
}

void FormWindow::ReportGeometry() {
    if (!isVisible()) return;
    // Before the window manager has framed the window, its frame is the usual one, not nothing.
    const FrameMetrics f = Frame();
    const TRect outer = Bounds(pos().x(), pos().y(), width() + f.left + f.right, height() + (f.top - MenuHeight()) + f.bottom);
    reporting_ = true;
    Ctx().events->FormGeometryChanged(form_, outer, f);
    reporting_ = false;
}

void FormWindow::closeEvent(QCloseEvent* e) {
    e->ignore();
    Ctx().events->CloseRequested(form_);
}

void FormWindow::moveEvent(QMoveEvent*) { ReportGeometry(); }
void FormWindow::resizeEvent(QResizeEvent*) { ReportGeometry(); }

void FormWindow::changeEvent(QEvent* e) {
    if (e->type() == QEvent::ActivationChange) {
        if (isActiveWindow())
            Ctx().events->FormActivated(form_);
        else
            Ctx().events->FormDeactivated(form_);
    }
    QWidget::changeEvent(e);
}

// Tab order is the model's.
bool FormWindow::focusNextPrevChild(bool next) {
    if (!next) return QWidget::focusNextPrevChild(next);
    Ctx().events->KeyPressed(form_, static_cast<int>(Key::Tab));
    return true;
}

void FormWindow::keyPressEvent(QKeyEvent* e) {
    switch (e->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: Ctx().events->KeyPressed(form_, static_cast<int>(Key::Enter)); break;
        case Qt::Key_Escape: Ctx().events->KeyPressed(form_, static_cast<int>(Key::Escape)); break;
        default: QWidget::keyPressEvent(e);
    }
}

// ---------------------------------------------------------------- handles

FormHandle::FormHandle(TForm& form) : window_(new FormWindow(form)) {}
FormHandle::~FormHandle() { delete window_.data(); }

void FormHandle::SetBounds(const TRect& r) {
    if (window_) window_->SetOuterBounds(r);
}

namespace {
// Paints the self-painted controls once before the window appears, so that those which place
// themselves when painted (the board centring itself) stand where they belong in the first frame.
void PrePaint(TWinControl& control) {
    if (!control.Visible()) return;
    if (control.SelfPainted()) Ctx().events->PaintControl(control);
    for (int i = 0; i < control.ControlCount(); ++i)
        if (auto* child = dynamic_cast<TWinControl*>(control.Controls(i))) PrePaint(*child);
}
}  // namespace

void FormHandle::SetVisible(bool v) {
    if (!window_) return;
    if (!v) {
        window_->hide();
        return;
    }
    if (!window_->isVisible()) PrePaint(window_->Form());
    if (window_->Form().WindowState() == wsMaximized)
        window_->showMaximized();
    else
        window_->show();
}

void FormHandle::SetText(const std::string& s) {
    if (window_) window_->setWindowTitle(QString::fromStdString(s));
}

void FormHandle::SetEnabled(bool e) {
    if (window_) window_->setEnabled(e);
}

void FormHandle::Invalidate(const TRect& r) {
    if (window_) window_->Client()->update(ToQRect(r));
}


void FormHandle::BringToFront() {
    if (window_) window_->raise();
}

void FormHandle::Activate() {
    if (!window_) return;
    window_->raise();
    window_->activateWindow();
    // A window manager that focuses the window clicked in would undo an activation asked for during
    // the click: ask again once the button is up.
    if (QGuiApplication::mouseButtons() != Qt::NoButton) Ctx().activateAfterClick = window_;
}

void FormHandle::StyleChanged() {
    if (window_) window_->ApplyStyle();
}

void FormHandle::MenuChanged() {
    if (window_) window_->QueueMenuRebuild();
}

ChildHandle::ChildHandle(TWinControl& control, QWidget* widget) : widget_(widget) {
    widget->setProperty("uiControl", QVariant::fromValue<void*>(&control));
    widget->setMouseTracking(true);
}
ChildHandle::~ChildHandle() { delete widget_.data(); }

void ChildHandle::SetBounds(const TRect& r) {
    if (!widget_ || widget_->geometry() == ToQRect(r)) return;
    if (!Ctx().painting) {
        widget_->setGeometry(ToQRect(r));
        return;
    }
    // Qt must not move a widget from inside its paint event.
    QPointer<QWidget> w = widget_;
    QTimer::singleShot(0, [w, r] {
        if (!w) return;
        w->setGeometry(ToQRect(r));
        w->update();
    });
}
void ChildHandle::SetVisible(bool v) {
    if (widget_) widget_->setVisible(v);
}
void ChildHandle::SetEnabled(bool e) {
    if (widget_) widget_->setEnabled(e);
}
void ChildHandle::Invalidate(const TRect& r) {
    if (widget_) widget_->update(ToQRect(r));
}
void ChildHandle::SetFocus() {
    if (widget_) widget_->setFocus();
}
void ChildHandle::BringToFront() {
    if (widget_) widget_->raise();
}

}  // namespace ui::qt
