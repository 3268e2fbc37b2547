// Trace points along the start, for the start-up timing script: each writes
// the performance counter in microseconds and the step's name to stderr.
// Compiled in only by the windows-trace preset (VORN_START_TRACE); otherwise
// they cost nothing.
#pragma once

namespace vorn {

#ifdef VORN_START_TRACE
void StartTrace(const char* step);
#else
inline void StartTrace(const char*) {}
#endif

}  // namespace vorn
