// The display mode's message procedure, given to the host at registration.
#ifndef TARSEL_MSG_PROC_H
#define TARSEL_MSG_PROC_H

#include "Orbitersdk.h"

// SDKs before 2021 have no OAPI_MSGTYPE: there the procedure returns int.
#ifndef OAPI_MSGTYPE
#define OAPI_MSGTYPE int
#endif

OAPI_MSGTYPE MsgProc(UINT msg, UINT mfd, WPARAM wparam, LPARAM lparam);

#endif
