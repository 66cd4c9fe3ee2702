// The main menu model: top-level groups and their entries.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/core/classes.h"

namespace ui {

class TMainMenu;

class TMenuItem : public TComponent {
    UI_CLASS(TMenuItem, TComponent)
public:
    explicit TMenuItem(TComponent* owner);
    ~TMenuItem() override;

    // Read back exactly as set; the menu never adds or removes accelerator marks.
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& c);
    bool Checked() const { return checked_; }
    void SetChecked(bool on);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool on);
    bool Visible() const { return visible_; }
    void SetVisible(bool on);
    TNotifyEvent OnClick;
    virtual void Click();

    int Count() const { return static_cast<int>(items_.size()); }
    TMenuItem* Items(int i) const { return items_.at(static_cast<size_t>(i)); }
    int IndexOf(const TMenuItem* item) const;
    TMenuItem* ParentItem() const { return parent_; }
    void Add(TMenuItem* item) { Insert(Count(), item); }
    void Insert(int index, TMenuItem* item);
    void Remove(TMenuItem* item);

private:
    friend class TMainMenu;
    void Changed();

    std::string caption_;
    bool checked_ = false, enabled_ = true, visible_ = true;
    std::vector<TMenuItem*> items_;
    TMenuItem* parent_ = nullptr;
    TMainMenu* menu_ = nullptr;  // set on the root item only
};

class TMainMenu : public TComponent {
    UI_CLASS(TMainMenu, TComponent)
public:
    explicit TMainMenu(TComponent* owner);
    ~TMainMenu() override;
    // The invisible root whose sub-items are the top-level groups.
    TMenuItem* Items() const { return root_.get(); }
    // Told about every change of structure, caption, check mark or state.
    std::function<void()> OnChange;

private:
    friend class TMenuItem;
    std::unique_ptr<TMenuItem> root_;
};

}  // namespace ui
