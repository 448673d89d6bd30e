// Path strings (platform/shlwapi/Shlwapi.h).
#include <cstring>
#include <string>
#include <vector>

#include "Platform.h"
#include "common/HostText.h"

namespace {

bool HasDrive(const std::u16string& path) {
  return path.size() >= 2 && path[1] == u':' &&
         ((path[0] >= u'A' && path[0] <= u'Z') || (path[0] >= u'a' && path[0] <= u'z'));
}

bool IsUnc(const std::u16string& path) {
  return path.size() >= 2 && path[0] == u'\\' && path[1] == u'\\';
}

// How many leading units form the root, which no operation removes: "C:\",
// "C:", "\", or "\\server\share\".
size_t RootLength(const std::u16string& path) {
  if (IsUnc(path)) {
    size_t server = path.find(u'\\', 2);
    if (server == std::u16string::npos) return path.size();
    size_t share = path.find(u'\\', server + 1);
    return share == std::u16string::npos ? path.size() : share + 1;
  }
  if (HasDrive(path)) return path.size() >= 3 && path[2] == u'\\' ? 3 : 2;
  return !path.empty() && path[0] == u'\\' ? 1 : 0;
}

std::u16string Canonical(const std::u16string& path) {
  size_t root = RootLength(path);
  std::vector<std::u16string> parts;
  size_t start = root;
  while (start <= path.size()) {
    size_t end = path.find(u'\\', start);
    if (end == std::u16string::npos) end = path.size();
    std::u16string part = path.substr(start, end - start);
    if (part == u"..") {
      if (!parts.empty()) parts.pop_back();
    } else if (part != u"." && !(part.empty() && end != path.size())) {
      parts.push_back(part);
    }
    start = end + 1;
  }
  std::u16string result = path.substr(0, root);
  for (size_t i = 0; i < parts.size(); ++i) {
    if (i > 0) result += u'\\';
    result += parts[i];
  }
  return result;
}

}  // namespace

BOOL PathRemoveFileSpecW(LPWSTR path) {
  if (path == nullptr) return FALSE;
  std::u16string text(path, platform::WideLength(path));
  size_t root = RootLength(text);
  if (IsUnc(text) && root == text.size()) {
    // "\\server\share" has no file part; "\\server" has none either.
    return FALSE;
  }
  size_t slash = text.rfind(u'\\');
  size_t keep = slash == std::u16string::npos || slash < root ? root : slash;
  if (IsUnc(text) && slash == root - 1) keep = slash;  // "\\server\share\file"
  if (keep >= text.size()) return FALSE;
  path[keep] = 0;
  return TRUE;
}

BOOL PathAppendW(LPWSTR path, LPCWSTR more) {
  if (path == nullptr || more == nullptr) return FALSE;
  std::u16string first(path, platform::WideLength(path));
  std::u16string second(more, platform::WideLength(more));
  std::u16string joined;
  if (IsUnc(second) || HasDrive(second)) {
    joined = second;
  } else {
    size_t skip = second.find_first_not_of(u'\\');
    second = skip == std::u16string::npos ? std::u16string() : second.substr(skip);
    joined = first;
    if (!joined.empty() && joined.back() != u'\\' && !second.empty()) joined += u'\\';
    joined += second;
  }
  joined = Canonical(joined);
  if (joined.size() >= MAX_PATH) return FALSE;
  std::memcpy(path, joined.c_str(), (joined.size() + 1) * sizeof(WCHAR));
  return TRUE;
}
