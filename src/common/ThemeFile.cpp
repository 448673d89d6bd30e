#include "common/ThemeFile.h"

#include <cstdio>

#include "Platform.h"

std::u16string ThemeFilePath(std::u16string_view rootDir) {
  std::u16string path(rootDir);
  path += u"\\UI\\themes.dov";
  return path;
}

bool ReadThemeFile(const std::u16string& path, std::string* text) {
  std::FILE* file = nullptr;
  if (_wfopen_s(&file, AsWchar(path.c_str()), TEXT("rt")) != 0 || file == nullptr) return false;
  text->clear();
  char buffer[4096];
  size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) text->append(buffer, got);
  std::fclose(file);
  return true;
}
