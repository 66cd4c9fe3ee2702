#include "ui/stream/standard_classes.h"

#include "ui/core/comctrls.h"
#include "ui/core/extctrls.h"
#include "ui/core/forms.h"
#include "ui/core/menus.h"

namespace ui {

namespace {

const std::vector<std::pair<std::string, uint32_t>> kAnchorNames = {
    {"akLeft", akLeft}, {"akTop", akTop}, {"akRight", akRight}, {"akBottom", akBottom}};
const std::vector<std::pair<std::string, uint32_t>> kFontStyleNames = {
    {"fsBold", static_cast<uint32_t>(TFontStyle::Bold)},
    {"fsItalic", static_cast<uint32_t>(TFontStyle::Italic)},
    {"fsUnderline", static_cast<uint32_t>(TFontStyle::Underline)},
    {"fsStrikeOut", static_cast<uint32_t>(TFontStyle::StrikeOut)}};

void RegisterComponent(ClassRegistry& r) {
    r.Add({"TComponent", nullptr, {IntegerProp<TComponent>("Tag", [](TComponent& c, int v) { c.SetTag(v); })}});
}

void RegisterControl(ClassRegistry& r) {
    using C = TControl;
    auto font = [](std::function<void(TFont&, const Value&)> set) {
        return [set](C& c, const Value& v, LoadContext&) {
            set(c.Font(), v);
            c.FontChanged();
        };
    };
    r.Add({"TControl",
           nullptr,
           {
               IntegerProp<C>("Left", [](C& c, int v) { c.SetLeft(v); }),
               IntegerProp<C>("Top", [](C& c, int v) { c.SetTop(v); }),
               IntegerProp<C>("Width", [](C& c, int v) { c.SetWidth(v); }),
               IntegerProp<C>("Height", [](C& c, int v) { c.SetHeight(v); }),
               StringProp<C>("Caption", [](C& c, const std::string& s) { c.SetCaption(s); }),
               ColorProp<C>("Color", [](C& c, TColor v) { c.SetColor(v); }),
               BoolProp<C>("ParentColor", [](C& c, bool v) { c.SetParentColor(v); }),
               BoolProp<C>("Visible", [](C& c, bool v) { c.SetVisible(v); }),
               BoolProp<C>("Enabled", [](C& c, bool v) { c.SetEnabled(v); }),
               BoolProp<C>("AutoSize", [](C& c, bool v) { c.SetAutoSize(v); }),
               BoolProp<C>("ShowHint", [](C& c, bool v) { c.SetShowHint(v); }),
               BoolProp<C>("ParentShowHint", [](C& c, bool v) { c.SetParentShowHint(v); }),
               BoolProp<C>("ParentFont", [](C& c, bool v) { c.SetParentFont(v); }),
               EnumProp<C, TAlign>("Align",
                                   {{"alNone", alNone}, {"alTop", alTop}, {"alBottom", alBottom}, {"alLeft", alLeft},
                                    {"alRight", alRight}, {"alClient", alClient}},
                                   [](C& c, TAlign a) { c.SetAlign(a); }),
               SetProp<C>("Anchors", kAnchorNames, [](C& c, uint32_t a) { c.SetAnchors(static_cast<TAnchors>(a)); }),
               IntegerProp<C>("Constraints.MinWidth", [](C& c, int v) { c.Constraints().MinWidth = v; }),
               IntegerProp<C>("Constraints.MinHeight", [](C& c, int v) { c.Constraints().MinHeight = v; }),
               IntegerProp<C>("Constraints.MaxWidth", [](C& c, int v) { c.Constraints().MaxWidth = v; }),
               IntegerProp<C>("Constraints.MaxHeight", [](C& c, int v) { c.Constraints().MaxHeight = v; }),
               Prop<C>("Font.Name", font([](TFont& f, const Value& v) { f.Name = AsString(v); })),
               Prop<C>("Font.Height", font([](TFont& f, const Value& v) { f.Height = static_cast<int>(AsInteger(v)); })),
               Prop<C>("Font.Size", font([](TFont& f, const Value& v) { f.SetSize(static_cast<int>(AsInteger(v))); })),
               Prop<C>("Font.Color", font([](TFont& f, const Value& v) { f.Color = ParseColor(v); })),
               SetProp<C>("Font.Style", kFontStyleNames,
                          [](C& c, uint32_t s) {
                              c.Font().Style = static_cast<TFontStyles>(s);
                              c.FontChanged();
                          }),
               // Only the default character set exists here.
               EnumProp<C, int>("Font.Charset", {{"DEFAULT_CHARSET", 1}, {"ANSI_CHARSET", 0}}, [](C&, int) {}),
               EventProp<C>("OnClick", [](C& c, const TNotifyEvent& e) { c.OnClick = e; }),
           }});
}

void RegisterWinControl(ClassRegistry& r) {
    using C = TWinControl;
    r.Add({"TWinControl",
           nullptr,
           {
               IntegerProp<C>("TabOrder", [](C& c, int v) { c.SetTabOrder(v); }),
               BoolProp<C>("TabStop", [](C& c, bool v) { c.SetTabStop(v); }),
               EventProp<C>("OnEnter", [](C& c, const TNotifyEvent& e) { c.OnEnter = e; }),
               EventProp<C>("OnExit", [](C& c, const TNotifyEvent& e) { c.OnExit = e; }),
           }});
}

void RegisterForm(ClassRegistry& r) {
    using C = TForm;
    r.Add({"TForm",
           nullptr,
           {
               EnumProp<C, TBorderStyle>("BorderStyle",
                                         {{"bsNone", bsNone}, {"bsSingle", bsSingle}, {"bsSizeable", bsSizeable},
                                          {"bsDialog", bsDialog}, {"bsToolWindow", bsToolWindow},
                                          {"bsSizeToolWin", bsSizeToolWin}},
                                         [](C& c, TBorderStyle s) { c.SetBorderStyle(s); }),
               EnumProp<C, TFormStyle>("FormStyle", {{"fsNormal", fsNormal}, {"fsStayOnTop", fsStayOnTop}},
                                       [](C& c, TFormStyle s) { c.SetFormStyle(s); }),
               EnumProp<C, TWindowState>("WindowState",
                                         {{"wsNormal", wsNormal}, {"wsMinimized", wsMinimized}, {"wsMaximized", wsMaximized}},
                                         [](C& c, TWindowState s) { c.SetWindowState(s); }),
               EnumProp<C, TPosition>("Position",
                                      {{"poDesigned", poDesigned}, {"poDefault", poDefault},
                                       {"poDefaultPosOnly", poDefaultPosOnly}, {"poDefaultSizeOnly", poDefaultSizeOnly},
                                       {"poScreenCenter", poScreenCenter}, {"poMainFormCenter", poMainFormCenter}},
                                      [](C& c, TPosition p) { c.SetPosition(p); }),
               IntegerProp<C>("ClientWidth", [](C& c, int v) { c.SetClientWidth(v); }),
               IntegerProp<C>("ClientHeight", [](C& c, int v) { c.SetClientHeight(v); }),
               BoolProp<C>("AutoScroll", [](C& c, bool v) { c.SetAutoScroll(v); }),
               ReferenceProp<C, TMainMenu>("Menu", [](C& c, TMainMenu* m) { c.SetMenu(m); }),
               EventProp<C>("OnCreate", [](C& c, const TNotifyEvent& e) { c.OnCreate = e; }),
               EventProp<C>("OnActivate", [](C& c, const TNotifyEvent& e) { c.OnActivate = e; }),
               EventProp<C>("OnDeactivate", [](C& c, const TNotifyEvent& e) { c.OnDeactivate = e; }),
               // Descriptions are laid out at 96 pixels per inch with 13-pixel text; nothing is rescaled.
               IntegerProp<C>("PixelsPerInch", [](C&, int) {}),
               IntegerProp<C>("TextHeight", [](C&, int) {}),
           }});
}

void RegisterMenus(ClassRegistry& r) {
    using M = TMenuItem;
    r.Add({"TMainMenu", [](TComponent* owner) -> TComponent* { return new TMainMenu(owner); }, {}});
    r.Add({"TMenuItem",
           [](TComponent* owner) -> TComponent* { return new TMenuItem(owner); },
           {
               StringProp<M>("Caption", [](M& m, const std::string& s) { m.SetCaption(s); }),
               BoolProp<M>("Checked", [](M& m, bool v) { m.SetChecked(v); }),
               BoolProp<M>("Enabled", [](M& m, bool v) { m.SetEnabled(v); }),
               BoolProp<M>("Visible", [](M& m, bool v) { m.SetVisible(v); }),
               EventProp<M>("OnClick", [](M& m, const TNotifyEvent& e) { m.OnClick = e; }),
           }});
}

void RegisterPanels(ClassRegistry& r) {
    using P = TCustomPanel;
    const std::vector<std::pair<std::string, TBevelCut>> cuts = {
        {"bvNone", bvNone}, {"bvLowered", bvLowered}, {"bvRaised", bvRaised}, {"bvSpace", bvSpace}};
    r.Add({"TCustomPanel",
           nullptr,
           {
               EnumProp<P, TBevelCut>("BevelOuter", cuts, [](P& p, TBevelCut b) { p.SetBevelOuter(b); }),
               EnumProp<P, TBevelCut>("BevelInner", cuts, [](P& p, TBevelCut b) { p.SetBevelInner(b); }),
               IntegerProp<P>("BevelWidth", [](P& p, int v) { p.SetBevelWidth(v); }),
               IntegerProp<P>("BorderWidth", [](P& p, int v) { p.SetBorderWidth(v); }),
               EnumProp<P, TPanelBorderStyle>("BorderStyle", {{"bsNone", bsPanelNone}, {"bsSingle", bsPanelSingle}},
                                              [](P& p, TPanelBorderStyle s) { p.SetPanelBorderStyle(s); }),
               BoolProp<P>("FullRepaint", [](P& p, bool v) { p.SetFullRepaint(v); }),
           }});
    r.Add({"TPanel", [](TComponent* owner) -> TComponent* { return new TPanel(owner); }, {}});
}

const std::vector<std::pair<std::string, TScrollStyle>> kScrollStyles = {
    {"ssNone", ssNone}, {"ssHorizontal", ssHorizontal}, {"ssVertical", ssVertical}, {"ssBoth", ssBoth}};

template <class T> ClassEntry Creatable(const std::string& name, std::vector<PropertyInfo> properties) {
    return {name, [](TComponent* owner) -> TComponent* { return new T(owner); }, std::move(properties)};
}

void RegisterControls(ClassRegistry& r) {
    r.Add(Creatable<TLabel>(
        "TLabel", {EnumProp<TLabel, TAlignment>("Alignment",
                                                {{"taLeftJustify", taLeftJustify}, {"taRightJustify", taRightJustify}, {"taCenter", taCenter}},
                                                [](TLabel& l, TAlignment a) { l.SetAlignment(a); }),
                   BoolProp<TLabel>("WordWrap", [](TLabel& l, bool on) { l.SetWordWrap(on); }),
                   BoolProp<TLabel>("Transparent", [](TLabel& l, bool on) { l.SetTransparent(on); })}));
    r.Add(Creatable<TButton>("TButton", {BoolProp<TButton>("Default", [](TButton& b, bool on) { b.SetDefault(on); }),
                                         BoolProp<TButton>("Cancel", [](TButton& b, bool on) { b.SetCancel(on); })}));
    r.Add(Creatable<TMemo>(
        "TMemo", {StringsProp<TMemo>("Lines.Strings", [](TMemo& m, const std::vector<std::string>& l) { m.Lines().SetLines(l); }),
                  BoolProp<TMemo>("ReadOnly", [](TMemo& m, bool on) { m.SetReadOnly(on); }),
                  BoolProp<TMemo>("WordWrap", [](TMemo& m, bool on) { m.SetWordWrap(on); }),
                  EnumProp<TMemo, TScrollStyle>("ScrollBars", kScrollStyles, [](TMemo& m, TScrollStyle s) { m.SetScrollBars(s); })}));
    r.Add(Creatable<TRichEdit>(
        "TRichEdit", {BoolProp<TRichEdit>("ReadOnly", [](TRichEdit& e, bool on) { e.SetReadOnly(on); }),
                      EnumProp<TRichEdit, TScrollStyle>("ScrollBars", kScrollStyles, [](TRichEdit& e, TScrollStyle s) { e.SetScrollBars(s); })}));
    r.Add(Creatable<TStatusBar>("TStatusBar", {}));
    r.Add(Creatable<TTabSheet>("TTabSheet", {}));
    r.Add(Creatable<TPageControl>(
        "TPageControl", {ReferenceProp<TPageControl, TTabSheet>("ActivePage", [](TPageControl& p, TTabSheet* s) { p.SetActivePage(s); })}));
    r.Add(Creatable<TImage>(
        "TImage", {Prop<TImage>("Picture", [](TImage& i, const Value& v, LoadContext&) { LoadPicture(v, i.Picture()); }),
                   BoolProp<TImage>("Center", [](TImage& i, bool on) { i.SetCenter(on); }),
                   BoolProp<TImage>("Stretch", [](TImage& i, bool on) { i.SetStretch(on); }),
                   BoolProp<TImage>("Transparent", [](TImage& i, bool on) { i.SetTransparent(on); })}));
}

}  // namespace

void RegisterStandardClasses(ClassRegistry& registry) {
    RegisterComponent(registry);
    RegisterControl(registry);
    RegisterWinControl(registry);
    RegisterForm(registry);
    RegisterMenus(registry);
    RegisterPanels(registry);
    RegisterControls(registry);
}

}  // namespace ui
