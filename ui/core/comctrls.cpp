#include "ui/core/comctrls.h"

#include <algorithm>

namespace ui {

TStatusBar::TStatusBar(TComponent* owner) : TNativeControl(owner) {
    SetBoundsQuiet(0, 0, 185, 19);
    SetAlign(alBottom);
}

TStatusPanel& TStatusBar::AddPanel() {
    panels_.emplace_back();
    ContentChanged();
    return panels_.back();
}

void TStatusBar::SetPanelText(int i, const std::string& text) {
    panels_.at(static_cast<size_t>(i)).Text = text;
    ContentChanged();
}

TTabSheet::TTabSheet(TComponent* owner) : TCustomControl(owner) {
    SetBoundsQuiet(0, 0, 100, 100);
    SetControlStyle(ControlStyle() | csAcceptsControls);
    TCustomControl::SetVisible(false);
}

void TTabSheet::SetParent(TWinControl* parent) {
    auto* old = As<TPageControl>(Parent());
    TCustomControl::SetParent(parent);
    if (old) old->PagesChanged();
    if (auto* pc = As<TPageControl>(parent)) {
        const TRect r = pc->DisplayRect();
        SetBounds(r.left, r.top, r.Width(), r.Height());
        pc->PagesChanged();
    }
}

void TTabSheet::SetCaption(const std::string& text) {
    TCustomControl::SetCaption(text);
    if (auto* pc = As<TPageControl>(Parent())) pc->PagesChanged();
}

TPageControl::TPageControl(TComponent* owner) : TNativeControl(owner) {
    SetBoundsQuiet(0, 0, 289, 193);
    SetTabStop(true);
}

std::vector<TTabSheet*> TPageControl::Pages() const {
    std::vector<TTabSheet*> pages;
    for (int i = 0; i < ControlCount(); ++i)
        if (auto* sheet = As<TTabSheet>(Controls(i))) pages.push_back(sheet);
    return pages;
}

TRect TPageControl::DisplayRect() const {
    return {kBorder, kTabHeight + kBorder, std::max(kBorder, Width() - kBorder), std::max(kTabHeight + kBorder, Height() - kBorder)};
}

void TPageControl::SetActivePage(TTabSheet* page) {
    if (page && page->Parent() != this) return;
    active_ = page;
    for (TTabSheet* p : Pages()) p->SetVisible(p == active_);
    ContentChanged();
}

void TPageControl::PagesChanged() {
    const auto pages = Pages();
    if (std::find(pages.begin(), pages.end(), active_) == pages.end()) active_ = nullptr;
    if (!active_ && !pages.empty() && !Loading()) active_ = pages.front();
    for (TTabSheet* p : pages) p->SetVisible(p == active_);
    ContentChanged();
}

void TPageControl::Loaded() {
    TNativeControl::Loaded();
    PagesChanged();
}

void TPageControl::Resized(int oldClientWidth, int oldClientHeight) {
    TNativeControl::Resized(oldClientWidth, oldClientHeight);
    const TRect r = DisplayRect();
    for (TTabSheet* p : Pages()) p->SetBounds(r.left, r.top, r.Width(), r.Height());
}

std::string TRichDocument::PlainText() const {
    std::string text;
    for (size_t i = 0; i < Paragraphs.size(); ++i) {
        if (i) text += "\r\n";
        for (const TRichRun& run : Paragraphs[i]) text += run.Text;
    }
    return text;
}

TRichEdit::TRichEdit(TComponent* owner) : TNativeControl(owner) {
    SetBoundsQuiet(0, 0, 185, 89);
    SetTabStop(true);
    SetColor(clWindow);
}

void TRichEdit::SetDocument(TRichDocument document) {
    document_ = std::move(document);
    ContentChanged();
}

}  // namespace ui
