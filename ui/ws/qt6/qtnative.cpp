#include "ui/ws/qt6/qtnative.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSizeGrip>
#include <QTabBar>
#include <QTextEdit>

#include "ui/ws/qt6/qttext.h"

namespace ui::qt {

namespace {

QString Qs(const std::string& s) { return QString::fromStdString(s); }

Qt::ScrollBarPolicy Vertical(TScrollStyle s) {
    return s == ssVertical || s == ssBoth ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded;
}
Qt::ScrollBarPolicy Horizontal(TScrollStyle s) {
    return s == ssHorizontal || s == ssBoth ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff;
}

QColor ToQColor(TColor c) {
    c = ColorToRGB(c);
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

class ButtonHandle : public ChildHandle {
public:
    ButtonHandle(TButton& button, QWidget* parent) : ChildHandle(button, new QPushButton(parent)), button_(button) {
        auto* b = static_cast<QPushButton*>(widget_.data());
        b->setAutoDefault(false);
        b->setFont(ToQFont(button.Font()));
        QObject::connect(b, &QPushButton::clicked, [this] { Ctx().events->ControlClicked(button_); });
        ContentChanged();
    }
    void SetText(const std::string& s) override { static_cast<QPushButton*>(widget_.data())->setText(Qs(s)); }
    void ContentChanged() override { static_cast<QPushButton*>(widget_.data())->setDefault(button_.Default()); }

private:
    TButton& button_;
};

class MemoHandle : public ChildHandle {
public:
    MemoHandle(TMemo& memo, QWidget* parent) : ChildHandle(memo, new QPlainTextEdit(parent)), memo_(memo) {
        widget_->setFont(ToQFont(memo.Font()));
        ContentChanged();
    }
    void ContentChanged() override {
        auto* e = static_cast<QPlainTextEdit*>(widget_.data());
        QStringList lines;
        for (const std::string& l : memo_.Lines().Lines()) lines << Qs(l);
        const QString text = lines.join('\n');
        if (e->toPlainText() != text) e->setPlainText(text);
        e->setReadOnly(memo_.ReadOnly());
        e->setLineWrapMode(memo_.WordWrap() ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
        e->setVerticalScrollBarPolicy(Vertical(memo_.ScrollBars()));
        e->setHorizontalScrollBarPolicy(Horizontal(memo_.ScrollBars()));
    }

private:
    TMemo& memo_;
};

class RichEditHandle : public ChildHandle {
public:
    RichEditHandle(TRichEdit& rich, QWidget* parent) : ChildHandle(rich, new QTextEdit(parent)), rich_(rich) {
        ContentChanged();
    }
    void ContentChanged() override {
        auto* e = static_cast<QTextEdit*>(widget_.data());
        e->setHtml(DocumentToHtml(rich_.Document()));
        e->setReadOnly(rich_.ReadOnly());
        e->setVerticalScrollBarPolicy(Vertical(rich_.ScrollBars()));
        e->setHorizontalScrollBarPolicy(Horizontal(rich_.ScrollBars()));
        QPalette p = e->palette();
        p.setColor(QPalette::Base, ToQColor(rich_.Color()));
        e->setPalette(p);
    }

private:
    TRichEdit& rich_;
};

class StatusBarHandle : public ChildHandle {
public:
    StatusBarHandle(TStatusBar& bar, QWidget* parent) : ChildHandle(bar, new QFrame(parent)), bar_(bar) {
        auto* layout = new QHBoxLayout(widget_);
        layout->setContentsMargins(2, 1, 2, 1);
        layout->setSpacing(2);
        ContentChanged();
    }
    void ContentChanged() override {
        auto* layout = static_cast<QHBoxLayout*>(widget_->layout());
        while (QLayoutItem* item = layout->takeAt(0)) {
            delete item->widget();
            delete item;
        }
        for (int i = 0; i < bar_.PanelCount(); ++i) {
            const TStatusPanel& p = bar_.Panel(i);
            auto* label = new QLabel(Qs(p.Text), widget_);
            label->setFont(ToQFont(bar_.Font()));
            label->setFrameStyle(p.Bevel ? QFrame::Panel | QFrame::Sunken : QFrame::NoFrame);
            if (i + 1 < bar_.PanelCount()) label->setFixedWidth(p.Width);
            layout->addWidget(label, i + 1 == bar_.PanelCount() ? 1 : 0);
        }
        // As on the platform, a status bar at the bottom of a sizeable window carries a size grip.
        layout->addWidget(new QSizeGrip(widget_), 0, Qt::AlignBottom | Qt::AlignRight);
    }

private:
    TStatusBar& bar_;
};

class PageControlHandle : public ChildHandle {
public:
    PageControlHandle(TPageControl& pc, QWidget* parent) : ChildHandle(pc, new QWidget(parent)), pc_(pc) {
        pane_ = new QFrame(widget_);
        pane_->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
        tabs_ = new QTabBar(widget_);
        tabs_->setFont(ToQFont(pc.Font()));
        tabs_->setDrawBase(false);
        QObject::connect(tabs_, &QTabBar::currentChanged, [this](int index) {
            if (!updating_ && index >= 0) Ctx().events->PageChosen(pc_, index);
        });
        ContentChanged();
    }
    void SetBounds(const TRect& r) override {
        ChildHandle::SetBounds(r);
        Layout();
    }
    void ContentChanged() override {
        updating_ = true;
        while (tabs_->count() > 0) tabs_->removeTab(0);
        const auto pages = pc_.Pages();
        for (TTabSheet* page : pages) tabs_->addTab(Qs(page->Caption()));
        for (size_t i = 0; i < pages.size(); ++i)
            if (pages[i] == pc_.ActivePage()) tabs_->setCurrentIndex(static_cast<int>(i));
        updating_ = false;
        Layout();
    }

private:
    void Layout() {
        const int tabHeight = TPageControl::kTabHeight + 2;
        tabs_->setGeometry(2, 0, std::max(0, pc_.Width() - 4), tabHeight);
        pane_->setGeometry(0, tabHeight - 2, pc_.Width(), std::max(0, pc_.Height() - tabHeight + 2));
        pane_->lower();
        tabs_->raise();
    }
    TPageControl& pc_;
    QTabBar* tabs_;
    QFrame* pane_;
    bool updating_ = false;
};

}  // namespace

QString DocumentToHtml(const TRichDocument& document) {
    QString html = "<html><body style=\"margin:0\">";
    for (const TRichParagraph& paragraph : document.Paragraphs) {
        html += "<p style=\"margin:0\">";
        for (const TRichRun& run : paragraph) {
            html += QString("<span style=\"font-family:'%1'; font-size:%2pt; font-weight:%3; color:%4; white-space:pre-wrap\">%5</span>")
                        .arg(Qs(run.FontName).toHtmlEscaped())
                        .arg(run.HalfPoints / 2.0)
                        .arg(run.Bold ? 700 : 400)
                        .arg(ToQColor(run.Color).name())
                        .arg(Qs(run.Text).toHtmlEscaped());
        }
        if (paragraph.empty()) html += "&nbsp;";
        html += "</p>";
    }
    return html + "</body></html>";
}

std::unique_ptr<WindowHandle> CreateNativeHandle(TWinControl& control, QWidget* parent) {
    if (auto* b = As<TButton>(&control)) return std::make_unique<ButtonHandle>(*b, parent);
    if (auto* m = As<TMemo>(&control)) return std::make_unique<MemoHandle>(*m, parent);
    if (auto* r = As<TRichEdit>(&control)) return std::make_unique<RichEditHandle>(*r, parent);
    if (auto* s = As<TStatusBar>(&control)) return std::make_unique<StatusBarHandle>(*s, parent);
    if (auto* p = As<TPageControl>(&control)) return std::make_unique<PageControlHandle>(*p, parent);
    return nullptr;
}

}  // namespace ui::qt
