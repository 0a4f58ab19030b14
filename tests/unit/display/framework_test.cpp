// The display framework as a module meets it: opening and closing order,
// input boxes and recorded pages.
#include "display/displays.h"
#include "module_world.h"

#include <algorithm>

namespace {

std::vector<std::string> &Log() {
    static std::vector<std::string> log;
    return log;
}

int boxAnswers = 0;

bool AcceptOnlyYes(void *, char *text, void *) {
    ++boxAnswers;
    return std::string(text) == "yes";
}

bool OpenAnotherBox(void *, char *, void *) {
    oapiOpenInputBox(const_cast<char *>("Second"), AcceptOnlyYes, nullptr, 20,
                     const_cast<char *>("2"));
    return true;
}

class FakeDisplay : public MFD {
public:
    FakeDisplay(DWORD w, DWORD h, VESSEL *v) : MFD(w, h, v) { Log().push_back("construct"); }
    ~FakeDisplay() override { Log().push_back("destroy"); }
    void Update(HDC hDC) override {
        Title(hDC, "Fake");
        SelectDefaultFont(hDC, 1);
        TextOutA(hDC, 5, 6, "\xB0", 1);
        SelectDefaultPen(hDC, 3);
        Rectangle(hDC, 0, 0, 10, 10);
    }
    bool ConsumeKeyBuffered(DWORD key) override {
        if (key == OAPI_KEY_T)
            oapiOpenInputBox(const_cast<char *>("First \"box\""), AcceptOnlyYes, nullptr, 20,
                             const_cast<char *>("1"));
        else if (key == OAPI_KEY_N)
            oapiOpenInputBox(const_cast<char *>("Chain"), OpenAnotherBox, nullptr, 20, nullptr);
        return true;
    }
    void StoreStatus() const override { Log().push_back("store"); }
    void RecallStatus() override {
        Log().push_back("recall cw=" + std::to_string(cw) + " ch=" + std::to_string(ch));
    }
};

bool extendedOpens = false;

OAPI_MSGTYPE FakeProc(UINT msg, UINT position, WPARAM wparam, LPARAM lparam) {
    Log().push_back("msg " + std::to_string(msg) + " at " + std::to_string(position) + " " +
                    std::to_string(LOWORD(wparam)) + "x" + std::to_string(HIWORD(wparam)));
    VESSEL *vessel = reinterpret_cast<VESSEL *>(lparam);
    if (msg == OAPI_MSG_MFD_OPENED || (msg == OAPI_MSG_MFD_OPENEDEX && extendedOpens))
        return reinterpret_cast<OAPI_MSGTYPE>(
            new FakeDisplay(LOWORD(wparam), HIWORD(wparam), vessel));
    return 0;
}

class Framework : public ModuleWorldTest {
protected:
    void SetUp() override {
        ModuleWorldTest::SetUp();
        Log().clear();
        extendedOpens = false;
        boxAnswers = 0;
        MFDMODESPEC spec{const_cast<char *>("Fake"), OAPI_KEY_F, FakeProc};
        modeId = oapiRegisterMFDMode(spec);
        ship = host::World().AddVessel("Ship", "Test");
    }
    void TearDown() override {
        host::CloseAllDisplays();
        oapiUnregisterMFDMode(modeId);
        ModuleWorldTest::TearDown();
    }

    bool Open(int position, DWORD w = 256, DWORD h = 256) {
        std::string error;
        return host::OpenDisplay(ship, position, w, h, &error);
    }

    bool Key(DWORD key) {
        bool consumed = false;
        std::string error;
        EXPECT_TRUE(host::SendKey(ship, 0, key, &consumed, &error)) << error;
        return consumed;
    }

    int modeId = 0;
    Vessel *ship = nullptr;
};

// The extended message first, the plain one when that makes no display;
// then attach and recall. Opening an open place replaces its display.
TEST_F(Framework, OpeningTriesTheExtendedMessageFirstThenAttachesAndRecalls) {
    ASSERT_TRUE(Open(3, 300, 400));
    std::vector<std::string> expected = {"msg 4 at 3 300x400", "msg 1 at 3 300x400", "construct",
                                         "recall cw=8 ch=14"};
    EXPECT_EQ(Log(), expected);
    EXPECT_NE(Transcript().find("display Ship 3 opened: mode \"Fake\" 300x400"), std::string::npos);

    extendedOpens = true;
    Log().clear();
    ASSERT_TRUE(Open(3));
    expected = {"store",     "msg 2 at 3 0x0",  "destroy", "msg 4 at 3 256x256",
                "construct", "recall cw=7 ch=9"};
    EXPECT_EQ(Log(), expected);
}

// Closing, and the displays of a vessel that has gone: store, tell the mode, delete.
TEST_F(Framework, ClosingStoresTellsTheModeThenDeletes) {
    ASSERT_TRUE(Open(0));
    Log().clear();
    std::string error;
    ASSERT_TRUE(host::CloseDisplay(ship, 0, &error));
    std::vector<std::string> expected = {"store", "msg 2 at 0 0x0", "destroy"};
    EXPECT_EQ(Log(), expected);
    EXPECT_EQ(host::DisplayObject(ship, 0), nullptr);
    EXPECT_FALSE(host::CloseDisplay(ship, 0, &error));
    EXPECT_EQ(error, "display Ship 0 is not open");

    ASSERT_TRUE(Open(0));
    host::World().RequestDelete(ship);
    host::World().FlushDeletions();
    Log().clear();
    host::Page page;
    EXPECT_FALSE(host::DrawPage(ship, 0, &page, &error));
    EXPECT_EQ(Log(), expected);
}

TEST_F(Framework, BadPlacesAndSizesAreRefused) {
    std::string error;
    EXPECT_FALSE(host::OpenDisplay(ship, 12, 256, 256, &error));
    EXPECT_FALSE(host::OpenDisplay(ship, -1, 256, 256, &error));
    EXPECT_FALSE(host::OpenDisplay(ship, 0, 0, 256, &error));
    EXPECT_FALSE(host::OpenDisplay(ship, 0, 256, 70000, &error));
    EXPECT_FALSE(host::OpenDisplay(nullptr, 0, 256, 256, &error));
    EXPECT_TRUE(Log().empty());
}

// A box opened by the open box's own callback takes its place.
TEST_F(Framework, OneBoxAtATimeAndARejectionKeepsItOpen) {
    ASSERT_TRUE(Open(0));
    Key(OAPI_KEY_T);
    Key(OAPI_KEY_N); // refused: a box is open
    EXPECT_EQ(host::InputBoxTitle(), "First \"box\"");
    std::string error;
    ASSERT_TRUE(host::AnswerInputBox("no", &error));
    EXPECT_TRUE(host::InputBoxOpen());
    ASSERT_TRUE(host::AnswerInputBox("yes", &error));
    EXPECT_FALSE(host::InputBoxOpen());
    EXPECT_EQ(boxAnswers, 2);
    EXPECT_FALSE(host::AnswerInputBox("late", &error));
    EXPECT_EQ(error, "no input box is open");
    std::string events = Transcript();
    EXPECT_NE(events.find("input box \"First \\\"box\\\"\" opened"), std::string::npos);
    EXPECT_NE(
        events.find("input box \"Chain\" not opened: input box \"First \\\"box\\\"\" is open"),
        std::string::npos);
    EXPECT_NE(events.find("answered \"no\": rejected, box stays open"), std::string::npos);
    EXPECT_NE(events.find("answered \"yes\": accepted"), std::string::npos);

    Key(OAPI_KEY_N);
    ASSERT_TRUE(host::AnswerInputBox("anything", &error));
    EXPECT_EQ(host::InputBoxTitle(), "Second");
}

TEST_F(Framework, TheEndOfARunClosesDisplaysAndCancelsTheBox) {
    ASSERT_TRUE(Open(0));
    ASSERT_TRUE(Open(1));
    Key(OAPI_KEY_T);
    host::CloseAllDisplays();
    EXPECT_EQ(std::count(Log().begin(), Log().end(), "destroy"), 2);
    EXPECT_FALSE(host::InputBoxOpen());
    EXPECT_NE(Transcript().find("input box \"First \\\"box\\\"\" cancelled"), std::string::npos);
}

TEST_F(Framework, APageStartsInFontZeroAndTheMainColour) {
    ASSERT_TRUE(Open(0));
    host::Page page;
    std::string error;
    ASSERT_TRUE(host::DrawPage(ship, 0, &page, &error));
    std::vector<std::string> expected = {"page Ship 0 256x256", "text 7 1 font0 #00FF00 \"Fake\"",
                                         "text 5 6 font1 #00FF00 \"\xC2\xB0\"",
                                         "rect 0 0 10 10 fill #FFFFFF", "end"};
    EXPECT_EQ(host::PageListing(page), expected);
    EXPECT_EQ(page.calls[2].pen, RGB(255, 200, 0));
}

} // namespace
