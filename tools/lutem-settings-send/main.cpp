// Sends each line of standard input (UTF-8) to the settings server as one
// request, the way the input method sends it, and writes each reply as one
// line; a line feed inside a reply (the user dictionary) is written as "\n".
// Exits 1 when any request failed (no server to connect to, or an "Error: "
// reply), so that scripts can tell.
#include <cstdio>
#include <iostream>
#include <string>

#include "common/SettingsIpcConstants.h"
#include "conversion/WideToUtf8.h"
#include "service/settings/SendSettingsCommand.h"

int main(int argc, char** argv) {
  if (argc > 1) {
    std::fprintf(stderr,
                 "usage: lutem-settings-send < requests\n"
                 "  Each line is one request, e.g. LOAD_ALL, LOAD ThemeID,\n"
                 "  SAVE CurrentLayout 3, SAVE_USER_DICT ami:<text>, LOAD_USER_DICT.\n"
                 "  The server and this tool must see the same LUTEM_SYSTEM_ROOT.\n");
    return 2;
  }
  int status = 0;
  for (std::string line; std::getline(std::cin, line);) {
    // A file written on Windows ends its lines with CR LF; the CR is no
    // part of the request.
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const std::u16string answer = SendSettingsCommand(Utf8ToWide(line));
    if (IsErrorReply(answer)) status = 1;
    std::string reply = WideToUtf8(answer);
    std::string shown;
    for (char c : reply) shown += c == '\n' ? std::string("\\n") : std::string(1, c);
    std::cout << shown << '\n';
  }
  return status;
}
