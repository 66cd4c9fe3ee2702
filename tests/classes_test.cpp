#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/core/classes.h"
#include "ui/core/extctrls.h"

using namespace ui;

namespace {
class Recorder : public TComponent {
    UI_CLASS(Recorder, TComponent)
public:
    Recorder(TComponent* owner, std::vector<std::string>& log, std::string tag) : TComponent(owner), log_(log), tag_(std::move(tag)) {}
    ~Recorder() override { log_.push_back(tag_); }

private:
    std::vector<std::string>& log_;
    std::string tag_;
};
}  // namespace

TEST(Component, NamesAreUniquePerOwnerWithoutRegardToCase) {
    TComponent owner(nullptr);
    auto* a = new TComponent(&owner);
    a->SetName("Options1");
    auto* b = new TComponent(&owner);
    EXPECT_THROW(b->SetName("options1"), EComponentError);
    EXPECT_THROW(b->SetName("1abc"), EComponentError);
    b->SetName("Options2");
    EXPECT_EQ(owner.FindComponent("OPTIONS1"), a);
    EXPECT_EQ(owner.FindComponent("options2"), b);
    EXPECT_EQ(owner.FindComponent("Options3"), nullptr);
    TComponent other(nullptr);
    auto* c = new TComponent(&other);
    EXPECT_NO_THROW(c->SetName("Options1"));  // another owner's names do not count
}

TEST(Component, OwnerDestroysItsComponentsInReverseOrderOfCreation) {
    std::vector<std::string> log;
    auto* owner = new TComponent(nullptr);
    new Recorder(owner, log, "first");
    auto* second = new Recorder(owner, log, "second");
    new Recorder(owner, log, "third");
    second->Free();
    EXPECT_EQ(owner->ComponentCount(), 2);
    owner->Free();
    EXPECT_EQ(log, (std::vector<std::string>{"second", "third", "first"}));
}

TEST(Component, ClassIdentityIsByExactName) {
    TCustomPanel panel(nullptr);
    EXPECT_EQ(panel.ClassName(), "TCustomPanel");
    EXPECT_TRUE(panel.ClassNameIs("TCustomPanel"));
    EXPECT_FALSE(panel.ClassNameIs("TWinControl"));
    EXPECT_TRUE(panel.InheritsFrom("TWinControl"));
    EXPECT_TRUE(panel.InheritsFrom("TComponent"));
    EXPECT_FALSE(panel.InheritsFrom("TPanel"));
    EXPECT_EQ(As<TPanel>(&panel), nullptr);
}

TEST(Strings, TextUsesCrLfAndSplitsAnyLineBreak) {
    TStrings s;
    s.SetText("a\r\nb\nc\r\rd");
    EXPECT_EQ(s.Lines(), (std::vector<std::string>{"a", "b", "c", "", "d"}));
    s.SetLines({"x", ""});
    EXPECT_EQ(s.Text(), "x\r\n\r\n");
}

TEST(Event, AHandlerMayClearTheEventItRunsFrom) {
    TNotifyEvent event;
    int calls = 0;
    event = TNotifyEvent([&](TObject*) { ++calls; event.Clear(); }, nullptr);
    event(nullptr);
    EXPECT_EQ(calls, 1);
    EXPECT_FALSE(event.Assigned());
}
