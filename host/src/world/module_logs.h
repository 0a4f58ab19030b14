// The log files a module writes in the simulator's folder: lines added to
// them appear in the transcript, so a flight shows what the module logged.
#ifndef HOST_MODULE_LOGS_H
#define HOST_MODULE_LOGS_H

namespace host {

// Takes what the log files hold now as already reported.
void WatchModuleLogs();
// Writes every complete line added since as "log FILE: LINE" (blank lines skipped).
void ReportModuleLogs();

} // namespace host

#endif
