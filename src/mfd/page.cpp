// The display's page, drawn whole at every call. It allocates nothing: texts
// go through one fixed buffer and the one fill brush is made on the very
// first call of any display.
#include "mfd/drive_mfd.h"
#include "mfd/page_layout.h"
#include "module/base/module_state.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kYellow = RGB(255, 255, 0);
constexpr double kAuPerMetre = 6.684581344670383e-12;
constexpr unsigned kTextSize = 128;
constexpr int kObjectNameSize = 80;

// The fill brush every page shares, in the colour of the display's third
// default pen: made at the first drawing after the module is loaded.
HBRUSH sharedBrush = nullptr;
COLORREF sharedBrushColour = 0;

void Draw(HDC hDC, int32_t x, int32_t y, const char *text) {
    TextOutA(hDC, x, y, text, static_cast<int>(std::strlen(text)));
}

void DrawCentred(HDC hDC, const Grid &grid, PageLineIndex line, const char *text) {
    Draw(hDC, grid.CentredX(static_cast<int32_t>(std::strlen(text))), grid.Y(line), text);
}

// Charge as whole percent, truncated; anything out of 0..1 is held at the ends.
int32_t Percent(double charge) {
    double percent = charge * 100.0;
    if (!(percent > 0.0))
        return 0;
    if (percent >= 100.0)
        return 100;
    return static_cast<int32_t>(percent);
}

void MakeSharedBrush(const MFD &display, HDC hDC) {
    display.SelectDefaultPen(hDC, 2);
    LOGPEN pen{};
    GetObjectA(GetCurrentObject(hDC, OBJ_PEN), sizeof pen, &pen);
    sharedBrushColour = pen.lopnColor;
    sharedBrush = CreateSolidBrush(sharedBrushColour);
}

// The jump sequence's remaining progress as one bar.
void DrawSequenceBar(HDC hDC, const Grid &grid, const CellBar &bar, int32_t percent,
                     const char *text) {
    Rectangle(hDC, bar.x0, bar.top, bar.x0 + (bar.width * percent) / 100 + 1, bar.bottom);
    Draw(hDC, grid.CentredX(static_cast<int32_t>(std::strlen(text))), grid.Y(kCapacitorsLine),
         text);
    SelectObject(hDC, GetStockObject(NULL_BRUSH));
    Rectangle(hDC, bar.x0, bar.top, bar.x0 + bar.width + 1, bar.bottom);
}

// Full cells filled, the current one filled as far as charged, the rest outlined.
void DrawCells(HDC hDC, const Grid &grid, const CellBar &bar, int32_t cellIndex, int32_t cellCount,
               int32_t percent, const char *text) {
    const int32_t k = cellIndex > 0 ? cellIndex : 0;
    const int32_t n = cellCount;
    for (int32_t i = 0; i < k; ++i)
        Rectangle(hDC, bar.CellLeft(i, n), bar.top, bar.CellRight(i, n), bar.bottom);
    const int32_t left = bar.CellLeft(k, n);
    Rectangle(hDC, left, bar.top, left + ((bar.width * percent) / 100) / n + 1, bar.bottom);
    const int32_t len = static_cast<int32_t>(std::strlen(text));
    int32_t x = left + (bar.width / n) / 2 - (grid.charWidth - 2) * (len / 2);
    if (x < bar.x0 + 2)
        x = bar.x0 + 2;
    Draw(hDC, x, grid.Y(kCapacitorsLine), text);
    SelectObject(hDC, GetStockObject(NULL_BRUSH));
    for (int32_t j = k; j < n; ++j)
        Rectangle(hDC, bar.CellLeft(j, n), bar.top, bar.CellRight(j, n), bar.bottom);
}

} // namespace

void DriveMFD::ReleasePageBrush() {
    if (sharedBrush) {
        DeleteObject(sharedBrush);
        sharedBrush = nullptr;
    }
}

void DriveMFD::Update(HDC hDC) {
    const Grid grid{charWidth, lineHeight};
    // Without memory for them, or let go of when its vessel was deleted.
    if (!drive || !state) {
        SelectDefaultFont(hDC, 0);
        DrawCentred(hDC, grid, kDriveClassLine, "No drive");
        return;
    }
    if (!sharedBrush)
        MakeSharedBrush(*this, hDC);
    const bool vesselAlive = drive->VesselAlive();
    char text[kTextSize];

    const int32_t cellIndex = drive->GetCellIndex();
    const double range = drive->GetRange(cellIndex);
    SelectDefaultFont(hDC, 0);

    // Drive lines, in the colour the display starts with.
    // Drawn as it stands, cut to the text buffer.
    std::snprintf(text, sizeof text, "%.127s", DriveSettings.ClassName);
    DrawCentred(hDC, grid, kDriveClassLine, text);
    std::snprintf(text, sizeof text, "%5.2em(%5.3fAU)", range, range * kAuPerMetre);
    DrawCentred(hDC, grid, kJumpRangeLine, text);
    std::snprintf(text, sizeof text, "%4.1fkg x %d", DriveSettings.CellCapacity,
                  DriveSettings.Capacitors);
    DrawCentred(hDC, grid, kCapacityLine, text);
    std::snprintf(text, sizeof text, "%4.1fkg/s(%4.1fs)",
                  DriveSettings.CellCapacity / DriveSettings.CellReloadTime,
                  DriveSettings.CellReloadTime);
    DrawCentred(hDC, grid, kChargeRateLine, text);
    const uint32_t mode = static_cast<uint32_t>(state->displayMode);
    DrawCentred(hDC, grid, kDisplayModeLine, mode < 10 ? ModeNames[mode] : "n/a");

    SetTextColor(hDC, kWhite);
    const uint32_t fuel = drive->GetFuelIndex();
    PROPELLANT_HANDLE tank = vesselAlive ? vessel->GetPropellantHandleByIndex(fuel) : nullptr;
    if (tank)
        std::snprintf(text, sizeof text, "%d of %d", static_cast<int>(fuel + 1),
                      static_cast<int>(vessel->GetPropellantCount()));
    else
        std::snprintf(text, sizeof text, "OFF");
    DrawCentred(hDC, grid, kFuelSourceLine, text);
    if (tank)
        std::snprintf(text, sizeof text, "%4.1fkg", vessel->GetPropellantMass(tank));
    else
        std::snprintf(text, sizeof text, "n/a");
    DrawCentred(hDC, grid, kFuelMassLine, text);

    const DWORD count = oapiGetObjectCount();
    if (state->targetIndex >= count)
        state->targetIndex = count - 1;
    OBJHANDLE target = count ? oapiGetObjectByIndex(static_cast<int>(state->targetIndex)) : nullptr;
    if (target) {
        oapiGetObjectName(target, text, kObjectNameSize);
        // The simulator copies as strncpy does: a long name comes unterminated.
        text[kObjectNameSize - 1] = '\0';
    } else {
        std::snprintf(text, sizeof text, "n/a");
    }
    DrawCentred(hDC, grid, kTargetNameLine, text);

    FormatModeValue(target, range, text, sizeof text);
    DrawCentred(hDC, grid, kModeValueLine, text);
    std::snprintf(text, sizeof text, "%7.6em", state->distance);
    DrawCentred(hDC, grid, kDistanceSetLine, text);
    std::snprintf(text, sizeof text, "2nd jump with %d cells", state->secondJumpCells);
    DrawCentred(hDC, grid, kMiscellaneousLine, text);

    SetTextColor(hDC, kYellow);
    SelectObject(hDC, sharedBrush);
    const CellBar bar(grid);
    const int32_t percent = Percent(drive->GetCellCharge());
    FormatPercent(percent, text, sizeof text);
    if (drive->IsJumping()) {
        DrawSequenceBar(hDC, grid, bar, percent, text);
    } else {
        SelectDefaultFont(hDC, 1);
        DrawCells(hDC, grid, bar, cellIndex, drive->GetCellCount(), percent, text);
    }

    SelectDefaultFont(hDC, 1);
    SetTextColor(hDC, sharedBrushColour);
    for (const PageLine &line : PageLines)
        Draw(hDC, grid.charWidth, grid.LineY(line.halfLine), line.label);
}
