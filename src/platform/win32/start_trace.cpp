#include "platform/start_trace.h"

#ifdef VORN_START_TRACE

#include <windows.h>

#include <cstdio>

namespace vorn {

void StartTrace(const char* step) {
  LARGE_INTEGER count, frequency;
  QueryPerformanceCounter(&count);
  QueryPerformanceFrequency(&frequency);
  const long long us = count.QuadPart / frequency.QuadPart * 1000000 +
                       count.QuadPart % frequency.QuadPart * 1000000 / frequency.QuadPart;
  std::fprintf(stderr, "trace\t%lld\t%s\n", us, step);
  std::fflush(stderr);
}

}  // namespace vorn

#endif
