#include "ui/ws/qt6/qtwidgetset.h"

#include <QApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QMouseEvent>
#include <QScreen>
#include <QStyleFactory>
#include <QTimer>
#include <cstdlib>

#include "ui/ws/qt6/qtmessagebox.h"
#include "ui/ws/qt6/qtnative.h"
#include "ui/ws/qt6/qttext.h"
#include "ui/ws/qt6/qtwindows.h"

namespace ui::qt {

Context& Ctx() {
    static Context context;
    return context;
}

FrameMetrics EstimatedFrame(TBorderStyle style) {
    if (style == bsNone) return {};
    return {1, 20, 1, 5};
}

TForm* FormAt(QPoint global) {
    if (QWidget* w = QApplication::topLevelAt(global))
        if (auto* fw = dynamic_cast<FormWindow*>(w)) return &fw->Form();
    // Over a window frame: the frame belongs to its window.
    for (TForm* f : Application()->Screen().StackingOrder())
        if (f->BoundsRect().Contains(ToPoint(global))) return f;
    return nullptr;
}

void ReportCursor(QPoint global) {
    TApplication* app = Application();
    if (!app) return;
    Ctx().events->MouseMove(ToPoint(global), FormAt(global));
    // Over a frame or outside our windows no widget reports moves, so keep looking while the core
    // still has a control under the mouse.
    static QTimer* poll = nullptr;
    if (!poll) {
        poll = new QTimer(qApp);
        poll->setInterval(40);
        QObject::connect(poll, &QTimer::timeout, [] {
            const QPoint p = QCursor::pos();
            QWidget* w = QApplication::widgetAt(p);
            if (!Application() || !Application()->MouseControl() || (w && dynamic_cast<PaintedWidget*>(w))) {
                poll->stop();
                return;
            }
            Ctx().events->MouseMove(ToPoint(p), FormAt(p));
        });
    }
    if (app->MouseControl() && !dynamic_cast<PaintedWidget*>(QApplication::widgetAt(global))) poll->start();
}

namespace {

constexpr const char* kTahoma = "/usr/share/wine/fonts/tahoma.ttf";

// The window manager handles a click after the program has seen it; ask until the window is active.
void InsistOnActivation(QPointer<QWidget> w, int tries) {
    QTimer::singleShot(tries == 5 ? 0 : 100, [w, tries] {
        if (!w || !w->isVisible() || w->isActiveWindow() || tries == 0) return;
        w->activateWindow();
        InsistOnActivation(w, tries - 1);
    });
}

// Sees every mouse move over any of our widgets (painted or native), and the user's focus changes.
class InputFilter : public QObject {
public:
    bool eventFilter(QObject* object, QEvent* event) override {
        switch (event->type()) {
            case QEvent::MouseMove: {
                const QPoint g = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
                if (g != last_) {
                    last_ = g;
                    Ctx().events->MouseMove(ToPoint(g), FormAt(g));
                }
                break;
            }
            case QEvent::MouseButtonRelease:
                if (QWidget* w = Ctx().activateAfterClick) {
                    Ctx().activateAfterClick = nullptr;
                    InsistOnActivation(w, 5);
                }
                break;
            case QEvent::Enter:
            case QEvent::Leave:
                // Qt tells a widget it was left before the next one that it was entered: look once settled.
                if (object->isWidgetType()) QTimer::singleShot(0, [] { ReportCursor(QCursor::pos()); });
                break;
            default: break;
        }
        return false;
    }

private:
    QPoint last_{-1, -1};
};

class QtWidgetSet : public WidgetSet {
public:
    QtWidgetSet(int& argc, char** argv) {
        // Popups place themselves in screen coordinates, which only X11 allows; Wayland sessions use XWayland.
        if (std::getenv("WAYLAND_DISPLAY") && !std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "xcb", 1);
        app_ = std::make_unique<QApplication>(argc, argv);
        QApplication::setStyle(QStyleFactory::create("Fusion"));
        // Debian's free Tahoma lives outside the font path; its bold face draws no heavier than the regular
        // one, so bold is made from the regular face. Other families fall back to the closest sans.
        if (QFile::exists(kTahoma)) QFontDatabase::addApplicationFont(kTahoma);
        QFont font("Tahoma");
        font.setPixelSize(11);
        QApplication::setFont(font);
        QApplication::setQuitOnLastWindowClosed(false);
        app_->installEventFilter(&filter_);
        QObject::connect(app_.get(), &QApplication::focusChanged, [](QWidget*, QWidget* now) {
            if (TWinControl* c = ControlOf(now); c && Ctx().events) Ctx().events->ControlFocused(*c);
        });
        clock_.start();
        wake_ = std::make_unique<QTimer>();
        wake_->setSingleShot(true);
    }
    ~QtWidgetSet() override {
        Ctx().events = nullptr;
        wake_.reset();
    }

    void Attach(WidgetSetEvents* events) override {
        WidgetSet::Attach(events);
        Ctx().events = events;
    }

    std::unique_ptr<WindowHandle> CreateHandle(TWinControl& control) override {
        if (auto* form = As<TForm>(&control)) return std::make_unique<FormHandle>(*form);
        QWidget* parent = ClientWidgetOf(control.Parent());
        if (auto native = CreateNativeHandle(control, parent)) return native;
        return std::make_unique<PaintedHandle>(control, parent);
    }
    TPoint CursorPos() override { return ToPoint(QCursor::pos()); }
    TPoint ScreenSize() override {
        const QRect r = QGuiApplication::primaryScreen()->geometry();
        return {r.width(), r.height()};
    }
    FrameMetrics DefaultFrame(const TForm& form) override {
        FrameMetrics f = EstimatedFrame(form.BorderStyle());
        if (form.Menu() && form.Menu()->Items()->Count() > 0) f.top += 20;
        return f;
    }
    int MessageBox(const std::string& text, const std::string& caption, unsigned flags) override {
        return ShowMessageBox(text, caption, flags);
    }
    TextService* Text() override { return &text_; }
    int64_t NowMs() override { return clock_.elapsed(); }
    void ProcessEvents() override { QCoreApplication::processEvents(QEventLoop::AllEvents); }
    void WaitForEvents(int64_t wakeAtMs) override {
        if (wakeAtMs >= 0) wake_->start(static_cast<int>(std::max<int64_t>(0, wakeAtMs - NowMs())));
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents | QEventLoop::AllEvents);
    }

private:
    std::unique_ptr<QApplication> app_;
    QElapsedTimer clock_;
    std::unique_ptr<QTimer> wake_;  // wakes the loop when the next timer is due
    QtTextService text_;
    InputFilter filter_;
};

}  // namespace
}  // namespace ui::qt

namespace ui {

std::unique_ptr<WidgetSet> CreateQtWidgetSet(int& argc, char** argv) {
    return std::make_unique<qt::QtWidgetSet>(argc, argv);
}

}  // namespace ui
