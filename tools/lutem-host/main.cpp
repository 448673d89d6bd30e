// lutem-host: the program that plays Windows' part for the input method on
// this machine, on the stand-in (see --help).
#include <cstdio>
#include <cstring>

#include "Commands.h"

namespace {

const char kUsage[] =
    "usage: lutem-host [--json] [--layout N] [--encoding E] [--uiless] [--picture DIR] [SCRIPT]\n"
    "       lutem-host register [--module PATH]\n"
    "       lutem-host unregister [--module PATH]\n"
    "       lutem-host registry [KEY]\n"
    "       lutem-host registry --set KEY NAME TEXT | --delete KEY\n"
    "       lutem-host settings [--about] [--json] [--picture DIR] [--program IMAGE] [SCRIPT]\n"
    "\n"
    "Without a command, lutem-host runs a session: an application thread\n"
    "activates the input method registered for Bengali (Bangladesh), 0x0845,\n"
    "gives a new document the focus, lets the word-dictionary and model loads\n"
    "end (as a user starts typing a moment later), plays SCRIPT (or standard\n"
    "input), then deactivates it. Each character of the script is a key press on the US\n"
    "keyboard (Shift for capitals and symbols; white space only separates),\n"
    "and items in braces are:\n"
    "  {Enter} {Space} {Tab} {Backspace} {Escape} {Left} {Right} {Up} {Down}\n"
    "  {PageUp} {PageDown} {Home} {End} {Shift} {Ctrl} {F1}.. {Numpad3}\n"
    "                   the key; chords such as {Ctrl+A} or {Ctrl+Space} (the\n"
    "                   keyboard on or off), {Ctrl+Shift+C} (the suggestion bar)\n"
    "  {Click N}        clicks row N of the candidate page shown\n"
    "  {Wheel N}        turns the wheel N notches over the candidate window\n"
    "                   (positive: away from the user, up the list)\n"
    "  {Caret N}        the application puts the caret at UTF-16 offset N\n"
    "  {Terminate}      the application ends the composition\n"
    "  {Dpi N}          the monitor's scale becomes N DPI (96 is 100%)\n"
    "  {Menu TEXT}      clicks the language-bar button and chooses the item TEXT\n"
    "  {Menu}           clicks the button and dismisses the menu\n"
    "  {Focus}          a new document takes the focus\n"
    "  {Focus N}        document N takes the focus again (1 is the session's first)\n"
    "  {Focus none}     no document has the focus\n"
    "After each step one line tells whether the keyboard is open, the layout,\n"
    "the encoding, the suggestion bar, the button's icon (12 closed, 21 open),\n"
    "the check marks of a menu the step opened and the requests the input\n"
    "method sent to the settings server, then, once something was typed, the\n"
    "focused document, the composition, the candidates (\">\" marks the\n"
    "selected one) and the candidate window, then each other document the step\n"
    "changed (\"document N\"); --json writes each as a JSON object (\"step\",\n"
    "\"open\", \"layout\", \"encoding\", \"candidateWindow\", \"icon\", \"menu\",\n"
    "\"pipe\", \"document\", \"composition\" [start, end] in UTF-16 units or\n"
    "null, \"candidates\" or null, \"selection\", \"pages\", \"visible\",\n"
    "\"window\" {\"x\", \"y\", \"w\", \"h\"} or null, \"learned\": the pairs of\n"
    "the SAVE_USER_DICT requests sent, \"documents\": every document in the\n"
    "order made, {\"text\", \"composition\"}). --uiless makes the application draw\n"
    "the candidate list itself (the input method's window stays hidden).\n"
    "--picture writes DIR/step-NNN.png of the candidate window after every\n"
    "step that leaves it shown (DIR is made when it is not there). The\n"
    "session uses the settings server that runs, or starts\n"
    "lutem-settings-server for its own time; --layout (1 to 8)\n"
    "and --encoding (0 Unicode, 1 ANSI) are saved there before the activation.\n"
    "Exit 0; 1 when a step could not be played (a menu item that is not\n"
    "there, a click with no candidate window shown); 2 for a bad script or\n"
    "option, a picture folder that cannot be made, no registered input method\n"
    "or a failed activation.\n"
#ifdef _WIN32
    "\n"
    "On Windows only the session is built (lutem-host.exe): it plays TSF in its\n"
    "own process around the input method that regsvr32 registered, which COM\n"
    "loads, and talks to the settings server that runs (it starts none); keys\n"
    "are real input (SendInput) to its window. {Menu} and {Dpi} are not played\n"
    "there, and the icon shows as null.\n";
#else
    "\n"
    "register and unregister do what regsvr32 does: load the input method's\n"
    "module (by default LutemIME.so next to this program), call its\n"
    "DllRegisterServer or DllUnregisterServer and print the HRESULT in hex.\n"
    "Exit 0 on S_OK, 1 on any other result, 2 when the module cannot be loaded.\n"
    "\n"
    "registry writes KEY and every key below it with their values; KEY begins\n"
    "with HKEY_CLASSES_ROOT (HKCR), HKEY_CURRENT_USER (HKCU) or\n"
    "HKEY_LOCAL_MACHINE (HKLM); by default the input method's class key,\n"
    "HKEY_CLASSES_ROOT\\CLSID\\{...}. Exit 1 when the key does not exist.\n"
    "--set stores TEXT as the REG_SZ value NAME of KEY (made if need be), as\n"
    "\"reg add KEY /v NAME /d TEXT /f\" does; --delete removes KEY and every key\n"
    "below it, as \"reg delete KEY /f\" does (a key that is not there is no\n"
    "error). Exit 1 when the registry refuses, 2 for a bad key.\n"
    "\n"
    "settings starts the settings program (LutemSettings.so next to this program,\n"
    "or IMAGE) on this host's desktop, as installed in the 32-bit Program Files\n"
    "folder (it looks for EULA.rtf there), with /about for --about. A user then\n"
    "works it by SCRIPT (or standard input), one action after another, each once\n"
    "the program waits for input again; at the end the user closes what is still\n"
    "open:\n"
    "  {Click ID|TEXT}  click a control of the dialog in front, by id or text\n"
    "                   ({Click 1003}, {Click EULA}, {Click Website}, {Click Close})\n"
    "  {Check ID}       the same, for a check box\n"
    "  {Theme NAME}     choose the theme of that name in the list\n"
    "  {Select ID N}    choose item N (from 0) of combo box ID\n"
    "  {Escape} {Enter} press the key\n"
    "  {Close}          click the dialog's close box\n"
    "  {Resize W H}     drag the dialog's border until it is W x H pixels\n"
    "  {Start [ARGS]}   start the program a second time with that command line\n"
    "After the start and after each action it prints what the user would see\n"
    "and the settings stored; --json prints one JSON object a line instead: the\n"
    "values under HKCU\\Software\\Hollin\\Lutem Keyboard, the dialogs and their\n"
    "controls, the message boxes and debug output since the step before, and\n"
    "whether the theme message reached a candidate window. --picture writes the\n"
    "preview (control 1004) after each step as DIR/preview-NN.png (DIR is made\n"
    "when it is not there). Exit: the program's exit code; 1 when an action\n"
    "could not be done; 2 for a bad command line, a picture folder that cannot\n"
    "be made or an image that cannot be started.\n"
    "\n"
    "Everything runs on the stand-in's drive C: under LUTEM_SYSTEM_ROOT.\n";
#endif

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  std::string command = argc >= 2 ? argv[1] : "";
#ifndef _WIN32
  // On Windows regsvr32, reg and the installed settings program do these.
  if (command == "register") return RegisterCommand({argv + 2, argv + argc});
  if (command == "unregister") return UnregisterCommand({argv + 2, argv + argc});
  if (command == "registry") return RegistryCommand({argv + 2, argv + argc});
  if (command == "settings") return SettingsCommand({argv + 2, argv + argc});
#endif
  return SessionCommand({argv + 1, argv + argc});
}
