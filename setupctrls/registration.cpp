#include "setupctrls/registration.h"

#include "setupctrls/boardimage.h"
#include "setupctrls/highlight.h"
#include "setupctrls/supporter.h"

namespace setupctrls {

namespace {

void RegisterBoardImage(ClassRegistry& r) {
    using B = TBoardImage;
    r.Add({"TBoardImage",
           [](TComponent* owner) -> TComponent* { return new TBoardImage(owner); },
           {
               Prop<B>("Picture", [](B& b, const Value& v, LoadContext&) { LoadPicture(v, b.Picture()); }),
               BoolProp<B>("Stretch", [](B& b, bool on) { b.SetStretch(on); }),
               BoolProp<B>("Center", [](B& b, bool on) { b.SetCenter(on); }),
               BoolProp<B>("Transparent", [](B& b, bool on) { b.SetTransparent(on); }),
               BoolProp<B>("Scale", [](B& b, bool on) { b.SetScale(on); }),
               BoolProp<B>("CenterOnForm", [](B& b, bool on) { b.SetCenterOnForm(on); }),
               ReferenceProp<B, TBoardHighlight>("First", [](B& b, TBoardHighlight* h) { b.SetFirst(h); }),
               ReferenceProp<B, TMainMenu>("Menu", [](B& b, TMainMenu* m) { b.SetMenu(m); }),
           }});
}

void RegisterHighlight(ClassRegistry& r) {
    using H = TBoardHighlight;
    r.Add({"TBoardHighlight",
           [](TComponent* owner) -> TComponent* { return new TBoardHighlight(owner); },
           {
               BoolProp<H>("CreatePopup", [](H& h, bool on) { h.SetCreatePopup(on); }),
               EnumProp<H, THighlightType>("HighlightType",
                                           {{"htOptions", htOptions}, {"htSettings", htSettings}, {"htCalibration", htCalibration}},
                                           [](H& h, THighlightType t) { h.SetHighlightType(t); }),
               ReferenceProp<H, TRadioPanel>("RadioPanel", [](H& h, TRadioPanel* p) { h.SetRadioPanel(p); }),
               StringProp<H>("Title", [](H& h, const std::string& t) { h.SetTitle(t); }),
           }});
}

void RegisterRadioPanel(ClassRegistry& r) {
    using P = TRadioPanel;
    r.Add({"TRadioPanel",
           [](TComponent* owner) -> TComponent* { return new TRadioPanel(owner); },
           {
               StringsProp<P>("Lines.Strings", [](P& p, const std::vector<std::string>& l) { p.Lines().SetLines(l); }),
               IntegerProp<P>("MemoHeight", [](P& p, int h) { p.SetMemoHeight(h); }),
               SetProp<P>("FinalAnchors", {{"akLeft", akLeft}, {"akTop", akTop}, {"akRight", akRight}, {"akBottom", akBottom}},
                          [](P& p, uint32_t a) { p.SetFinalAnchors(static_cast<TAnchors>(a)); }),
               BoolProp<P>("RadioEnabled", [](P& p, bool on) { p.SetRadioEnabled(on); }),
               EventProp<P>("OnActivate", [](P& p, const TNotifyEvent& e) { p.OnActivate = e; }),
               EventProp<P>("OnDeactivate", [](P& p, const TNotifyEvent& e) { p.OnDeactivate = e; }),
               EventProp<P>("OnRadioChange", [](P& p, const TNotifyEvent& e) { p.OnRadioChange = e; }),
           }});
}

void RegisterSupporter(ClassRegistry& r) {
    using S = TSetupSupporter;
    auto text = [](const char* name, std::string S::*field) {
        return StringProp<S>(name, [field](S& s, const std::string& v) { s.*field = v; });
    };
    auto flag = [](const char* name, bool S::*field) { return BoolProp<S>(name, [field](S& s, bool v) { s.*field = v; }); };
    r.Add({"TSetupSupporter",
           [](TComponent* owner) -> TComponent* { return new TSetupSupporter(owner); },
           {
               text("CompanyName", &S::CompanyName),
               text("CardNameA", &S::CardNameA),
               text("CardNameB", &S::CardNameB),
               flag("UseCardNameB", &S::UseCardNameB),
               text("CallHow", &S::CallHow),
               flag("MultiPort", &S::MultiPort),
               IntegerProp<S>("Channels", [](S& s, int v) { s.Channels = static_cast<uint8_t>(v); }),
               flag("ChangeButtons", &S::ChangeButtons),
               flag("bSeries", &S::bSeries),
               EventProp<S>("OnBeginCalib", [](S& s, const TNotifyEvent& e) { s.SetOnBeginCalib(e); }),
               EventProp<S, TPCIEvent>("OnGetCardString", [](S& s, const TPCIEvent& e) { s.OnGetCardString = e; }),
               EventProp<S, TCalibEvent>("OnGetCalibString", [](S& s, const TCalibEvent& e) { s.OnGetCalibString = e; }),
               EventProp<S>("OnStopButtonClick", [](S& s, const TNotifyEvent& e) { s.OnStopButtonClick = e; }),
               EventProp<S>("OnStartButtonClick", [](S& s, const TNotifyEvent& e) { s.OnStartButtonClick = e; }),
           }});
}

}  // namespace

void RegisterSetupControls(ClassRegistry& registry) {
    RegisterSupporter(registry);
    RegisterBoardImage(registry);
    RegisterHighlight(registry);
    RegisterRadioPanel(registry);
}

}  // namespace setupctrls
