#include <cstdio>

#include "CheckHResult.h"

void ShowHResultBox(const std::wstring& text) { std::fprintf(stderr, "ERROR: %ls\n", text.c_str()); }
