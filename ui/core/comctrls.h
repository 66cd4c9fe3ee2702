// Status bars, tab controls with pages, and the rich-text view.
#pragma once

#include <string>
#include <vector>

#include "ui/core/stdctrls.h"

namespace ui {

struct TStatusPanel {
    std::string Text;
    int Width = 50;
    bool Bevel = true;
};

class TStatusBar : public TNativeControl {
    UI_CLASS(TStatusBar, TNativeControl)
public:
    explicit TStatusBar(TComponent* owner);
    int PanelCount() const { return static_cast<int>(panels_.size()); }
    const TStatusPanel& Panel(int i) const { return panels_.at(static_cast<size_t>(i)); }
    TStatusPanel& AddPanel();
    void SetPanelText(int i, const std::string& text);

private:
    std::vector<TStatusPanel> panels_;
};

// A page of a TPageControl: a plain container whose caption is its tab's text.
class TTabSheet : public TCustomControl {
    UI_CLASS(TTabSheet, TCustomControl)
public:
    explicit TTabSheet(TComponent* owner);
    void SetParent(TWinControl* parent) override;
    void SetCaption(const std::string& text) override;
};

class TPageControl : public TNativeControl {
    UI_CLASS(TPageControl, TNativeControl)
public:
    explicit TPageControl(TComponent* owner);
    // Pages in tab order: the TTabSheet children.
    std::vector<TTabSheet*> Pages() const;
    TTabSheet* ActivePage() const { return active_; }
    void SetActivePage(TTabSheet* page);
    // Where pages stand, inside the tabs and the border (client coordinates).
    TRect DisplayRect() const;
    void Loaded() override;

    static constexpr int kTabHeight = 20;
    static constexpr int kBorder = 4;

protected:
    void Resized(int oldClientWidth, int oldClientHeight) override;

private:
    friend class TTabSheet;
    void PagesChanged();
    TTabSheet* active_ = nullptr;
};

// One run of text in the rich-text document, with its character formatting.
struct TRichRun {
    std::string Text;
    std::string FontName;
    int HalfPoints = 24;
    bool Bold = false;
    TColor Color = clBlack;
};
using TRichParagraph = std::vector<TRichRun>;
struct TRichDocument {
    std::vector<TRichParagraph> Paragraphs;
    std::string PlainText() const;  // paragraphs joined by CR LF
};

class TRichEdit : public TNativeControl {
    UI_CLASS(TRichEdit, TNativeControl)
public:
    explicit TRichEdit(TComponent* owner);
    const TRichDocument& Document() const { return document_; }
    void SetDocument(TRichDocument document);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool on) { readOnly_ = on; ContentChanged(); }
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle s) { scrollBars_ = s; ContentChanged(); }
    bool WantsReturn() const override { return true; }

private:
    TRichDocument document_;
    bool readOnly_ = false;
    TScrollStyle scrollBars_ = ssBoth;
};

}  // namespace ui
