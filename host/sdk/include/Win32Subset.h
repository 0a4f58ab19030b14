// The part of the Windows API that modules of this SDK use, for builds that
// have no <windows.h>. Types have the widths they have on Windows; the host
// implements the functions.
#ifndef WIN32SUBSET_H
#define WIN32SUBSET_H

#include <stdint.h>

#define WINAPI
#define CALLBACK
#define WIN32_API extern "C" __attribute__((visibility("default")))

typedef uint8_t BYTE;
typedef uint16_t WORD;
typedef uint32_t DWORD;
typedef int32_t LONG;
typedef unsigned int UINT;
typedef int BOOL;
typedef uint32_t COLORREF;
typedef uintptr_t WPARAM;
typedef intptr_t LPARAM;
typedef intptr_t LRESULT;
typedef intptr_t INT_PTR;
typedef char CHAR;
typedef const char *LPCSTR;
typedef char *LPSTR;
typedef void *LPVOID;
typedef void *HANDLE;
typedef void *HINSTANCE;
typedef void *HMODULE;
typedef void *HGDIOBJ;
typedef struct HDC__ *HDC;
typedef struct HPEN__ *HPEN;
typedef struct HBRUSH__ *HBRUSH;
typedef struct HFONT__ *HFONT;
typedef struct HWND__ *HWND;
typedef INT_PTR(WINAPI *FARPROC)();

#ifndef TRUE
#define TRUE 1
#define FALSE 0
#endif

#define MAKELONG(a, b)                                                                             \
    ((LONG)(((WORD)((uintptr_t)(a)&0xffff)) | ((DWORD)((WORD)((uintptr_t)(b)&0xffff))) << 16))
#define MAKEWPARAM(l, h) ((WPARAM)(DWORD)MAKELONG(l, h))
#define LOWORD(l) ((WORD)((uintptr_t)(l)&0xffff))
#define HIWORD(l) ((WORD)(((uintptr_t)(l) >> 16) & 0xffff))

#define RGB(r, g, b)                                                                               \
    ((COLORREF)(((BYTE)(r) | ((WORD)((BYTE)(g)) << 8)) | (((DWORD)(BYTE)(b)) << 16)))
#define GetRValue(rgb) ((BYTE)(rgb))
#define GetGValue(rgb) ((BYTE)(((WORD)(rgb)) >> 8))
#define GetBValue(rgb) ((BYTE)((rgb) >> 16))

typedef struct tagPOINT {
    LONG x;
    LONG y;
} POINT;

typedef struct tagLOGPEN {
    UINT lopnStyle;
    POINT lopnWidth;
    COLORREF lopnColor;
} LOGPEN;

#define PS_SOLID 0
#define PS_DASH 1
#define PS_DOT 2
#define PS_NULL 5

#define OBJ_PEN 1
#define OBJ_BRUSH 2
#define OBJ_FONT 6

#define WHITE_BRUSH 0
#define LTGRAY_BRUSH 1
#define GRAY_BRUSH 2
#define DKGRAY_BRUSH 3
#define BLACK_BRUSH 4
#define NULL_BRUSH 5
#define HOLLOW_BRUSH NULL_BRUSH
#define WHITE_PEN 6
#define BLACK_PEN 7
#define NULL_PEN 8

// GDI
WIN32_API HGDIOBJ WINAPI GetCurrentObject(HDC hdc, UINT type);
WIN32_API int WINAPI GetObjectA(HANDLE h, int c, LPVOID pv);
WIN32_API HBRUSH WINAPI CreateSolidBrush(COLORREF color);
WIN32_API HGDIOBJ WINAPI SelectObject(HDC hdc, HGDIOBJ h);
WIN32_API HGDIOBJ WINAPI GetStockObject(int i);
WIN32_API BOOL WINAPI DeleteObject(HGDIOBJ ho);
WIN32_API BOOL WINAPI Rectangle(HDC hdc, int left, int top, int right, int bottom);
WIN32_API COLORREF WINAPI SetTextColor(HDC hdc, COLORREF color);
WIN32_API BOOL WINAPI TextOutA(HDC hdc, int x, int y, LPCSTR lpString, int c);

// Profile (INI) files
WIN32_API DWORD WINAPI GetPrivateProfileStringA(LPCSTR lpAppName, LPCSTR lpKeyName,
                                                LPCSTR lpDefault, LPSTR lpReturnedString,
                                                DWORD nSize, LPCSTR lpFileName);
WIN32_API BOOL WINAPI WritePrivateProfileStringA(LPCSTR lpAppName, LPCSTR lpKeyName,
                                                 LPCSTR lpString, LPCSTR lpFileName);

// Loaded libraries
WIN32_API HMODULE WINAPI GetModuleHandleA(LPCSTR lpModuleName);
WIN32_API FARPROC WINAPI GetProcAddress(HMODULE hModule, LPCSTR lpProcName);

#endif
