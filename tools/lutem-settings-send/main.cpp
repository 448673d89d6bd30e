// Sends each line of standard input (UTF-8) to the settings server as one
// request, the way the input method sends it, and writes each reply as one
// line; a line feed inside a reply (the user dictionary) is written as "\n".
#include <cstdio>
#include <iostream>
#include <string>

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
  for (std::string line; std::getline(std::cin, line);) {
    std::string reply = WideToUtf8(SendSettingsCommand(Utf8ToWide(line)));
    std::string shown;
    for (char c : reply) shown += c == '\n' ? std::string("\\n") : std::string(1, c);
    std::cout << shown << '\n';
  }
  return 0;
}
