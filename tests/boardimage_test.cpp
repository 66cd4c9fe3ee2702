#include "bmp_builder.h"
#include "desktop.h"
#include "setupctrls/boardimage.h"

using namespace ui;
using setupctrls::TBoardImage;

namespace {

class BoardImageTest : public DesktopTest {
protected:
    BoardImageTest() {
        form = new TForm(app.get());
        form->SetPosition(poDesigned);
        form->SetBounds(0, 0, 873, 730);
        board = new TBoardImage(form);
        board->SetParent(form);
    }
    void LoadPicture(int w, int h) {
        TPicture p;
        p.LoadFromBytes(MakeBmp24(w, h, [](int x, int y) { return static_cast<uint32_t>((x * 7) ^ (y * 13)) & 0xFFFFFF; }));
        board->SetPicture(p);
    }
    TForm* form;
    TBoardImage* board;
};

}  // namespace

TEST_F(BoardImageTest, FirstPaintRecordsTheDesignedPositionThenCentresOnTheParentsOuterSize) {
    board->SetAutoSize(false);
    board->SetBounds(150, 210, 600, 288);
    board->SetStretch(true);
    LoadPicture(600, 288);
    form->Show();
    app->ProcessMessages();
    EXPECT_TRUE(board->FPositionRecorded);
    EXPECT_EQ(board->FDesignLeft, 150);
    EXPECT_EQ(board->FDesignTop, 210);
    EXPECT_EQ(board->Left(), 136);
    EXPECT_EQ(board->Top(), 221);
    board->Invalidate();
    app->ProcessMessages();
    EXPECT_EQ(board->Left(), 136);
    EXPECT_EQ(board->FDesignLeft, 150);

    form->SetWidth(501);  // narrower than the board: a negative Left, truncated toward zero
    board->Invalidate();
    app->ProcessMessages();
    EXPECT_EQ(board->Left(), -49);
    EXPECT_EQ(board->FDesignLeft, 150);
}

TEST_F(BoardImageTest, WithoutCentringTheDesignedPositionIsTheControlsOwn) {
    board->SetAutoSize(false);
    board->SetBounds(150, 210, 600, 288);
    board->SetCenterOnForm(false);
    form->Show();
    app->ProcessMessages();
    EXPECT_EQ(board->Left(), 150);
    EXPECT_EQ(board->FDesignLeft, board->Left());
    EXPECT_EQ(board->FDesignTop, board->Top());
}

TEST_F(BoardImageTest, DrawRectFollowsStretchThenCenter) {
    board->SetAutoSize(false);
    board->SetBounds(0, 0, 700, 300);
    LoadPicture(600, 288);
    struct Case {
        bool stretch, center;
        TRect expected;
    };
    const Case cases[] = {{false, true, Bounds(50, 6, 600, 288)},
                          {false, false, Bounds(0, 0, 600, 288)},
                          {true, true, Bounds(0, 0, 700, 300)},
                          {true, false, Bounds(0, 0, 700, 300)}};
    for (const Case& c : cases) {
        board->SetStretch(c.stretch);
        board->SetCenter(c.center);
        EXPECT_EQ(board->DrawRect(), c.expected) << c.stretch << c.center;
    }
}

TEST_F(BoardImageTest, AutoSizeFollowsThePictureOnTheSidesItsAlignmentLeaves) {
    EXPECT_EQ(board->Width(), 105);
    EXPECT_EQ(board->Height(), 105);
    LoadPicture(600, 288);
    EXPECT_EQ(board->Width(), 600);
    EXPECT_EQ(board->Height(), 288);

    auto* top = new TBoardImage(form);
    top->SetParent(form);
    top->SetAlign(alTop);
    TPicture p;
    p.LoadFromBytes(MakeBmp24(600, 288, [](int, int) { return 0u; }));
    top->SetPicture(p);
    EXPECT_EQ(top->Height(), 288);
    EXPECT_EQ(top->Width(), form->ClientWidth());
    int w = 1, h = 1;
    TBoardImage empty(nullptr);
    empty.CanAutoSize(w, h);
    EXPECT_EQ(w, 0);
    EXPECT_EQ(h, 0);
}

TEST_F(BoardImageTest, OpaqueOnlyWhenAnOpaquePictureCoversTheControl) {
    board->SetAutoSize(false);
    board->SetBounds(0, 0, 700, 300);
    LoadPicture(600, 288);
    EXPECT_FALSE(board->ControlStyle() & csOpaque);
    board->SetStretch(true);
    EXPECT_TRUE(board->ControlStyle() & csOpaque);
    board->SetTransparent(true);
    EXPECT_FALSE(board->ControlStyle() & csOpaque);
}

TEST_F(BoardImageTest, AnUnchangedSettingDoesNotRepaint) {
    board->SetAutoSize(false);
    board->SetBounds(0, 0, 600, 288);
    LoadPicture(600, 288);
    form->Show();
    app->ProcessMessages();
    const int paints = desktop->PaintCount(*board);
    board->SetStretch(false);
    board->SetCenter(false);
    board->SetScale(true);
    app->ProcessMessages();
    EXPECT_EQ(desktop->PaintCount(*board), paints);
    board->SetStretch(true);
    app->ProcessMessages();
    EXPECT_EQ(desktop->PaintCount(*board), paints + 1);
}

TEST_F(BoardImageTest, WithoutAPictureOnlyTheBackgroundShows) {
    board->SetAutoSize(false);
    board->SetBounds(0, 0, 40, 30);
    form->Show();
    TBitmap pixels = desktop->Pixels(*board);
    EXPECT_EQ(pixels.Pixel(20, 15), PixelOf(ColorToRGB(clBtnFace)));
}
