// The display framework as a module meets it: opening and closing order,
// keys and buttons, redraw requests, input boxes and recorded pages.
#include "display/displays.h"
#include "world/transcript.h"
#include "world/world.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

std::vector<std::string> &Log() {
    static std::vector<std::string> log;
    return log;
}

int boxAnswers = 0;

bool AcceptOnlyYes(void *, char *text, void *usrdata) {
    Log().push_back(std::string("answer ") + text + " " + static_cast<const char *>(usrdata));
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
        else if (key == OAPI_KEY_R)
            InvalidateDisplay();
        return key != OAPI_KEY_Y;
    }
    bool ConsumeButton(int bt, int event) override { return bt == 2 && event == 1; }
    char *ButtonLabel(int bt) override { return bt == 0 ? const_cast<char *>("ONE") : nullptr; }
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

class Framework : public ::testing::Test {
protected:
    void SetUp() override {
        host::World().Reset();
        host::SetQuiet(false);
        host::SetOutput(&transcript);
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
        host::SetOutput(nullptr);
        host::World().Reset();
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
    std::ostringstream transcript;
};

TEST_F(Framework, OpeningTriesTheExtendedMessageFirstThenAttachesAndRecalls) {
    ASSERT_TRUE(Open(3, 300, 400));
    std::vector<std::string> expected = {"msg 4 at 3 300x400", "msg 1 at 3 300x400", "construct",
                                         "recall cw=8 ch=14"};
    EXPECT_EQ(Log(), expected);
    EXPECT_NE(transcript.str().find("display Ship 3 opened: mode \"Fake\" 300x400"),
              std::string::npos);
}

TEST_F(Framework, AnExtendedOpenIsTakenWithoutThePlainOne) {
    extendedOpens = true;
    ASSERT_TRUE(Open(0));
    std::vector<std::string> expected = {"msg 4 at 0 256x256", "construct", "recall cw=7 ch=9"};
    EXPECT_EQ(Log(), expected);
}

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
}

TEST_F(Framework, OpeningAnOpenPositionReplacesItsDisplay) {
    ASSERT_TRUE(Open(0));
    ASSERT_TRUE(Open(0));
    EXPECT_EQ(std::count(Log().begin(), Log().end(), "destroy"), 1);
    EXPECT_NE(host::DisplayObject(ship, 0), nullptr);
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

TEST_F(Framework, KeysAndButtonsReportWhetherTheyWereConsumed) {
    ASSERT_TRUE(Open(0));
    EXPECT_TRUE(Key(OAPI_KEY_J));
    EXPECT_FALSE(Key(OAPI_KEY_Y));
    bool consumed = false;
    std::string error;
    ASSERT_TRUE(host::SendButton(ship, 0, 2, 1, &consumed, &error));
    EXPECT_TRUE(consumed);
    std::string events = transcript.str();
    EXPECT_NE(events.find("key 0x24 on display Ship 0: consumed"), std::string::npos);
    EXPECT_NE(events.find("key 0x15 on display Ship 0: not consumed"), std::string::npos);
    EXPECT_NE(events.find("button 2 event 0x01 on display Ship 0: consumed"), std::string::npos);
    EXPECT_FALSE(host::SendKey(ship, 5, OAPI_KEY_J, &consumed, &error));
}

TEST_F(Framework, RedrawRequestsAreCountedAndReported) {
    ASSERT_TRUE(Open(0));
    Key(OAPI_KEY_R);
    Key(OAPI_KEY_R);
    EXPECT_EQ(host::RedrawRequests(ship, 0), 2);
    EXPECT_NE(transcript.str().find("display Ship 0: redraw requested"), std::string::npos);
}

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
    std::string events = transcript.str();
    EXPECT_NE(events.find("input box \"First \\\"box\\\"\" opened"), std::string::npos);
    EXPECT_NE(
        events.find("input box \"Chain\" not opened: input box \"First \\\"box\\\"\" is open"),
        std::string::npos);
    EXPECT_NE(events.find("answered \"no\": rejected, box stays open"), std::string::npos);
    EXPECT_NE(events.find("answered \"yes\": accepted"), std::string::npos);
}

TEST_F(Framework, ABoxOpenedByACallbackStaysOpen) {
    ASSERT_TRUE(Open(0));
    Key(OAPI_KEY_N);
    std::string error;
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
    EXPECT_NE(transcript.str().find("input box \"First \\\"box\\\"\" cancelled"),
              std::string::npos);
}

TEST_F(Framework, DisplaysOfADeletedVesselAreClosed) {
    ASSERT_TRUE(Open(0));
    host::World().RequestDelete(ship);
    host::World().FlushDeletions();
    Log().clear();
    std::string error;
    host::Page page;
    EXPECT_FALSE(host::DrawPage(ship, 0, &page, &error));
    std::vector<std::string> expected = {"store", "msg 2 at 0 0x0", "destroy"};
    EXPECT_EQ(Log(), expected);
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

TEST_F(Framework, ButtonsListTwelveEntries) {
    ASSERT_TRUE(Open(0));
    std::vector<host::ButtonInfo> buttons;
    std::string error;
    ASSERT_TRUE(host::ListButtons(ship, 0, &buttons, &error));
    ASSERT_EQ(buttons.size(), 12u);
    EXPECT_EQ(host::ButtonLine(buttons[0]), "button 0 \"ONE\" \"\" -");
    EXPECT_EQ(host::ButtonLine(buttons[11]), "button 11 \"\" \"\" -");
}

} // namespace
