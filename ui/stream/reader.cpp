#include "ui/stream/reader.h"

#include "ui/core/controls.h"
#include "ui/core/menus.h"

namespace ui {

ClassRegistry& Classes() {
    static ClassRegistry registry;
    return registry;
}

namespace {

class Reader {
public:
    Reader(TComponent& root, std::string_view text, const ClassRegistry& registry)
        : root_(root), lexer_(text), registry_(registry), ctx_(root) {}

    void Read() {
        try {
            Expect("object");
            Token name = ExpectIdent("a component name");
            ExpectSymbol(":");
            Token cls = ExpectIdent("a class name");
            if (cls.text != root_.ClassName())
                throw EReadError(cls.line, "the description is of a " + cls.text + ", not of a " + root_.ClassName());
            SetName(root_, name);
            root_.SetLoading(true);
            ReadBody(root_);
            Token rest = lexer_.Next();
            if (rest.kind != Token::Kind::End) throw EReadError(rest.line, "text after the final 'end'");
            ctx_.Resolve();
        } catch (...) {
            for (auto it = created_.rbegin(); it != created_.rend(); ++it) (*it)->Free();
            root_.SetLoading(false);
            throw;
        }
        root_.SetLoading(false);
        for (TComponent* c : created_) c->SetLoading(false);
        for (TComponent* c : created_) c->Loaded();
        root_.Loaded();
    }

private:
    Token ExpectIdent(const char* what) {
        Token t = lexer_.Next();
        if (t.kind != Token::Kind::Ident) throw EReadError(t.line, std::string(what) + " expected");
        return t;
    }
    void Expect(const char* keyword) {
        Token t = lexer_.Next();
        if (t.kind != Token::Kind::Ident || !SameText(t.text, keyword))
            throw EReadError(t.line, std::string("'") + keyword + "' expected");
    }
    void ExpectSymbol(const char* symbol) {
        Token t = lexer_.Next();
        if (t.kind != Token::Kind::Symbol || t.text != symbol)
            throw EReadError(t.line, std::string("'") + symbol + "' expected");
    }
    void SetName(TComponent& c, const Token& name) {
        try {
            c.SetName(name.text);
        } catch (const EComponentError& e) {
            throw EReadError(name.line, e.what());
        }
    }

    void ReadBody(TComponent& object) {
        for (;;) {
            Token t = lexer_.Next();
            if (t.kind == Token::Kind::End) throw EReadError(t.line, "'end' expected before the end of the text");
            if (t.kind != Token::Kind::Ident) throw EReadError(t.line, "a property name, 'object' or 'end' expected");
            if (SameText(t.text, "end")) return;
            if (SameText(t.text, "object")) {
                ReadChild(object);
                continue;
            }
            ExpectSymbol("=");
            Value v = ReadValue();
            const PropertyInfo* p = registry_.FindProperty(object, t.text);
            if (!p) throw EReadError(t.line, object.ClassName() + " has no property '" + t.text + "'");
            p->apply(object, v, ctx_);
        }
    }

    Value ReadValue() {
        Token t = lexer_.Next();
        Value v;
        v.line = t.line;
        switch (t.kind) {
            case Token::Kind::Integer: v.kind = Value::Kind::Integer; v.integer = t.integer; return v;
            case Token::Kind::String: v.kind = Value::Kind::String; v.text = t.text; return v;
            case Token::Kind::Ident: v.kind = Value::Kind::Ident; v.text = t.text; return v;
            case Token::Kind::Symbol:
                if (t.text == "[") return ReadSet(v);
                if (t.text == "(") return ReadList(v);
                break;
            case Token::Kind::End: break;
        }
        throw EReadError(t.line, "a value expected");
    }

    Value ReadSet(Value v) {
        v.kind = Value::Kind::Set;
        if (lexer_.Peek().kind == Token::Kind::Symbol && lexer_.Peek().text == "]") {
            lexer_.Next();
            return v;
        }
        for (;;) {
            v.items.push_back(ExpectIdent("a set member").text);
            Token sep = lexer_.Next();
            if (sep.kind == Token::Kind::Symbol && sep.text == "]") return v;
            if (sep.kind != Token::Kind::Symbol || sep.text != ",") throw EReadError(sep.line, "',' or ']' expected");
        }
    }

    Value ReadList(Value v) {
        v.kind = Value::Kind::List;
        for (;;) {
            Token t = lexer_.Next();
            if (t.kind == Token::Kind::Symbol && t.text == ")") return v;
            if (t.kind != Token::Kind::String) throw EReadError(t.line, "a string or ')' expected");
            v.items.push_back(t.text);
        }
    }

    void ReadChild(TComponent& parent) {
        Token name = ExpectIdent("a component name");
        ExpectSymbol(":");
        Token cls = ExpectIdent("a class name");
        const ClassEntry* entry = registry_.Find(cls.text);
        if (!entry || !entry->create) throw EReadError(cls.line, "unknown class '" + cls.text + "'");
        TComponent* c = entry->create(&root_);
        created_.push_back(c);
        c->SetLoading(true);
        SetName(*c, name);
        Place(*c, parent, cls.line);
        if (auto* published = dynamic_cast<TPublished*>(&root_); published && !published->SetField(name.text, c))
            throw EReadError(name.line, "the field '" + name.text + "' of " + root_.ClassName() + " cannot hold a " + cls.text);
        ReadBody(*c);
    }

    static void Place(TComponent& c, TComponent& parent, int line) {
        if (auto* control = As<TControl>(&c)) {
            auto* host = As<TWinControl>(&parent);
            if (!host) throw EReadError(line, parent.ClassName() + " cannot hold the control " + c.Name());
            control->SetParent(host);
        } else if (auto* item = As<TMenuItem>(&c)) {
            if (auto* menu = As<TMainMenu>(&parent))
                menu->Items()->Add(item);
            else if (auto* group = As<TMenuItem>(&parent))
                group->Add(item);
            else
                throw EReadError(line, "the menu item " + c.Name() + " must stand in a menu");
        }
    }

    TComponent& root_;
    Lexer lexer_;
    const ClassRegistry& registry_;
    LoadContext ctx_;
    std::vector<TComponent*> created_;
};

}  // namespace

void ReadDescription(TComponent& root, std::string_view text, const ClassRegistry& registry) {
    Reader(root, text, registry).Read();
}

}  // namespace ui
