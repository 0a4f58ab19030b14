#include "platform/drawing_surface.h"
#include "posix/win32/gdi_objects.h"

#include <cstring>
#include <set>

namespace host {
namespace {

std::set<const void *> &LiveObjects() {
    static std::set<const void *> live;
    return live;
}

std::set<const void *> &LiveContexts() {
    static std::set<const void *> live;
    return live;
}

int &CreatedBrushes() {
    static int count = 0;
    return count;
}

RecordingDC *LookUpDC(HDC hdc) {
    return LiveContexts().count(hdc) ? reinterpret_cast<RecordingDC *>(hdc) : nullptr;
}

GdiObject MakeStock(UINT type, COLORREF colour, UINT penStyle, bool hollow) {
    GdiObject o;
    o.type = type;
    o.colour = colour;
    o.penStyle = penStyle;
    o.hollow = hollow;
    return o;
}

// Index by the GetStockObject number.
GdiObject *StockObjects() {
    static GdiObject stock[] = {
        MakeStock(OBJ_BRUSH, RGB(255, 255, 255), PS_SOLID, false),
        MakeStock(OBJ_BRUSH, RGB(192, 192, 192), PS_SOLID, false),
        MakeStock(OBJ_BRUSH, RGB(128, 128, 128), PS_SOLID, false),
        MakeStock(OBJ_BRUSH, RGB(64, 64, 64), PS_SOLID, false),
        MakeStock(OBJ_BRUSH, RGB(0, 0, 0), PS_SOLID, false),
        MakeStock(OBJ_BRUSH, 0, PS_SOLID, true),
        MakeStock(OBJ_PEN, RGB(255, 255, 255), PS_SOLID, false),
        MakeStock(OBJ_PEN, RGB(0, 0, 0), PS_SOLID, false),
        MakeStock(OBJ_PEN, 0, PS_NULL, false),
    };
    static bool registered = false;
    if (!registered) {
        for (GdiObject &o : stock)
            RegisterGdiObject(&o);
        registered = true;
    }
    return stock;
}

constexpr int kStockCount = NULL_PEN + 1;

} // namespace

void RegisterGdiObject(GdiObject *o) {
    LiveObjects().insert(o);
}
void UnregisterGdiObject(GdiObject *o) {
    LiveObjects().erase(o);
}

GdiObject *LookUpGdiObject(const void *h) {
    StockObjects();
    return LiveObjects().count(h) ? static_cast<GdiObject *>(const_cast<void *>(h)) : nullptr;
}

int LiveCreatedBrushCount() {
    return CreatedBrushes();
}

// A new context as the display hands it to Update: the stock black pen and
// white brush of a fresh Windows context; the display selects its own font
// and text colour before drawing.
RecordingDC::RecordingDC() : pen(&StockObjects()[BLACK_PEN]), brush(&StockObjects()[WHITE_BRUSH]) {
    LiveContexts().insert(this);
}

RecordingDC::~RecordingDC() {
    LiveContexts().erase(this);
}

} // namespace host

using host::GdiObject;
using host::LookUpDC;
using host::LookUpGdiObject;
using host::RecordingDC;

HGDIOBJ WINAPI GetCurrentObject(HDC hdc, UINT type) {
    RecordingDC *dc = LookUpDC(hdc);
    if (!dc)
        return nullptr;
    switch (type) {
    case OBJ_PEN:
        return dc->pen;
    case OBJ_BRUSH:
        return dc->brush;
    case OBJ_FONT:
        return dc->font;
    default:
        return nullptr;
    }
}

int WINAPI GetObjectA(HANDLE h, int c, LPVOID pv) {
    GdiObject *o = LookUpGdiObject(h);
    if (!o || o->type != OBJ_PEN)
        return 0; // only pens are described
    if (!pv)
        return sizeof(LOGPEN);
    if (c < static_cast<int>(sizeof(LOGPEN)))
        return 0;
    LOGPEN pen;
    pen.lopnStyle = o->penStyle;
    pen.lopnWidth.x = 0; // every pen here is a thin one, drawn one pixel wide
    pen.lopnWidth.y = 0;
    pen.lopnColor = o->colour;
    std::memcpy(pv, &pen, sizeof pen);
    return sizeof(LOGPEN);
}

HBRUSH WINAPI CreateSolidBrush(COLORREF color) {
    GdiObject *o = new GdiObject;
    o->type = OBJ_BRUSH;
    o->colour = color;
    o->deletable = true;
    host::RegisterGdiObject(o);
    ++host::CreatedBrushes();
    return reinterpret_cast<HBRUSH>(o);
}

HGDIOBJ WINAPI SelectObject(HDC hdc, HGDIOBJ h) {
    RecordingDC *dc = LookUpDC(hdc);
    GdiObject *o = LookUpGdiObject(h);
    if (!dc || !o)
        return nullptr;
    GdiObject **slot = o->type == OBJ_PEN     ? &dc->pen
                       : o->type == OBJ_BRUSH ? &dc->brush
                                              : &dc->font;
    GdiObject *previous = *slot;
    *slot = o;
    return previous;
}

HGDIOBJ WINAPI GetStockObject(int i) {
    if (i < 0 || i >= host::kStockCount)
        return nullptr;
    return &host::StockObjects()[i];
}

BOOL WINAPI DeleteObject(HGDIOBJ ho) {
    GdiObject *o = LookUpGdiObject(ho);
    if (!o)
        return FALSE;
    if (!o->deletable)
        return TRUE; // stock and display objects are never freed, as on Windows
    host::UnregisterGdiObject(o);
    --host::CreatedBrushes();
    delete o;
    return TRUE;
}

BOOL WINAPI Rectangle(HDC hdc, int left, int top, int right, int bottom) {
    RecordingDC *dc = LookUpDC(hdc);
    if (!dc)
        return FALSE;
    host::DrawCall call;
    call.kind = host::DrawCall::Rect;
    call.left = left;
    call.top = top;
    call.right = right;
    call.bottom = bottom;
    call.filled = dc->brush && !dc->brush->hollow;
    call.fill = call.filled ? dc->brush->colour : 0;
    call.outlined = dc->pen && dc->pen->penStyle != PS_NULL;
    call.pen = call.outlined ? dc->pen->colour : 0;
    dc->calls.push_back(call);
    return TRUE;
}

COLORREF WINAPI SetTextColor(HDC hdc, COLORREF color) {
    RecordingDC *dc = LookUpDC(hdc);
    if (!dc)
        return 0xFFFFFFFF; // CLR_INVALID
    COLORREF previous = dc->textColour;
    dc->textColour = color;
    return previous;
}

BOOL WINAPI TextOutA(HDC hdc, int x, int y, LPCSTR lpString, int c) {
    RecordingDC *dc = LookUpDC(hdc);
    if (!dc || c < 0 || (c > 0 && !lpString))
        return FALSE;
    host::DrawCall call;
    call.kind = host::DrawCall::Text;
    call.x = x;
    call.y = y;
    call.text.assign(lpString ? lpString : "", static_cast<size_t>(c));
    call.font = dc->font ? dc->font->fontIndex : -1;
    call.colour = dc->textColour;
    dc->calls.push_back(call);
    return TRUE;
}
