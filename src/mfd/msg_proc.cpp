#include "mfd/msg_proc.h"

#include "mfd/drive_mfd.h"

#include <new>

// The simulator writes into the object it gets for OAPI_MSG_MFD_OPENED at
// once, unchecked: a display without its drive or state is still one (it
// says so and refuses every command). Only when not even that can be had is
// there nothing to give.
OAPI_MSGTYPE MsgProc(UINT msg, UINT mfd, WPARAM wparam, LPARAM lparam) {
    if (msg != OAPI_MSG_MFD_OPENED)
        return 0;
    DriveMFD *display = new (std::nothrow)
        DriveMFD(LOWORD(wparam), HIWORD(wparam), reinterpret_cast<VESSEL *>(lparam), mfd);
    return reinterpret_cast<OAPI_MSGTYPE>(display);
}
