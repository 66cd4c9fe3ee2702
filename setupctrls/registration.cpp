#include "setupctrls/registration.h"

#include "setupctrls/boardimage.h"

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
               ReferenceProp<B, TControl>("First", [](B& b, TControl* c) { b.SetFirst(c); }),
               ReferenceProp<B, TMainMenu>("Menu", [](B& b, TMainMenu* m) { b.SetMenu(m); }),
           }});
}

}  // namespace

void RegisterSetupControls(ClassRegistry& registry) { RegisterBoardImage(registry); }

}  // namespace setupctrls
