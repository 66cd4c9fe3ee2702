// Objects, components, string lists and event references: the base of the component layer.
#pragma once

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

// Run-time class identity by exact name, independent of C++ typeid names.
struct TClassInfo {
    const char* name;
    const TClassInfo* parent;
};

#define UI_CLASS(Cls, Base)                                                                  \
public:                                                                                      \
    static const ::ui::TClassInfo* StaticClass() {                                           \
        static const ::ui::TClassInfo info{#Cls, Base::StaticClass()};                        \
        return &info;                                                                        \
    }                                                                                        \
    const ::ui::TClassInfo* ClassInfo() const override { return StaticClass(); }

class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
    std::string Message() const { return what(); }
};

class EOutOfResources : public Exception {
public:
    using Exception::Exception;
};

class EComponentError : public Exception {
public:
    using Exception::Exception;
};

class TObject {
public:
    virtual ~TObject() = default;
    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;

    static const TClassInfo* StaticClass() {
        static const TClassInfo info{"TObject", nullptr};
        return &info;
    }
    virtual const TClassInfo* ClassInfo() const { return StaticClass(); }
    std::string ClassName() const { return ClassInfo()->name; }
    bool ClassNameIs(std::string_view name) const { return name == ClassInfo()->name; }
    bool InheritsFrom(std::string_view name) const;
    template <class T> bool InheritsFrom() const { return InheritsFrom(T::StaticClass()->name); }

    // Destroys the object after giving it the chance to tear down what it owns while it is whole.
    void Free();

protected:
    virtual void BeforeDestruction() {}
};

// Safe downcast by class identity (nullptr when obj is not a T).
template <class T> T* As(TObject* obj) {
    return obj && obj->InheritsFrom<T>() ? static_cast<T*>(obj) : nullptr;
}

// An event reference: a callable together with the object it belongs to, so "unassigned" is testable.
template <class Sig> class TEvent;
template <class R, class... A> class TEvent<R(A...)> {
public:
    TEvent() = default;
    TEvent(std::function<R(A...)> code, TObject* data) : code_(std::move(code)), data_(data) {}
    bool Assigned() const { return static_cast<bool>(code_); }
    TObject* Data() const { return data_; }
    // Calls a copy, so that a handler may reassign or clear the event it runs from.
    R operator()(A... args) const {
        auto code = code_;
        return code(std::forward<A>(args)...);
    }
    void Clear() { code_ = nullptr; data_ = nullptr; }

private:
    std::function<R(A...)> code_;
    TObject* data_ = nullptr;
};

using TNotifyEvent = TEvent<void(TObject* sender)>;

class TPersistent : public TObject {
    UI_CLASS(TPersistent, TObject)
};

enum class TComponentStateFlag : uint8_t { Loading = 1, Destroying = 2 };

class TComponent : public TPersistent {
    UI_CLASS(TComponent, TPersistent)
public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;

    TComponent* Owner() const { return owner_; }
    const std::string& Name() const { return name_; }
    // Names are unique among the owner's components, compared without regard to case.
    virtual void SetName(const std::string& name);
    intptr_t Tag() const { return tag_; }
    void SetTag(intptr_t tag) { tag_ = tag; }

    int ComponentCount() const { return static_cast<int>(components_.size()); }
    TComponent* Components(int index) const { return components_.at(static_cast<size_t>(index)); }
    TComponent* FindComponent(std::string_view name) const;

    bool Loading() const { return state_ & static_cast<uint8_t>(TComponentStateFlag::Loading); }
    bool Destroying() const { return state_ & static_cast<uint8_t>(TComponentStateFlag::Destroying); }
    void SetLoading(bool on);
    // Runs once the description that created the component has been read completely.
    virtual void Loaded() {}

protected:
    void BeforeDestruction() override;

private:
    void InsertComponent(TComponent* c) { components_.push_back(c); }
    void RemoveComponent(TComponent* c);

    TComponent* owner_ = nullptr;
    std::vector<TComponent*> components_;
    std::string name_;
    intptr_t tag_ = 0;
    uint8_t state_ = 0;
};

bool IsValidIdent(std::string_view text);
bool SameText(std::string_view a, std::string_view b);

// A list of strings with the platform's Text convention (lines joined by CR LF).
class TStrings : public TPersistent {
    UI_CLASS(TStrings, TPersistent)
public:
    int Count() const { return static_cast<int>(lines_.size()); }
    const std::string& operator[](int i) const { return lines_.at(static_cast<size_t>(i)); }
    void Put(int i, const std::string& s);
    void Add(const std::string& s);
    void Clear();
    void Assign(const TStrings& other);
    void SetLines(std::vector<std::string> lines);
    const std::vector<std::string>& Lines() const { return lines_; }
    std::string Text() const;
    void SetText(std::string_view text);
    std::function<void()> OnChange;

private:
    void Changed() {
        if (OnChange) OnChange();
    }
    std::vector<std::string> lines_;
};

}  // namespace ui
