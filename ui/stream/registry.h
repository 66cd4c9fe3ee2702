// The class registry: which classes a description may create and which properties each publishes.
// Classes are registered explicitly by the units that define them; nothing registers itself at start-up.
#pragma once

#include <any>
#include <cstdint>
#include <functional>
#include <map>
#include <type_traits>
#include <string>
#include <utility>
#include <vector>

#include "ui/core/classes.h"
#include "ui/core/graphics.h"
#include "ui/stream/lexer.h"

namespace ui {

struct Value {
    enum class Kind { Integer, String, Ident, Set, List } kind = Kind::Integer;
    int64_t integer = 0;
    std::string text;                // String or Ident
    std::vector<std::string> items;  // Set members or List strings
    int line = 0;
};

class LoadContext;

struct PropertyInfo {
    std::string name;
    std::function<void(TComponent& target, const Value& v, LoadContext& ctx)> apply;
};

struct ClassEntry {
    std::string name;
    std::function<TComponent*(TComponent* owner)> create;  // empty for classes a description cannot create
    std::vector<PropertyInfo> properties;
};

class ClassRegistry {
public:
    void Add(ClassEntry entry) { classes_[entry.name] = std::move(entry); }
    const ClassEntry* Find(const std::string& name) const;
    // Looks along the class's base chain.
    const PropertyInfo* FindProperty(const TComponent& c, const std::string& property) const;

private:
    std::map<std::string, ClassEntry> classes_;
};

// Collects what can only be resolved once the whole description is read.
class LoadContext {
public:
    explicit LoadContext(TComponent& root) : root_(root) {}
    TComponent& Root() const { return root_; }
    void AddReference(int line, std::string target, std::string expectedClass,
                      std::function<void(TComponent*)> assign);
    // `bind` looks the handler up in the root's published methods and assigns it; false when there is none
    // of that name and kind.
    void AddHandler(int line, std::string handler, std::function<bool(const class TPublished&, const std::string&)> bind);
    // Resolves references and handlers; throws EReadError naming the line of the first that fails.
    void Resolve();

private:
    struct Reference {
        int line;
        std::string target, expectedClass;
        std::function<void(TComponent*)> assign;
    };
    struct Handler {
        int line;
        std::string name;
        std::function<bool(const TPublished&, const std::string&)> bind;
    };
    TComponent& root_;
    std::vector<Reference> references_;
    std::vector<Handler> handlers_;
};

// Methods and fields a root window publishes to its description, by name.
class TPublished {
public:
    virtual ~TPublished() = default;
    template <class Sig> void PublishMethod(const std::string& name, std::function<Sig> method, TObject* self) {
        methods_[name] = TEvent<Sig>(std::move(method), self);
    }
    void PublishMethod(const std::string& name, std::function<void(TObject*)> method, TObject* self) {
        PublishMethod<void(TObject*)>(name, std::move(method), self);
    }
    // The method of that name (compared without case) when it is of the event type Event.
    template <class Event> const Event* FindMethod(const std::string& name) const {
        for (const auto& [key, m] : methods_)
            if (SameText(key, name)) return std::any_cast<Event>(&m);
        return nullptr;
    }
    template <class T> void PublishField(const std::string& name, T*& field) {
        fields_[name] = [&field](TComponent* c) {
            field = As<T>(c);
            return field != nullptr;
        };
    }
    // Stores a created component in the field of its name; false when the field has another type.
    bool SetField(const std::string& name, TComponent* c) const;

private:
    std::map<std::string, std::any> methods_;
    std::map<std::string, std::function<bool(TComponent*)>> fields_;
};

// ---- typed property helpers

[[noreturn]] void PropertyError(const Value& v, const std::string& message);
int64_t AsInteger(const Value& v);
bool AsBoolean(const Value& v);
const std::string& AsString(const Value& v);

template <class T> PropertyInfo Prop(std::string name, std::function<void(T&, const Value&, LoadContext&)> apply) {
    return {std::move(name), [apply](TComponent& c, const Value& v, LoadContext& ctx) { apply(static_cast<T&>(c), v, ctx); }};
}
template <class T> PropertyInfo IntegerProp(std::string name, std::function<void(T&, int)> set) {
    return Prop<T>(std::move(name), [set](T& c, const Value& v, LoadContext&) { set(c, static_cast<int>(AsInteger(v))); });
}
template <class T> PropertyInfo BoolProp(std::string name, std::function<void(T&, bool)> set) {
    return Prop<T>(std::move(name), [set](T& c, const Value& v, LoadContext&) { set(c, AsBoolean(v)); });
}
template <class T> PropertyInfo StringProp(std::string name, std::function<void(T&, const std::string&)> set) {
    return Prop<T>(std::move(name), [set](T& c, const Value& v, LoadContext&) { set(c, AsString(v)); });
}
template <class T> PropertyInfo StringsProp(std::string name, std::function<void(T&, const std::vector<std::string>&)> set) {
    return Prop<T>(std::move(name), [set](T& c, const Value& v, LoadContext&) {
        if (v.kind != Value::Kind::List) PropertyError(v, "a list of strings in ( ) expected");
        set(c, v.items);
    });
}
template <class T, class E>
PropertyInfo EnumProp(std::string name, std::vector<std::pair<std::string, E>> values, std::function<void(T&, E)> set) {
    return Prop<T>(std::move(name), [values, set](T& c, const Value& v, LoadContext&) {
        if (v.kind == Value::Kind::Ident)
            for (const auto& [id, e] : values)
                if (SameText(id, v.text)) return set(c, e);
        PropertyError(v, "unknown value '" + (v.kind == Value::Kind::Ident ? v.text : std::string("?")) + "'");
    });
}
template <class T>
PropertyInfo SetProp(std::string name, std::vector<std::pair<std::string, uint32_t>> members, std::function<void(T&, uint32_t)> set) {
    return Prop<T>(std::move(name), [members, set](T& c, const Value& v, LoadContext&) {
        if (v.kind != Value::Kind::Set) PropertyError(v, "a set in [ ] expected");
        uint32_t bits = 0;
        for (const std::string& item : v.items) {
            bool found = false;
            for (const auto& [id, bit] : members)
                if (SameText(id, item)) {
                    bits |= bit;
                    found = true;
                }
            if (!found) PropertyError(v, "unknown set member '" + item + "'");
        }
        set(c, bits);
    });
}
template <class T> PropertyInfo ColorProp(std::string name, std::function<void(T&, TColor)> set);
template <class T, class Target> PropertyInfo ReferenceProp(std::string name, std::function<void(T&, Target*)> set) {
    return Prop<T>(std::move(name), [set](T& c, const Value& v, LoadContext& ctx) {
        if (v.kind != Value::Kind::Ident) PropertyError(v, "a component name expected");
        T* self = &c;
        ctx.AddReference(v.line, v.text, Target::StaticClass()->name,
                         [self, set](TComponent* target) { set(*self, static_cast<Target*>(target)); });
    });
}
template <class T, class Event = TNotifyEvent>
PropertyInfo EventProp(std::string name, std::type_identity_t<std::function<void(T&, const Event&)>> set) {
    return Prop<T>(std::move(name), [set](T& c, const Value& v, LoadContext& ctx) {
        if (v.kind != Value::Kind::Ident) PropertyError(v, "a handler name expected");
        T* self = &c;
        ctx.AddHandler(v.line, v.text, [self, set](const TPublished& published, const std::string& handler) {
            const Event* method = published.template FindMethod<Event>(handler);
            if (method) set(*self, *method);
            return method != nullptr;
        });
    });
}

TColor ParseColor(const Value& v);
template <class T> PropertyInfo ColorProp(std::string name, std::function<void(T&, TColor)> set) {
    return Prop<T>(std::move(name), [set](T& c, const Value& v, LoadContext&) { set(c, ParseColor(v)); });
}
// An embedded picture, by resource name.
void LoadPicture(const Value& v, TPicture& into);

}  // namespace ui
