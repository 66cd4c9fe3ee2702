#include "ui/core/menus.h"

#include <algorithm>

namespace ui {

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner) {}

TMenuItem::~TMenuItem() {
    for (TMenuItem* child : items_) child->parent_ = nullptr;
    if (parent_) parent_->Remove(this);
}

void TMenuItem::SetCaption(const std::string& c) {
    if (c == caption_) return;
    caption_ = c;
    Changed();
}

void TMenuItem::SetChecked(bool on) {
    if (on == checked_) return;
    checked_ = on;
    Changed();
}

void TMenuItem::SetEnabled(bool on) {
    if (on == enabled_) return;
    enabled_ = on;
    Changed();
}

void TMenuItem::SetVisible(bool on) {
    if (on == visible_) return;
    visible_ = on;
    Changed();
}

void TMenuItem::Click() {
    if (OnClick.Assigned()) OnClick(this);
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
    auto it = std::find(items_.begin(), items_.end(), item);
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

void TMenuItem::Insert(int index, TMenuItem* item) {
    if (item->parent_) item->parent_->Remove(item);
    index = std::clamp(index, 0, Count());
    items_.insert(items_.begin() + index, item);
    item->parent_ = this;
    Changed();
}

void TMenuItem::Remove(TMenuItem* item) {
    auto it = std::find(items_.begin(), items_.end(), item);
    if (it == items_.end()) return;
    items_.erase(it);
    item->parent_ = nullptr;
    Changed();
}

void TMenuItem::Changed() {
    const TMenuItem* root = this;
    while (root->parent_) root = root->parent_;
    if (root->menu_ && root->menu_->OnChange) root->menu_->OnChange();
}

TMainMenu::TMainMenu(TComponent* owner) : TComponent(owner), root_(std::make_unique<TMenuItem>(nullptr)) {
    root_->menu_ = this;
}

TMainMenu::~TMainMenu() {
    root_->menu_ = nullptr;
    OnChange = nullptr;
}

}  // namespace ui
