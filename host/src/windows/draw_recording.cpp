#include "windows/draw_recording.h"

#include "display/default_styles.h"
#include "platform/default_objects.h"
#include "platform/drawing_surface.h"

#include <cstring>
#include <map>
#include <set>

namespace host {
namespace {

struct Recording {
    DWORD displayHeight;
    std::vector<DrawCall> *calls;
};

std::map<HDC, Recording> &Recordings() {
    static std::map<HDC, Recording> recordings;
    return recordings;
}

std::set<HGDIOBJ> &CreatedBrushes() {
    static std::set<HGDIOBJ> brushes;
    return brushes;
}

// gdi32's own functions, which the redirected imports no longer reach.
template <typename F> F Real(const char *name) {
    return reinterpret_cast<F>(
        reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleA("gdi32.dll"), name)));
}

int FontIndex(HDC dc, DWORD displayHeight) {
    HGDIOBJ font = GetCurrentObject(dc, OBJ_FONT);
    for (DWORD i = 0; i < kDefaultFontCount; ++i)
        if (font == DefaultFont(i, displayHeight))
            return static_cast<int>(i);
    return -1;
}

// Notes the call that make describes when GDI carried it out on a context
// being recorded; the result is GDI's.
template <typename Make> BOOL Noted(HDC dc, BOOL drawn, Make make) {
    auto it = Recordings().find(dc);
    if (drawn && it != Recordings().end())
        it->second.calls->push_back(make(it->second));
    return drawn;
}

BOOL WINAPI RecordedTextOutA(HDC dc, int x, int y, LPCSTR text, int length) {
    static const auto real = Real<decltype(&TextOutA)>("TextOutA");
    return Noted(dc, real(dc, x, y, text, length), [&](const Recording &recording) {
        DrawCall call;
        call.kind = DrawCall::Text;
        call.x = x;
        call.y = y;
        call.text.assign(text ? text : "", text ? static_cast<size_t>(length) : 0);
        call.font = FontIndex(dc, recording.displayHeight);
        call.colour = GetTextColor(dc);
        return call;
    });
}

BOOL WINAPI RecordedRectangle(HDC dc, int left, int top, int right, int bottom) {
    static const auto real = Real<decltype(&Rectangle)>("Rectangle");
    return Noted(dc, real(dc, left, top, right, bottom), [&](const Recording &) {
        LOGBRUSH brush{};
        GetObjectA(GetCurrentObject(dc, OBJ_BRUSH), sizeof brush, &brush);
        LOGPEN pen{};
        GetObjectA(GetCurrentObject(dc, OBJ_PEN), sizeof pen, &pen);
        DrawCall call;
        call.kind = DrawCall::Rect;
        call.left = left;
        call.top = top;
        call.right = right;
        call.bottom = bottom;
        call.filled = brush.lbStyle != BS_NULL;
        call.fill = call.filled ? brush.lbColor : 0;
        call.outlined = pen.lopnStyle != PS_NULL;
        call.pen = call.outlined ? pen.lopnColor : 0;
        return call;
    });
}

HBRUSH WINAPI CountedCreateSolidBrush(COLORREF colour) {
    static const auto real = Real<decltype(&CreateSolidBrush)>("CreateSolidBrush");
    HBRUSH brush = real(colour);
    if (brush)
        CreatedBrushes().insert(brush);
    return brush;
}

BOOL WINAPI CountedDeleteObject(HGDIOBJ object) {
    static const auto real = Real<decltype(&DeleteObject)>("DeleteObject");
    const BOOL deleted = real(object);
    if (deleted)
        CreatedBrushes().erase(object);
    return deleted;
}

struct Redirect {
    const char *name;
    void *function;
};

const Redirect kRedirects[] = {
    {"TextOutA", reinterpret_cast<void *>(RecordedTextOutA)},
    {"Rectangle", reinterpret_cast<void *>(RecordedRectangle)},
    {"CreateSolidBrush", reinterpret_cast<void *>(CountedCreateSolidBrush)},
    {"DeleteObject", reinterpret_cast<void *>(CountedDeleteObject)},
};

void *RedirectFor(const char *name) {
    for (const Redirect &r : kRedirects)
        if (std::strcmp(r.name, name) == 0)
            return r.function;
    return nullptr;
}

void Overwrite(ULONG_PTR *slot, void *function) {
    DWORD protection = 0;
    if (!VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &protection))
        return;
    *slot = reinterpret_cast<ULONG_PTR>(function);
    VirtualProtect(slot, sizeof *slot, protection, &protection);
}

// The import address table entries of one imported library, by name.
void RedirectImports(BYTE *base, const IMAGE_IMPORT_DESCRIPTOR &imports) {
    const DWORD names =
        imports.OriginalFirstThunk ? imports.OriginalFirstThunk : imports.FirstThunk;
    auto *name = reinterpret_cast<IMAGE_THUNK_DATA *>(base + names);
    auto *slot = reinterpret_cast<IMAGE_THUNK_DATA *>(base + imports.FirstThunk);
    for (; name->u1.AddressOfData; ++name, ++slot) {
        if (IMAGE_SNAP_BY_ORDINAL(name->u1.Ordinal))
            continue;
        auto *byName = reinterpret_cast<IMAGE_IMPORT_BY_NAME *>(base + name->u1.AddressOfData);
        if (void *function = RedirectFor(reinterpret_cast<const char *>(byName->Name)))
            Overwrite(&slot->u1.Function, function);
    }
}

} // namespace

void RecordDrawingOf(HMODULE library) {
    auto *base = reinterpret_cast<BYTE *>(library);
    const auto *dos = reinterpret_cast<IMAGE_DOS_HEADER *>(base);
    const auto *nt = reinterpret_cast<IMAGE_NT_HEADERS *>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY &directory =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (!directory.VirtualAddress)
        return;
    for (auto *imports =
             reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR *>(base + directory.VirtualAddress);
         imports->Name; ++imports)
        if (_stricmp(reinterpret_cast<const char *>(base + imports->Name), "gdi32.dll") == 0)
            RedirectImports(base, *imports);
}

void StartRecording(HDC dc, DWORD displayHeight, std::vector<DrawCall> *calls) {
    Recordings()[dc] = Recording{displayHeight, calls};
}

void StopRecording(HDC dc) {
    Recordings().erase(dc);
}

int LiveCreatedBrushCount() {
    return static_cast<int>(CreatedBrushes().size());
}

} // namespace host
