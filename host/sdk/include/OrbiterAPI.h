// Types, constants and free functions of the simulator's plug-in API.
#ifndef ORBITERAPI_H
#define ORBITERAPI_H

#ifdef TARSEL_SDK_2016
// The 2016 release's headers use Windows' min and max macros, which
// Microsoft's <windows.h> defines for C++ too unless the build defines
// NOMINMAX. MinGW-w64's defines them for C only, and its C++ library defines
// NOMINMAX of its own accord (then __GLIBCXX__ is there as well): so they are
// defined below, as Microsoft's, unless the build asked for NOMINMAX.
#if !defined(NOMINMAX) || (defined(__MINGW32__) && defined(__GLIBCXX__))
#define TARSEL_SDK_2016_MINMAX
#endif
#endif

#ifdef _WIN32
#include <windows.h>
#define DLLEXPORT __declspec(dllexport)
#define DLLIMPORT __declspec(dllimport)
#else
#include "Win32Subset.h"
#define DLLEXPORT __attribute__((visibility("default")))
#define DLLIMPORT
#endif

#include <stddef.h>
#include <stdint.h>

#ifdef TARSEL_SDK_2016_MINMAX
#ifndef max
#define max(a, b) (((a) > (b)) ? (a) : (b))
#endif
#ifndef min
#define min(a, b) (((a) < (b)) ? (a) : (b))
#endif
#endif

#define DLLCLBK extern "C" DLLEXPORT

// The host builds with OAPI_IMPLEMENTATION and exports the API; modules import it.
#ifdef OAPI_IMPLEMENTATION
#define OAPIFUNC DLLEXPORT
#else
#define OAPIFUNC DLLIMPORT
#endif

// The 2016 release has no OAPI_MSGTYPE: its message procedure returns int.
#ifndef TARSEL_SDK_2016
#if defined(_WIN64)
#define OAPI_MSGTYPE LRESULT
#elif defined(_WIN32)
#define OAPI_MSGTYPE int
#else
#define OAPI_MSGTYPE intptr_t
#endif
#endif

typedef union {
    double data[3];
    struct {
        double x, y, z;
    };
} VECTOR3;

typedef union {
    double data[9];
    struct {
        double m11, m12, m13, m21, m22, m23, m31, m32, m33;
    };
} MATRIX3;

typedef void *OBJHANDLE;
typedef void *PROPELLANT_HANDLE;
typedef void *DOCKHANDLE;
typedef void *FILEHANDLE;

// Display-mode messages
#define OAPI_MSG_MFD_OPENED 1
#define OAPI_MSG_MFD_CLOSED 2
#define OAPI_MSG_MFD_UPDATE 3
#define OAPI_MSG_MFD_OPENEDEX 4

// Mouse events on display buttons
#define PANEL_MOUSE_LBDOWN 0x01
#define PANEL_MOUSE_RBDOWN 0x02
#define PANEL_MOUSE_LBUP 0x04
#define PANEL_MOUSE_RBUP 0x08
#define PANEL_MOUSE_LBPRESSED 0x10
#define PANEL_MOUSE_RBPRESSED 0x20

#define MAXMFD 12
#define MFD_LEFT 0
#define MFD_RIGHT 1
#define MFD_USER1 2
#define MFD_USER2 3
#define MFD_USER3 4
#define MFD_USER4 5
#define MFD_USER5 6
#define MFD_USER6 7
#define MFD_USER7 8
#define MFD_USER8 9
#define MFD_USER9 10
#define MFD_USER10 11

// Keyboard scan codes
#define OAPI_KEY_ESCAPE 0x01
#define OAPI_KEY_1 0x02
#define OAPI_KEY_2 0x03
#define OAPI_KEY_3 0x04
#define OAPI_KEY_4 0x05
#define OAPI_KEY_5 0x06
#define OAPI_KEY_6 0x07
#define OAPI_KEY_7 0x08
#define OAPI_KEY_8 0x09
#define OAPI_KEY_9 0x0A
#define OAPI_KEY_0 0x0B
#define OAPI_KEY_MINUS 0x0C
#define OAPI_KEY_EQUALS 0x0D
#define OAPI_KEY_BACK 0x0E
#define OAPI_KEY_TAB 0x0F
#define OAPI_KEY_Q 0x10
#define OAPI_KEY_W 0x11
#define OAPI_KEY_E 0x12
#define OAPI_KEY_R 0x13
#define OAPI_KEY_T 0x14
#define OAPI_KEY_Y 0x15
#define OAPI_KEY_U 0x16
#define OAPI_KEY_I 0x17
#define OAPI_KEY_O 0x18
#define OAPI_KEY_P 0x19
#define OAPI_KEY_LBRACKET 0x1A
#define OAPI_KEY_RBRACKET 0x1B
#define OAPI_KEY_RETURN 0x1C
#define OAPI_KEY_LCONTROL 0x1D
#define OAPI_KEY_A 0x1E
#define OAPI_KEY_S 0x1F
#define OAPI_KEY_D 0x20
#define OAPI_KEY_F 0x21
#define OAPI_KEY_G 0x22
#define OAPI_KEY_H 0x23
#define OAPI_KEY_J 0x24
#define OAPI_KEY_K 0x25
#define OAPI_KEY_L 0x26
#define OAPI_KEY_SEMICOLON 0x27
#define OAPI_KEY_APOSTROPHE 0x28
#define OAPI_KEY_GRAVE 0x29
#define OAPI_KEY_LSHIFT 0x2A
#define OAPI_KEY_BACKSLASH 0x2B
#define OAPI_KEY_Z 0x2C
#define OAPI_KEY_X 0x2D
#define OAPI_KEY_C 0x2E
#define OAPI_KEY_V 0x2F
#define OAPI_KEY_B 0x30
#define OAPI_KEY_N 0x31
#define OAPI_KEY_M 0x32
#define OAPI_KEY_COMMA 0x33
#define OAPI_KEY_PERIOD 0x34
#define OAPI_KEY_SLASH 0x35
#define OAPI_KEY_RSHIFT 0x36
#define OAPI_KEY_MULTIPLY 0x37
#define OAPI_KEY_LALT 0x38
#define OAPI_KEY_SPACE 0x39
#define OAPI_KEY_CAPITAL 0x3A
#define OAPI_KEY_F1 0x3B
#define OAPI_KEY_F2 0x3C
#define OAPI_KEY_F3 0x3D
#define OAPI_KEY_F4 0x3E
#define OAPI_KEY_F5 0x3F
#define OAPI_KEY_F6 0x40
#define OAPI_KEY_F7 0x41
#define OAPI_KEY_F8 0x42
#define OAPI_KEY_F9 0x43
#define OAPI_KEY_F10 0x44
#define OAPI_KEY_NUMLOCK 0x45
#define OAPI_KEY_SCROLL 0x46
#define OAPI_KEY_NUMPAD7 0x47
#define OAPI_KEY_NUMPAD8 0x48
#define OAPI_KEY_NUMPAD9 0x49
#define OAPI_KEY_SUBTRACT 0x4A
#define OAPI_KEY_NUMPAD4 0x4B
#define OAPI_KEY_NUMPAD5 0x4C
#define OAPI_KEY_NUMPAD6 0x4D
#define OAPI_KEY_ADD 0x4E
#define OAPI_KEY_NUMPAD1 0x4F
#define OAPI_KEY_NUMPAD2 0x50
#define OAPI_KEY_NUMPAD3 0x51
#define OAPI_KEY_NUMPAD0 0x52
#define OAPI_KEY_DECIMAL 0x53
#define OAPI_KEY_OEM_102 0x56
#define OAPI_KEY_F11 0x57
#define OAPI_KEY_F12 0x58
#define OAPI_KEY_NUMPADENTER 0x9C
#define OAPI_KEY_RCONTROL 0x9D
#define OAPI_KEY_DIVIDE 0xB5
#define OAPI_KEY_SYSRQ 0xB7
#define OAPI_KEY_RALT 0xB8
#define OAPI_KEY_HOME 0xC7
#define OAPI_KEY_UP 0xC8
#define OAPI_KEY_PRIOR 0xC9
#define OAPI_KEY_LEFT 0xCB
#define OAPI_KEY_RIGHT 0xCD
#define OAPI_KEY_END 0xCF
#define OAPI_KEY_DOWN 0xD0
#define OAPI_KEY_NEXT 0xD1
#define OAPI_KEY_INSERT 0xD2
#define OAPI_KEY_DELETE 0xD3

// Display-mode registration. The plain form is deprecated in favour of the
// extended one; the host accepts both.
typedef struct {
    char *name;
    DWORD key;
#ifdef TARSEL_SDK_2016
    int (*msgproc)(UINT, UINT, WPARAM, LPARAM);
#else
    OAPI_MSGTYPE (*msgproc)(UINT, UINT, WPARAM, LPARAM);
#endif
} MFDMODESPEC;

typedef struct {
    char *name;
    DWORD key;
    void *context;
#ifdef TARSEL_SDK_2016
    int (*msgproc)(UINT, UINT, WPARAM, LPARAM);
#else
    OAPI_MSGTYPE (*msgproc)(UINT, UINT, WPARAM, LPARAM);
#endif
} MFDMODESPECEX;

// What OAPI_MSG_MFD_OPENEDEX points to: the display's size and the mode's
// registration record.
typedef struct {
    DWORD w, h;
    MFDMODESPECEX *spec;
} MFDMODEOPENSPEC;

#pragma pack(push, 1)
typedef struct {
    const char *line1, *line2;
    char selchar;
} MFDBUTTONMENU;
#pragma pack(pop)

#define BEACONSHAPE_COMPACT 0
#define BEACONSHAPE_DIFFUSE 1
#define BEACONSHAPE_STAR 2

// The host keeps the pointer: the record and its pos and col targets must
// outlive the beacon.
typedef struct {
    DWORD shape;
    VECTOR3 *pos;
    VECTOR3 *col;
    double size;
    double falloff;
    double period;
    double duration;
    double tofs;
    bool active;
} BEACONLIGHTSPEC;

#define VS_FUELRESET 0x1
#define VS_FUELLIST 0x2
#define VS_THRUSTRESET 0x4
#define VS_THRUSTLIST 0x8
#define VS_DOCKINFOLIST 0x10

typedef struct {
    DWORD version;
    DWORD flag;
    OBJHANDLE rbody;
    OBJHANDLE base;
    int port;
    int status;
    VECTOR3 rpos;
    VECTOR3 rvel;
    VECTOR3 vrot;
    VECTOR3 arot;
    double surf_lng;
    double surf_lat;
    double surf_hdg;
    DWORD nfuel;
    struct FUELSPEC {
        DWORD idx;
        double level;
    } * fuel;
    DWORD nthruster;
    struct THRUSTSPEC {
        DWORD idx;
        double level;
    } * thruster;
    DWORD ndockinfo;
    struct DOCKINFOSPEC {
        DWORD idx;
        DWORD ridx;
        OBJHANDLE rvessel;
    } * dockinfo;
    DWORD xpdr;
} VESSELSTATUS2;

class VESSEL;

// Display modes and input boxes
OAPIFUNC int oapiRegisterMFDMode(MFDMODESPEC &spec);
OAPIFUNC int oapiRegisterMFDMode(MFDMODESPECEX &spec);
OAPIFUNC bool oapiUnregisterMFDMode(int mode);
OAPIFUNC void oapiOpenInputBox(char *title, bool (*Clbk)(void *, char *, void *), char *buf = 0,
                               int vislen = 20, void *usrdata = 0);

// Object list
OAPIFUNC DWORD oapiGetObjectCount();
OAPIFUNC OBJHANDLE oapiGetObjectByIndex(int index);
OAPIFUNC OBJHANDLE oapiGetObjectByName(char *name);
OAPIFUNC void oapiGetObjectName(OBJHANDLE hObj, char *name, int n);
OAPIFUNC double oapiGetMass(OBJHANDLE hObj);
OAPIFUNC double oapiGetSize(OBJHANDLE hObj);
OAPIFUNC OBJHANDLE oapiGetGbodyByIndex(int index);
OAPIFUNC void oapiGetRelativePos(OBJHANDLE hObj, OBJHANDLE hRef, VECTOR3 *pos);
OAPIFUNC void oapiGetRelativeVel(OBJHANDLE hObj, OBJHANDLE hRef, VECTOR3 *vel);

// Vessels
OAPIFUNC VESSEL *oapiGetVesselInterface(OBJHANDLE hVessel);
OAPIFUNC bool oapiIsVessel(OBJHANDLE hVessel);
OAPIFUNC OBJHANDLE oapiCreateVesselEx(const char *name, const char *classname, const void *status);
OAPIFUNC bool oapiDeleteVessel(OBJHANDLE hVessel, OBJHANDLE hAlternativeCameraTarget = 0);

// Camera and time
OAPIFUNC OBJHANDLE oapiCameraTarget();
OAPIFUNC double oapiCameraAperture();
OAPIFUNC void oapiCameraSetAperture(double aperture);
OAPIFUNC double oapiGetSimTime();

// A module defines ORBITER_MODULE in exactly one of its sources, before it
// includes the SDK, and so carries its build date. The genuine header also
// calls a function of the SDK's static library here, which binds that library
// and its DllMain to the module; this SDK has no such library, so nothing is
// called.
#ifdef ORBITER_MODULE
DLLCLBK char *ModuleDate() {
    return (char *)__DATE__;
}
#endif

#endif
