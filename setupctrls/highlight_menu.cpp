// The highlight's entry in the main menu, under the group of its kind, and Previous / Next.
#include "setupctrls/highlight.h"

namespace setupctrls {

namespace {

// The prefix plus the smallest number from 1 that the owner does not use yet (compared without case).
std::string FreeName(TComponent* owner, const std::string& prefix) {
    for (int n = 1;; ++n) {
        std::string name = prefix + std::to_string(n);
        if (!owner || !owner->FindComponent(name)) return name;
    }
}

// The groups that a new group of each kind is placed in front of.
const std::vector<std::string>& InFrontOf(THighlightType t) {
    static const std::vector<std::string> settings{"&Calibration", "&Options", "&Help"};
    static const std::vector<std::string> calibration{"&Options", "&Help"};
    static const std::vector<std::string> options{"&Help"};
    return t == htSettings ? settings : t == htCalibration ? calibration : options;
}

}  // namespace

TMenuItem* TBoardHighlight::FindEntry(int* index, int* count) const {
    if (!FMenu) return nullptr;
    const std::string group = KindOf(highlightType_).group;
    TMenuItem* top = FMenu->Items();
    for (int g = 0; g < top->Count(); ++g) {
        TMenuItem* item = top->Items(g);
        if (item->Caption() != group) continue;
        for (int e = 0; e < item->Count(); ++e)
            if (item->Items(e)->Caption() == title_) {
                if (index) *index = e;
                if (count) *count = item->Count();
                return item->Items(e);
            }
    }
    return nullptr;
}

void TBoardHighlight::RegisterInMenu() {
    if (!FMenu) return;
    const THighlightKind& kind = KindOf(highlightType_);
    TComponent* owner = FMenu->Owner();
    TMenuItem* top = FMenu->Items();
    auto createEntry = [&](TMenuItem* group) {
        auto* entry = new TMenuItem(owner);
        // A Title without letters gives no identifier; the entry is then named after its group.
        entry->SetName(FreeName(owner, FIdentName.empty() ? std::string(kind.groupPrefix) + "Item" : FIdentName));
        entry->SetCaption(title_);
        entry->OnClick = TNotifyEvent([this](TObject* s) { MenuClick(s); }, this);
        group->Add(entry);
    };
    const int n = top->Count();
    for (int i = 0; i < n; ++i) {
        TMenuItem* group = top->Items(i);
        if (group->Caption() != kind.group) continue;
        for (int e = 0; e < group->Count(); ++e)
            if (group->Items(e)->Caption() == title_) return;  // this highlight or a twin is listed
        if (!title_.empty()) createEntry(group);
        return;
    }
    auto* group = new TMenuItem(owner);
    group->SetName(FreeName(owner, kind.groupPrefix));
    group->SetCaption(kind.group);
    int place = n;
    for (int i = 0; i < n && place == n; ++i)
        for (const std::string& caption : InFrontOf(highlightType_))
            if (top->Items(i)->Caption() == caption) place = i;
    top->Insert(place, group);
    if (!title_.empty()) createEntry(group);
}

void TBoardHighlight::CheckMenuEntry(bool value) {
    if (TMenuItem* entry = FindEntry()) entry->SetChecked(value);
}

void TBoardHighlight::MenuClick(TObject* sender) {
    if (sender && sender->ClassNameIs("TMenuItem") && static_cast<TMenuItem*>(sender)->Checked()) {
        // The entry is checked, so its popup is pinned: the click closes it.
        if (FPopup) {
            FPopup->Close();
            return;
        }
        ForEachTwin([sender](TBoardHighlight* twin) {
            if (twin->FPopup) twin->MenuClick(sender);
        });
        return;
    }
    // Like a visit of the mouse that pins the popup, without OnClick.
    Perform(CM_MOUSEENTER, 0, 0);
    PinPopup();
    Perform(CM_MOUSELEAVE, 0, 0);
}

void TBoardHighlight::PreviousClick(TObject*) { OpenNeighbour(-1); }
void TBoardHighlight::NextClick(TObject*) { OpenNeighbour(+1); }

void TBoardHighlight::OpenNeighbour(int step) {
    int index = 0, count = 0;
    TMenuItem* entry = FindEntry(&index, &count);
    if (!entry) return;  // not listed: nothing happens and the popup stays open
    TMenuItem* target = entry->ParentItem()->Items((index + step + count) % count);
    if (FPopup) FPopup->Close();
    // This highlight, not the entry, is the sender: the target opens even when it is checked.
    if (target->OnClick.Assigned()) target->OnClick(this);
}

}  // namespace setupctrls
