// Reads a program's version resource through the system's version services,
// as the file's properties page does.
//
//   version-probe.exe <exe>
//     "fixed<TAB>a.b.c.d" for the file version and "product<TAB>a.b.c.d" for the
//     product version of the fixed part, then one "<name><TAB><value>" line for
//     each text of the first translation. Exit status 1 without a version resource.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

void PrintNumbers(const char* label, DWORD high, DWORD low) {
  std::printf("%s\t%lu.%lu.%lu.%lu\n", label, static_cast<unsigned long>(HIWORD(high)),
              static_cast<unsigned long>(LOWORD(high)), static_cast<unsigned long>(HIWORD(low)),
              static_cast<unsigned long>(LOWORD(low)));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: version-probe.exe <exe>\n");
    return 2;
  }
  _setmode(_fileno(stdout), _O_BINARY);
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeA(argv[1], &ignored);
  if (size == 0) {
    std::fprintf(stderr, "%s has no version resource (error %lu)\n", argv[1], GetLastError());
    return 1;
  }
  std::vector<char> data(size);
  if (!GetFileVersionInfoA(argv[1], 0, size, data.data())) {
    std::fprintf(stderr, "cannot read the version resource of %s\n", argv[1]);
    return 1;
  }
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  if (VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&fixed), &length) && fixed) {
    PrintNumbers("fixed", fixed->dwFileVersionMS, fixed->dwFileVersionLS);
    PrintNumbers("product", fixed->dwProductVersionMS, fixed->dwProductVersionLS);
  }
  struct Translation {
    WORD language;
    WORD code_page;
  }* translation = nullptr;
  if (!VerQueryValueA(data.data(), "\\VarFileInfo\\Translation",
                      reinterpret_cast<void**>(&translation), &length) ||
      length < sizeof(Translation)) {
    std::fprintf(stderr, "the version resource of %s has no translation\n", argv[1]);
    return 1;
  }
  for (const char* name : {"ProductName", "FileDescription", "FileVersion", "ProductVersion",
                           "LegalCopyright", "CompanyName", "OriginalFilename"}) {
    char path[128];
    std::snprintf(path, sizeof path, "\\StringFileInfo\\%04x%04x\\%s", translation->language,
                  translation->code_page, name);
    char* value = nullptr;
    if (VerQueryValueA(data.data(), path, reinterpret_cast<void**>(&value), &length) && value)
      std::printf("%s\t%s\n", name, value);
  }
  return 0;
}
