// A display object of a module built with Microsoft's C++ ABI: its base part
// made by the bridge, its virtual table in Microsoft's order. The framework's
// calls must reach the right slots, and the object must be destroyed through
// its one deleting destructor.
#include "display/module_display.h"
#include "platform/foreign_displays.h"
#include "windows/msvc_constructors.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

std::string calls; // what the object was asked, in order

// The slots as Microsoft's compiler orders them.
struct MsvcTable {
    void *(*destroy)(MFD *, unsigned);
    void (*update)(MFD *, HDC);
    bool (*consumeKeyBuffered)(MFD *, DWORD);
    bool (*consumeKeyImmediate)(MFD *, char *);
    bool (*consumeButton)(MFD *, int, int);
    char *(*buttonLabel)(MFD *, int);
    int (*buttonMenu)(const MFD *, const MFDBUTTONMENU **);
    void (*writeStatus)(const MFD *, FILEHANDLE);
    void (*readStatus)(MFD *, FILEHANDLE);
    void (*storeStatus)(const MFD *);
    void (*recallStatus)(MFD *);
};

char label[] = "CHG";

const MsvcTable kTable = {
    // As a module's destructor does: its own part, then the base's.
    [](MFD *d, unsigned flags) -> void * {
        calls += "destroy " + std::to_string(flags) + ";";
        TarselMsvcMfdDestruct(d);
        return d;
    },
    [](MFD *, HDC) { calls += "update;"; },
    // Each answer its own, after noting the call.
    [](MFD *, DWORD key) { return calls += "key " + std::to_string(key) + ";", key == 0x2E; },
    [](MFD *, char *) { return calls += "immediate;", false; },
    [](MFD *, int bt, int event) {
        return calls += "button " + std::to_string(bt) + " " + std::to_string(event) + ";", true;
    },
    [](MFD *, int bt) { return calls += "label " + std::to_string(bt) + ";", label; },
    [](const MFD *, const MFDBUTTONMENU **) { return calls += "menu;", 7; },
    [](const MFD *, FILEHANDLE) { calls += "write;"; },
    [](MFD *, FILEHANDLE) { calls += "read;"; },
    [](const MFD *) { calls += "store;"; },
    [](MFD *) { calls += "recall;"; },
};

TEST(MsvcBridge, TheFrameworkCallsTheObjectThroughMicrosoftsTable) {
    alignas(MFD) unsigned char storage[sizeof(MFD)];
    MFD *display = TarselMsvcMfdConstruct(reinterpret_cast<MFD *>(storage), 300, 420, nullptr);
    ASSERT_EQ(display, reinterpret_cast<MFD *>(storage)) << "a constructor returns this";
    DWORD size[2]; // W and H, where Microsoft's compiler places them: after the table pointer
    std::memcpy(size, storage + sizeof(void *), sizeof size);
    EXPECT_EQ(size[0], 300u);
    EXPECT_EQ(size[1], 420u);
    *reinterpret_cast<const MsvcTable **>(display) = &kTable; // as the module's constructor does
    calls.clear();

    const host::DisplayCalls &via = host::CallsOf(display);
    via.update(display, nullptr);
    EXPECT_TRUE(via.consumeKeyBuffered(display, 0x2E));
    EXPECT_TRUE(via.consumeButton(display, 3, 1));
    EXPECT_EQ(via.buttonLabel(display, 5), label);
    const MFDBUTTONMENU *menu = nullptr;
    EXPECT_EQ(via.buttonMenu(display, &menu), 7);
    via.storeStatus(display);
    via.recallStatus(display);
    via.destroy(display);
    EXPECT_EQ(calls, "update;key 46;button 3 1;label 5;menu;store;recall;destroy 1;");
    EXPECT_EQ(host::ForeignDisplayCalls(display), nullptr) << "forgotten once destroyed";
}

} // namespace
