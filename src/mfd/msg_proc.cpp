#include "mfd/msg_proc.h"

#include "mfd/drive_mfd.h"

#include <new>

OAPI_MSGTYPE MsgProc(UINT msg, UINT mfd, WPARAM wparam, LPARAM lparam) {
    if (msg != OAPI_MSG_MFD_OPENED || !lparam)
        return 0;
    DriveMFD *display = new (std::nothrow)
        DriveMFD(LOWORD(wparam), HIWORD(wparam), reinterpret_cast<VESSEL *>(lparam), mfd);
    if (!display)
        return 0;
    // Without its drive or state the display could show and do nothing.
    if (!display->drive || !display->state) {
        delete display;
        return 0;
    }
    return reinterpret_cast<OAPI_MSGTYPE>(display);
}
