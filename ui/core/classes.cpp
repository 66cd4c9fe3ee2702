#include "ui/core/classes.h"

#include <algorithm>
#include <cctype>

namespace ui {

bool TObject::InheritsFrom(std::string_view name) const {
    for (const TClassInfo* c = ClassInfo(); c; c = c->parent)
        if (name == c->name) return true;
    return false;
}

void TObject::Free() {
    BeforeDestruction();
    delete this;
}

bool SameText(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

static bool IsIdentStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }

bool IsValidIdent(std::string_view text) {
    if (text.empty() || !IsIdentStart(text[0])) return false;
    return std::all_of(text.begin() + 1, text.end(),
                       [](char c) { return IsIdentStart(c) || (c >= '0' && c <= '9'); });
}

TComponent::TComponent(TComponent* owner) : owner_(owner) {
    if (owner_) owner_->InsertComponent(this);
}

TComponent::~TComponent() {
    // Normally already empty (BeforeDestruction); a plain delete still must not leak.
    while (!components_.empty()) components_.back()->Free();
    if (owner_) owner_->RemoveComponent(this);
}

void TComponent::BeforeDestruction() {
    state_ |= static_cast<uint8_t>(TComponentStateFlag::Destroying);
    // Owned components go in reverse order of creation, while this object is still whole.
    while (!components_.empty()) components_.back()->Free();
}

void TComponent::RemoveComponent(TComponent* c) {
    components_.erase(std::remove(components_.begin(), components_.end(), c), components_.end());
}

void TComponent::SetName(const std::string& name) {
    if (name == name_) return;
    if (!name.empty() && !IsValidIdent(name))
        throw EComponentError("'" + name + "' is not a valid component name");
    if (!name.empty() && owner_) {
        TComponent* other = owner_->FindComponent(name);
        if (other && other != this) throw EComponentError("A component named " + name + " already exists");
    }
    name_ = name;
}

TComponent* TComponent::FindComponent(std::string_view name) const {
    if (name.empty()) return nullptr;
    for (TComponent* c : components_)
        if (SameText(c->Name(), name)) return c;
    return nullptr;
}

void TComponent::SetLoading(bool on) {
    if (on)
        state_ |= static_cast<uint8_t>(TComponentStateFlag::Loading);
    else
        state_ &= static_cast<uint8_t>(~static_cast<uint8_t>(TComponentStateFlag::Loading));
}

void TStrings::Put(int i, const std::string& s) {
    lines_.at(static_cast<size_t>(i)) = s;
    Changed();
}

void TStrings::Add(const std::string& s) {
    lines_.push_back(s);
    Changed();
}

void TStrings::Clear() {
    lines_.clear();
    Changed();
}

void TStrings::Assign(const TStrings& other) { SetLines(other.lines_); }

void TStrings::SetLines(std::vector<std::string> lines) {
    lines_ = std::move(lines);
    Changed();
}

std::string TStrings::Text() const {
    std::string text;
    for (const auto& l : lines_) text += l + "\r\n";
    return text;
}

void TStrings::SetText(std::string_view text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, end - start));
        start = end + ((text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1);
    }
    SetLines(std::move(lines));
}

}  // namespace ui
