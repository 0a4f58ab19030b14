// The display mode's message procedure, given to the host at registration.
#ifndef TARSEL_MSG_PROC_H
#define TARSEL_MSG_PROC_H

#include "Orbitersdk.h"

OAPI_MSGTYPE MsgProc(UINT msg, UINT mfd, WPARAM wparam, LPARAM lparam);

#endif
