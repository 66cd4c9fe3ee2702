#include <gtest/gtest.h>

#include "desktop.h"
#include "ui/core/extctrls.h"
#include "ui/stream/reader.h"
#include "ui/stream/standard_classes.h"

using namespace ui;

namespace {

class TTestForm : public TForm, public TPublished {
    UI_CLASS(TTestForm, TForm)
public:
    explicit TTestForm(TComponent* owner) : TForm(owner) {
        PublishMethod("Clicked", [this](TObject*) { ++clicks; }, this);
        PublishField("Panel1", Panel1);
    }
    TPanel* Panel1 = nullptr;
    int clicks = 0;
};

const ClassRegistry& Registry() {
    static ClassRegistry r = [] {
        ClassRegistry reg;
        RegisterStandardClasses(reg);
        return reg;
    }();
    return r;
}

class ReaderTest : public DesktopTest {
protected:
    TTestForm* form = new TTestForm(app.get());
};

}  // namespace

TEST_F(ReaderTest, BuildsComponentsInOrderAndResolvesReferencesAndHandlersAtTheEnd) {
    ReadDescription(*form, R"(object Form1: TTestForm
  Caption = 'It''s a '#13#10'test' +
    ' window'
  Menu = Menu1            // declared further down
  object Panel1: TPanel
    Left = -5
    Anchors = [akLeft, akBottom]
    Font.Style = [fsBold]
    object Inner: TPanel
      OnClick = Clicked
    end
  end
  object Menu1: TMainMenu
    object File1: TMenuItem
      Caption = '&File'
      object Exit1: TMenuItem
        Caption = '&Exit'
        OnClick = Clicked
      end
    end
  end
end)",
                    Registry());
    EXPECT_EQ(form->Name(), "Form1");
    EXPECT_EQ(form->Caption(), "It's a \r\ntest window");
    ASSERT_NE(form->Panel1, nullptr);
    EXPECT_EQ(form->Panel1->Left(), -5);
    EXPECT_EQ(form->Panel1->Anchors(), akLeft | akBottom);
    EXPECT_TRUE(form->Panel1->Font().Bold());
    EXPECT_EQ(form->Panel1->Parent(), form);
    auto* inner = As<TPanel>(form->FindComponent("Inner"));
    ASSERT_NE(inner, nullptr);
    EXPECT_EQ(inner->Parent(), form->Panel1);
    EXPECT_EQ(inner->Owner(), form);
    ASSERT_NE(form->Menu(), nullptr);
    EXPECT_EQ(form->Menu()->Items()->Items(0)->Items(0)->Caption(), "&Exit");
    inner->Click();
    form->Menu()->Items()->Items(0)->Items(0)->Click();
    EXPECT_EQ(form->clicks, 2);
    EXPECT_FALSE(inner->Loading());
}

TEST_F(ReaderTest, AMistakeNamesItsLineAndLeavesNoComponentBehind) {
    struct Case {
        const char* text;
        int line;
        const char* says;
    };
    const Case cases[] = {
        {"object F: TTestForm\n  object P: TNoSuchClass\n  end\nend", 2, "unknown class 'TNoSuchClass'"},
        {"object F: TTestForm\n  object P: TPanel\n    Colour = clRed\n  end\nend", 3, "no property 'Colour'"},
        {"object F: TTestForm\n  WindowState = wsHuge\nend", 2, "unknown value 'wsHuge'"},
        {"object F: TTestForm\n  object P: TPanel\n  end\n  Menu = NoMenu\nend", 4, "no component named 'NoMenu'"},
        {"object F: TTestForm\n  object P: TPanel\n  end\n  Menu = P\nend", 4, "not a TMainMenu"},
        {"object F: TTestForm\n  object P: TPanel\n    OnClick = Missing\n  end\nend", 3, "no handler named 'Missing'"},
        {"object F: TTestForm\n  object P: TPanel\n  end\n  object p: TPanel\n  end\nend", 4, "already exists"},
        {"object F: TTestForm\n  Caption = 'open\nend", 2, "unterminated string"},
        {"object F: TTestForm\n  object P: TPanel\n", 3, "'end' expected"},
        {"object F: TTestForm\n  Left = 'ten'\nend", 2, "a number expected"},
        {"object F: TTestForm\n  Anchors = [akLeft, akMiddle]\nend", 2, "unknown set member 'akMiddle'"},
        {"object F: TForm\nend", 1, "not of a TTestForm"},
        {"object F: TTestForm\n  object Panel1: TMainMenu\n  end\nend", 2, "cannot hold a TMainMenu"},
        {"object F: TTestForm\n  object I: TMenuItem\n  end\nend", 2, "must stand in a menu"},
        {"object F: TTestForm\nend\nend", 3, "text after the final 'end'"},
    };
    for (const Case& c : cases) {
        try {
            ReadDescription(*form, c.text, Registry());
            ADD_FAILURE() << "accepted: " << c.text;
        } catch (const EReadError& e) {
            EXPECT_EQ(e.Line(), c.line) << c.text;
            EXPECT_NE(std::string(e.what()).find(c.says), std::string::npos) << e.what();
            EXPECT_NE(std::string(e.what()).find("line " + std::to_string(c.line)), std::string::npos) << e.what();
        }
        EXPECT_EQ(form->ComponentCount(), 0) << c.text;
        EXPECT_EQ(form->ControlCount(), 0) << c.text;
    }
}
