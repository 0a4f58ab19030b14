// The display framework as a module meets it: opening and closing order,
// input boxes and recorded pages.
#include "display/default_styles.h"
#include "display/page_listing.h"
#include "module_world.h"
#include "platform/default_objects.h"

namespace {

std::vector<std::string> trail;
std::vector<double> drawnAt; // the simulation time of each Update

bool AcceptOnlyYes(void *, char *text, void *) {
    return std::string(text) == "yes";
}

bool OpenAnotherBox(void *, char *, void *) {
    oapiOpenInputBox(const_cast<char *>("Second"), AcceptOnlyYes, nullptr, 20,
                     const_cast<char *>("2"));
    return true;
}

class FakeDisplay : public MFD {
public:
    FakeDisplay(DWORD w, DWORD h, VESSEL *v) : MFD(w, h, v) { trail.push_back("construct"); }
    ~FakeDisplay() override { trail.push_back("destroy"); }
    void Update(HDC hDC) override {
        drawnAt.push_back(oapiGetSimTime());
        // First with what the context holds, then with the display's own choices.
        Rectangle(hDC, 0, 0, 10, 10);
        TextOutA(hDC, 5, 6, "\xB0", 1);
        Title(hDC, "Fake");
        SelectDefaultFont(hDC, 2);
        SelectDefaultPen(hDC, 3);
        TextOutA(hDC, 5, 20, "x", 1);
        Rectangle(hDC, 2, 2, 8, 8);
    }
    // Any button opens a box whose callback opens another.
    bool ConsumeButton(int, int) override {
        oapiOpenInputBox(const_cast<char *>("Chain"), OpenAnotherBox, nullptr, 20, nullptr);
        return true;
    }
    void StoreStatus() const override { trail.push_back("store"); }
    void RecallStatus() override {
        trail.push_back("recall cw=" + std::to_string(cw) + " ch=" + std::to_string(ch));
    }
};

// Font 0's character cell on a display that high, as the display gets it.
std::string Cell(DWORD height) {
    return "cw=" + std::to_string(host::CellWidth(height)) +
           " ch=" + std::to_string(host::CellHeight(height));
}

bool extendedOpens = false;
int modeContext = 0; // the mode's context: only its address counts

OAPI_MSGTYPE FakeProc(UINT msg, UINT position, WPARAM wparam, LPARAM lparam);

// The size a message carries: the open record's, or packed in wparam.
std::string Size(DWORD w, DWORD h) {
    return std::to_string(w) + "x" + std::to_string(h);
}

std::string DescribeOpenRecord(const MFDMODEOPENSPEC &open) {
    const MFDMODESPECEX &spec = *open.spec;
    const bool ownRecord = spec.context == &modeContext && spec.msgproc == FakeProc;
    return Size(open.w, open.h) + " \"" + spec.name + "\" key " + std::to_string(spec.key) +
           (ownRecord ? "" : " (not the mode's record)");
}

OAPI_MSGTYPE FakeProc(UINT msg, UINT position, WPARAM wparam, LPARAM lparam) {
    const auto *open = reinterpret_cast<const MFDMODEOPENSPEC *>(wparam);
    trail.push_back("msg " + std::to_string(msg) + " at " + std::to_string(position) + " " +
                    (msg == OAPI_MSG_MFD_OPENEDEX ? DescribeOpenRecord(*open)
                                                  : Size(LOWORD(wparam), HIWORD(wparam))));
    VESSEL *vessel = reinterpret_cast<VESSEL *>(lparam);
    if (msg == OAPI_MSG_MFD_OPENEDEX && extendedOpens)
        return reinterpret_cast<OAPI_MSGTYPE>(new FakeDisplay(open->w, open->h, vessel));
    if (msg == OAPI_MSG_MFD_OPENED)
        return reinterpret_cast<OAPI_MSGTYPE>(
            new FakeDisplay(LOWORD(wparam), HIWORD(wparam), vessel));
    return 0;
}

class Framework : public ModuleWorldTest {
protected:
    void SetUp() override {
        ModuleWorldTest::SetUp();
        trail.clear();
        extendedOpens = false;
        MFDMODESPECEX spec{const_cast<char *>("Fake"), OAPI_KEY_F, &modeContext, FakeProc};
        modeId = oapiRegisterMFDMode(spec);
        ship = host::World().AddVessel("Ship", "Test");
    }
    void TearDown() override {
        host::CloseAllDisplays();
        oapiUnregisterMFDMode(modeId);
        ModuleWorldTest::TearDown();
    }

    int modeId = 0;
    Vessel *ship = nullptr;
};

// Bad places and sizes are refused untried. The extended message first, with
// the open record pointing to the mode's own record, the plain one with the
// packed size when that makes no display; then attach and recall. Opening an
// open place replaces its display. The character cell is font 0's (see
// default_styles.h). Update gets the null brush, default pen 0, font 0 and
// the main colour.
TEST_F(Framework, OpeningTriesTheExtendedMessageFirstThenAttachesAndRecalls) {
    std::string error;
    EXPECT_FALSE(host::OpenDisplay(ship, 12, 256, 256, &error) ||
                 host::OpenDisplay(ship, -1, 256, 256, &error) ||
                 host::OpenDisplay(ship, 0, 0, 256, &error) ||
                 host::OpenDisplay(ship, 0, 256, 70000, &error) ||
                 host::OpenDisplay(nullptr, 0, 256, 256, &error));
    EXPECT_TRUE(trail.empty());
    ASSERT_TRUE(Open(ship, 3, 300, 400));
    std::vector<std::string> expected = {"msg 4 at 3 300x400 \"Fake\" key 33", "msg 1 at 3 300x400",
                                         "construct", "recall " + Cell(400)};
    EXPECT_EQ(trail, expected);
    EXPECT_NE(Transcript().find("display Ship 3 opened: mode \"Fake\" 300x400"), std::string::npos);

    extendedOpens = true;
    trail.clear();
    ASSERT_TRUE(Open(ship, 3));
    expected = {"store",     "msg 2 at 3 0x0",     "destroy", "msg 4 at 3 256x256 \"Fake\" key 33",
                "construct", "recall " + Cell(256)};
    EXPECT_EQ(trail, expected);

    const host::Page page = Draw(ship, 3);
    expected = {"page Ship 3 256x256",
                "rect 0 0 10 10 outline",
                "text 5 6 font0 #00FF00 \"\xC2\xB0\"",
                "text " + std::to_string(host::CellWidth(256)) + " 1 font0 #00FF00 \"Fake\"",
                "text 5 20 font2 #00FF00 \"x\"",
                "rect 2 2 8 8 outline",
                "end"};
    EXPECT_EQ(host::PageListing(page), expected);
    EXPECT_EQ(std::make_pair(page.calls[0].pen, page.calls[4].pen),
              std::make_pair(RGB(0, 255, 0), RGB(128, 128, 0)));
}

// Closing and the displays of a vessel that has gone: store, tell the mode,
// delete. (The end of a run closes every display and cancels the box: the
// ends of the flights' transcripts.)
TEST_F(Framework, ClosingStoresTellsTheModeThenDeletes) {
    ASSERT_TRUE(Open(ship, 0));
    trail.clear();
    Close(ship, 0);
    const std::vector<std::string> expected = {"store", "msg 2 at 0 0x0", "destroy"};
    EXPECT_EQ(trail, expected);
    EXPECT_EQ(host::DisplayObject(ship, 0), nullptr);
    std::string error;
    EXPECT_FALSE(host::CloseDisplay(ship, 0, &error));
    EXPECT_EQ(error, "display Ship 0 is not open");

    ASSERT_TRUE(Open(ship, 0));
    trail.clear();
    host::DeleteNow(ship);
    EXPECT_EQ(trail, expected);
    host::Page page;
    EXPECT_FALSE(host::DrawPage(ship, 0, &page, &error));
}

// A box opened by the open box's own callback takes its place; each
// callback that runs leaves an "answered" line. (Keys going to the open box,
// buttons still reaching the display and a box closing the one open:
// input_box_focus.scn.)
TEST_F(Framework, ABoxOpenedByTheCallbackTakesThePlaceOfTheOpenOne) {
    ASSERT_TRUE(Open(ship, 0));
    TakeTranscript();
    EXPECT_TRUE(Button(ship, 0, 3));
    EXPECT_FALSE(Answer("go")); // accepted, and the callback's own box takes its place
    EXPECT_EQ(host::InputBoxTitle(), "Second");
    EXPECT_TRUE(Answer("yes"));
    std::string lines;
    std::istringstream events(Transcript());
    for (std::string line; std::getline(events, line);)
        if (line.find("input box") != std::string::npos)
            lines += line.substr(11) + "\n";
    EXPECT_EQ(lines, "input box \"Chain\" opened\n"
                     "input box \"Second\" opened\n"
                     "input box \"Chain\" answered \"go\": accepted\n"
                     "input box \"Second\" answered \"yes\": accepted\n");
}

// The steps draw a display on the step after it opened or asked, and else
// every 0.5 s of simulation time, without a transcript line. From START 1.0
// the drawings at 1.8 and 2.3 are 0.4999999999999998 s apart, computed.
// A fresh drawing for PRINT PAGE does not count.
TEST_F(Framework, TheStepsDrawADisplayWhenItAsksAndEveryHalfSecond) {
    host::World().startTime = host::World().simTime = 1.0;
    ASSERT_TRUE(Open(ship, 0));
    drawnAt.clear();
    TakeTranscript();
    host::RunSteps(3);
    Draw(ship, 0);
    host::RunSteps(4);
    EXPECT_EQ(TakeTranscript(), "");
    host::DisplayObject(ship, 0)->InvalidateDisplay();
    host::RunSteps(11);
    const auto at = [](int steps) { return 1.0 + steps * 0.1; };
    EXPECT_EQ(drawnAt, (std::vector<double>{at(1), at(3), at(6), at(8), at(13), at(18)}));
    EXPECT_EQ(TakeTranscript(), "[   1.700] display Ship 0: redraw requested\n");
}

} // namespace
