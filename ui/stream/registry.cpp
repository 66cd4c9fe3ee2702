#include "ui/stream/registry.h"

#include "ui/core/resources.h"

namespace ui {

const ClassEntry* ClassRegistry::Find(const std::string& name) const {
    auto it = classes_.find(name);
    return it == classes_.end() ? nullptr : &it->second;
}

const PropertyInfo* ClassRegistry::FindProperty(const TComponent& c, const std::string& property) const {
    for (const TClassInfo* info = c.ClassInfo(); info; info = info->parent) {
        const ClassEntry* entry = Find(info->name);
        if (!entry) continue;
        for (const PropertyInfo& p : entry->properties)
            if (SameText(p.name, property)) return &p;
    }
    return nullptr;
}

void LoadContext::AddReference(int line, std::string target, std::string expectedClass,
                               std::function<void(TComponent*)> assign) {
    references_.push_back({line, std::move(target), std::move(expectedClass), std::move(assign)});
}

void LoadContext::AddHandler(int line, std::string handler, std::function<bool(const TPublished&, const std::string&)> bind) {
    handlers_.push_back({line, std::move(handler), std::move(bind)});
}

void LoadContext::Resolve() {
    for (const Reference& r : references_) {
        TComponent* target = SameText(r.target, root_.Name()) ? &root_ : root_.FindComponent(r.target);
        if (!target) throw EReadError(r.line, "no component named '" + r.target + "'");
        if (!target->InheritsFrom(r.expectedClass))
            throw EReadError(r.line, "'" + r.target + "' is a " + target->ClassName() + ", not a " + r.expectedClass);
        r.assign(target);
    }
    auto* published = dynamic_cast<TPublished*>(&root_);
    for (const Handler& h : handlers_)
        if (!published || !h.bind(*published, h.name))
            throw EReadError(h.line, "no handler named '" + h.name + "' of that kind in " + root_.ClassName());
}

bool TPublished::SetField(const std::string& name, TComponent* c) const {
    for (const auto& [key, set] : fields_)
        if (SameText(key, name)) return set(c);
    return true;
}

void PropertyError(const Value& v, const std::string& message) { throw EReadError(v.line, message); }

int64_t AsInteger(const Value& v) {
    if (v.kind != Value::Kind::Integer) PropertyError(v, "a number expected");
    return v.integer;
}

bool AsBoolean(const Value& v) {
    if (v.kind == Value::Kind::Ident) {
        if (SameText(v.text, "True")) return true;
        if (SameText(v.text, "False")) return false;
    }
    PropertyError(v, "True or False expected");
}

const std::string& AsString(const Value& v) {
    if (v.kind != Value::Kind::String) PropertyError(v, "a quoted string expected");
    return v.text;
}

TColor ParseColor(const Value& v) {
    if (v.kind == Value::Kind::Integer) return static_cast<TColor>(v.integer);
    static const std::vector<std::pair<std::string, TColor>> names = {
        {"clBlack", clBlack}, {"clWhite", clWhite}, {"clRed", clRed}, {"clBlue", clBlue}, {"clYellow", clYellow},
        {"clFuchsia", clFuchsia}, {"clBtnFace", clBtnFace}, {"clWindow", clWindow}, {"clWindowText", clWindowText},
        {"clNone", clNone}};
    if (v.kind == Value::Kind::Ident)
        for (const auto& [name, c] : names)
            if (SameText(name, v.text)) return c;
    PropertyError(v, "a colour expected");
}

void LoadPicture(const Value& v, TPicture& into) {
    const std::string& name = AsString(v);
    auto data = FindResource(name);
    if (!data) PropertyError(v, "no embedded picture named '" + name + "'");
    try {
        into.LoadFromBytes(*data);
    } catch (const EInvalidGraphic& e) {
        PropertyError(v, "picture '" + name + "': " + e.what());
    }
}

}  // namespace ui
