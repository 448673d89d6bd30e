// lutem-host's register, unregister, registry and settings commands, run as
// a user runs them.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "Platform.h"
#include "host/SystemRoot.h"
#include "modelbuild/LanguageModelBuilder.h"
#include "service/engine/DictionaryDataFolder.h"
#include "server/ServerProcess.h"
#include "service/settings/SendSettingsCommand.h"
#include "support/TempSystemRoot.h"
#include "support/TestText.h"

namespace {

struct HostRun {
  int status;
  std::string output;
};

HostRun RunHost(const std::string& arguments) {
  std::string command = std::string(LUTEM_HOST_PROGRAM) + " " + arguments + " 2>&1";
  FILE* pipe = popen(command.c_str(), "r");
  HostRun run{-1, ""};
  if (pipe == nullptr) return run;
  char buffer[4096];
  for (size_t got; (got = std::fread(buffer, 1, sizeof(buffer), pipe)) > 0;)
    run.output.append(buffer, got);
  int status = pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

// One object a line; what else reaches standard error (a sanitizer's
// summary) is not a step.
std::vector<nlohmann::json> JsonSteps(const std::string& output) {
  std::vector<nlohmann::json> steps;
  size_t at = 0;
  for (size_t end; (end = output.find('\n', at)) != std::string::npos; at = end + 1)
    if (output[at] == '{') steps.push_back(nlohmann::json::parse(output.substr(at, end - at)));
  return steps;
}

class LutemHostTest : public ::testing::Test {
 protected:
  TempSystemRoot root_;
};

TEST_F(LutemHostTest, RegistersShowsAndUnregistersTheBuiltModule) {
  HostRun registered = RunHost("register");
  EXPECT_EQ(registered.status, 0);
  EXPECT_EQ(registered.output, "DllRegisterServer: 0x00000000\n");

  HostRun shown = RunHost("registry");
  EXPECT_EQ(shown.status, 0);
  const std::string classKey = "HKEY_CLASSES_ROOT\\CLSID\\{DA57B8A4-6DDE-42D9-843E-F97CE3F5A823}";
  EXPECT_EQ(shown.output, classKey + "\n    (Default)    REG_SZ    Lutem Keyboard\n\n" + classKey +
                              "\\InProcServer32\n    (Default)    REG_SZ    " LUTEM_MODULE
                              "\n    ThreadingModel    REG_SZ    Apartment\n\n");
  HostRun tip = RunHost("registry 'HKLM\\SOFTWARE\\Microsoft\\CTF\\TIP'");
  EXPECT_EQ(tip.status, 0);
  EXPECT_NE(tip.output.find("    Description    REG_SZ    Lutem Keyboard\n"), std::string::npos);
  EXPECT_NE(tip.output.find("    Enable    REG_DWORD    0x1\n"), std::string::npos);

  HostRun unregistered = RunHost("unregister");
  EXPECT_EQ(unregistered.status, 0);
  EXPECT_EQ(unregistered.output, "DllUnregisterServer: 0x00000000\n");
  HostRun gone = RunHost("registry");
  EXPECT_EQ(gone.status, 1);
  EXPECT_NE(gone.output.find("cannot open " + classKey), std::string::npos);
}

TEST_F(LutemHostTest, ExitCodesForAModuleThatCannotBeHadAndForBadUse) {
  EXPECT_EQ(RunHost("register --module /no/such/LutemIME.so").status, 2);
  EXPECT_EQ(RunHost("register --modules").status, 2);
  EXPECT_EQ(RunHost("registry HKEY_NOWHERE\\x").status, 2);
  HostRun help = RunHost("--help");
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.output.find("lutem-host register"), std::string::npos);
  EXPECT_NE(help.output.find("lutem-host [--json]"), std::string::npos);
}

// The session: the registered input method in an application, played a
// script of keys, menu choices and focus changes.
TEST_F(LutemHostTest, ASessionReportsEachStepWithWhatTheInputMethodAskedTheServer) {
  ASSERT_EQ(RunHost("register").status, 0);
  HostRun run = RunHost(
      "'{Ctrl+Space} {Ctrl+Space} {Menu Avro Phonetic} {Ctrl+Shift+C} {Menu} {Focus none} "
      "{Focus}'");
  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_EQ(run.output,
            "{Ctrl+Space}: closed, layout 2, encoding 0, suggestion bar 1, icon 12; pipe: LOAD_ALL\n"
            "{Ctrl+Space}: open, layout 2, encoding 0, suggestion bar 1, icon 21; pipe: LOAD_ALL\n"
            "{Menu Avro Phonetic}: open, layout 3, encoding 0, suggestion bar 1, icon 21; menu "
            "checked: Khipro, Unicode, Suggestion Bar, Phonetic Auto Correction; pipe: LOAD_ALL, "
            "SAVE CurrentLayout 3, LOAD_ALL\n"
            "{Ctrl+Shift+C}: open, layout 3, encoding 0, suggestion bar 0, icon 21; pipe: none\n"
            "{Menu}: open, layout 3, encoding 0, suggestion bar 1, icon 21; menu checked: Avro "
            "Phonetic, Unicode, Suggestion Bar, Phonetic Auto Correction; pipe: LOAD_ALL\n"
            "{Focus none}: open, layout 3, encoding 0, suggestion bar 1, icon 12; pipe: LOAD_ALL\n"
            "{Focus}: open, layout 3, encoding 0, suggestion bar 1, icon 21; pipe: LOAD_ALL\n");

  // The server it started for the session has gone, and stored the choice
  // where the next one finds it.
  EXPECT_EQ(SendSettingsCommand(u"LOAD CurrentLayout").rfind(u"Error: ", 0), 0u);
  HostRun next = RunHost("--json '{Menu}'");
  EXPECT_EQ(next.status, 0) << next.output;
  EXPECT_EQ(next.output.rfind("{\"step\":\"{Menu}\",\"open\":true,\"layout\":3,\"encoding\":0,"
                              "\"candidateWindow\":1,\"icon\":21,\"menu\":[{\"text\":\"Keyboard "
                              "Layout\",\"checked\":false,\"items\":[",
                              0),
            0u)
      << next.output;
  EXPECT_NE(next.output.find("{\"text\":\"Avro Phonetic\",\"checked\":true}"), std::string::npos);
  EXPECT_NE(next.output.find("{\"separator\":true}"), std::string::npos);
  EXPECT_NE(next.output.find("],\"pipe\":[\"LOAD_ALL\"],\"document\":\"\",\"composition\":null,"
                             "\"candidates\":null,\"selection\":null,\"pages\":null,"
                             "\"visible\":false,\"window\":null,\"learned\":[],"
                             "\"documents\":[{\"text\":\"\",\"composition\":null}]}\n"),
            std::string::npos)
      << next.output;
}

TEST_F(LutemHostTest, TheSessionSavesLayoutAndEncodingAndReadsItsScriptFromInput) {
  ASSERT_EQ(RunHost("register").status, 0);
  HostRun run = RunHost("--json --layout 6 --encoding 1 < /dev/null");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.output, "") << "no steps, no lines";
  std::string script = root_.path() + "/script.txt";
  std::ofstream(script) << "{Menu}\n{Focus}\n";
  run = RunHost("--layout 7 --encoding 0 < " + script);
  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_EQ(run.output.rfind("{Menu}: open, layout 7, encoding 0, suggestion bar 1, icon 21; menu "
                             "checked: Jatiyo, Unicode",
                             0),
            0u)
      << run.output;
}

// Each session starts and stops its own server: what the user chose in one
// must still be first in the next, so the server must have written it
// before it goes.
TEST_F(LutemHostTest, APairLearnedInOneSessionIsOfferedFirstInTheNext) {
  ASSERT_EQ(RunHost("register").status, 0);
  HostRun learn = RunHost("--json --layout 3 'k{Down}{Enter}'");
  ASSERT_EQ(learn.status, 0) << learn.output;
  ASSERT_NE(learn.output.find("\"learned\":[\"k:k\"]"), std::string::npos) << learn.output;
  HostRun next = RunHost("--json --layout 3 'k'");
  ASSERT_EQ(next.status, 0) << next.output;
  std::vector<nlohmann::json> steps = JsonSteps(next.output);
  ASSERT_EQ(steps.size(), 1u) << next.output;
  const nlohmann::json& step = steps[0];
  ASSERT_TRUE(step["candidates"].is_array()) << next.output;
  EXPECT_EQ(step["candidates"][0], "k") << next.output;
}

// Typing in the session: each character a key, then what the application
// shows after it, as JSON.
TEST_F(LutemHostTest, ATypingSessionReportsTheDocumentCompositionAndCandidateWindow) {
  ASSERT_EQ(RunHost("register").status, 0);
  const std::string pictures = root_.path() + "/pictures";
  HostRun run = RunHost("--json --layout 1 --picture " + pictures +
                        " 'am {Backspace}mi{Down}{Enter}ami{Wheel -1}{Click 1}{Caret 0}{Terminate}'");
  EXPECT_EQ(run.status, 0) << run.output;
  std::vector<nlohmann::json> steps = JsonSteps(run.output);
  ASSERT_EQ(steps.size(), 14u) << run.output;
  const std::string ami = U8(U"\u0986\u09AE\u09BF");
  EXPECT_EQ(steps[0]["step"], "a");
  EXPECT_EQ(steps[0]["document"], U8(U"\u0986"));
  EXPECT_EQ(steps[0]["composition"], nlohmann::json::array({0, 1}));
  EXPECT_EQ(steps[0]["candidates"], nlohmann::json::array({U8(U"\u0986"), "a"}));
  EXPECT_EQ(steps[0]["selection"], 0);
  EXPECT_EQ(steps[0]["pages"], nlohmann::json::array({0}));
  EXPECT_EQ(steps[0]["visible"], true);
  EXPECT_EQ(steps[0]["window"], (nlohmann::json{{"x", 100}, {"y", 120}, {"w", 148}, {"h", steps[0]["window"]["h"]}}));
  EXPECT_EQ(steps[2]["step"], "{Backspace}");
  EXPECT_EQ(steps[2]["document"], U8(U"\u0986"));
  EXPECT_EQ(steps[4]["document"], ami);
  EXPECT_EQ(steps[5]["selection"], 1) << "{Down}";
  EXPECT_EQ(steps[6]["document"], "ami\r");
  EXPECT_EQ(steps[6]["composition"], nullptr);
  EXPECT_EQ(steps[6]["candidates"], nullptr);
  EXPECT_EQ(steps[6]["window"], nullptr);
  EXPECT_EQ(steps[6]["learned"], nlohmann::json::array({"ami:ami"}));
  EXPECT_EQ(steps[9]["candidates"], nlohmann::json::array({"ami", ami})) << "learned: first now";
  EXPECT_EQ(steps[10]["selection"], 1) << "the wheel towards the user";
  EXPECT_EQ(steps[11]["document"], "ami\rami") << "row 1 clicked";
  EXPECT_EQ(steps[11]["learned"], nlohmann::json::array());
  // A picture for each step that left the window shown (not after the
  // commits, steps 7 and 12).
  for (int step = 1; step <= 14; ++step) {
    char name[32];
    std::snprintf(name, sizeof(name), "/step-%03d.png", step);
    EXPECT_EQ(std::filesystem::exists(pictures + name), step <= 6 || (step >= 8 && step <= 11))
        << name;
  }
}

// Several documents: {Focus} makes one, {Focus N} goes back to one, and
// "documents" holds them all in the order made.
TEST_F(LutemHostTest, ASessionGoesBackToADocumentAndReportsEveryDocument) {
  ASSERT_EQ(RunHost("register").status, 0);
  HostRun run = RunHost("--json --layout 1 'ami{Space}{Focus}k{Focus 1}a{Focus 2}{Focus none}'");
  EXPECT_EQ(run.status, 0) << run.output;
  std::vector<nlohmann::json> steps;
  size_t at = 0;
  for (size_t end; (end = run.output.find('\n', at)) != std::string::npos; at = end + 1)
    if (run.output[at] == '{') steps.push_back(nlohmann::json::parse(run.output.substr(at, end - at)));
  ASSERT_EQ(steps.size(), 10u) << run.output;
  const std::string ami = U8(U"\u0986\u09AE\u09BF ");
  EXPECT_EQ(steps[3]["documents"], nlohmann::json::parse(R"([{"text":")" + ami +
                                                         R"(","composition":null}])"));
  EXPECT_EQ(steps[4]["document"], "") << "{Focus}: a new document";
  EXPECT_EQ(steps[4]["documents"].size(), 2u);
  EXPECT_EQ(steps[5]["documents"][1]["composition"], nlohmann::json::array({0, 1}));
  EXPECT_EQ(steps[6]["step"], "{Focus 1}");
  EXPECT_EQ(steps[7]["document"], ami + U8(U"\u0986")) << "typed in the first again";
  EXPECT_EQ(steps[7]["documents"][0]["composition"], nlohmann::json::array({4, 5}));
  EXPECT_EQ(steps[7]["documents"].size(), 2u) << "{Focus 1} made no document";
  EXPECT_EQ(steps[8]["documents"][0]["composition"], nullptr) << "the word ended on leaving";
  EXPECT_EQ(steps[8]["documents"][0]["text"], ami + U8(U"\u0986"));
  EXPECT_EQ(steps[9]["document"], nullptr) << "{Focus none}";
  EXPECT_EQ(steps[9]["documents"].size(), 2u);

  // For people: a document without the focus only when the step changed it.
  HostRun lines = RunHost("--layout 1 'ami{Focus}k{Focus 1}'");
  EXPECT_EQ(lines.status, 0) << lines.output;
  const std::string prefix = ": open, layout 1, encoding 0, suggestion bar 1, icon 21; pipe: none";
  EXPECT_NE(lines.output.find("{Focus}" + prefix + "; document 1 \"" + U8(U"\u0986\u09AE\u09BF") +
                              "\"\n"),
            std::string::npos)
      << lines.output;
  EXPECT_NE(lines.output.find("{Focus 1}" + prefix + "; document \"" + U8(U"\u0986\u09AE\u09BF") +
                              "\"; document 2 \"" + U8(U"\u0995") + "\"\n"),
            std::string::npos)
      << lines.output;
  EXPECT_EQ(lines.output.find("document 1", lines.output.find("\nk:")), std::string::npos)
      << "unchanged, not shown";

  HostRun missing = RunHost("'{Focus 3}{Focus}{Focus}{Focus 3}'");
  EXPECT_EQ(missing.status, 1) << missing.output;
  EXPECT_NE(missing.output.find("there is no document 3 for {Focus 3}"), std::string::npos)
      << missing.output;
  EXPECT_EQ(missing.output.find("there is no document 3", missing.output.find("{Focus}:")),
            std::string::npos)
      << "the third document exists by then";
}

TEST_F(LutemHostTest, ASessionTypesOnceTheModelIsLoaded) {
  // A user picks the keyboard and types a moment later, when the language
  // model is there: its word stands in the list from the first key on.
  std::u16string folder;
  ASSERT_TRUE(DictionaryDataFolder(&folder));
  const std::string data = platform::HostPathFromWindowsPath(folder);
  ASSERT_TRUE(platform::EnsureFolder(data.substr(0, data.size() - 1)));
  LanguageModelBuilder model;
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
  // Parsed many times slower there: a smaller model still takes long, and
  // stays within the session's wait.
  constexpr int kFillerWords = 20000;
#else
  constexpr int kFillerWords = 300000;
#endif
  for (int i = 0; i < kFillerWords; ++i) model.AddWord(KeyUnits("q" + std::to_string(i), "+"), "\u0995", 1.0f);
  model.AddWord(KeyUnits("a", "+"), U8(U"\u0985"), 1.0f);
  ASSERT_TRUE(WriteFileBytes(data + "Lutem_LM.bin", model.ModelFile(), nullptr));
  ASSERT_EQ(RunHost("register").status, 0);
  HostRun run = RunHost("--json --layout 1 'a'");
  ASSERT_EQ(run.status, 0) << run.output;
  std::vector<nlohmann::json> steps = JsonSteps(run.output);
  ASSERT_EQ(steps.size(), 1u) << run.output;
  EXPECT_EQ(steps[0]["candidates"], nlohmann::json::array({U8(U"\u0986"), "a", U8(U"\u0985")}));
}

TEST_F(LutemHostTest, ASessionRefusesBadScriptsAndAMissingInputMethod) {
  struct Case {
    std::string arguments;
    std::string message;
  } cases[] = {
      {"'{Ctrl+Space'", "unclosed item"},
      {"'{Alt+Nothing}'", "unknown item {Alt+Nothing}"},
      {"'{Click 0}'", "{Click N} takes a row from 1 to 9"},
      {"'{Wheel 0}'", "{Wheel N} takes notches from -99 to 99, not 0"},
      {"'{Caret x}'", "{Caret N} takes an offset from 0"},
      {"'{Dpi 20}'", "{Dpi N} takes a DPI from 48 to 480"},
      {"'{Focus 0}'", "{Focus N} takes a document from 1"},
      {"--picture", "--picture takes a folder"},
      {"--picture /dev/null/pictures '{Menu}'", "cannot make the picture folder /dev/null/pictures"},
      {"--layout 9 '{Menu}'", "--layout takes a layout from 1 to 8"},
      {"--encoding 2", "--encoding takes 0 (Unicode) or 1 (ANSI)"},
      {"'{Menu}' '{Focus}'", "unexpected argument {Focus}"},
      {"'{Menu}'", "no input method is registered for Bengali (Bangladesh)"},
  };
  for (const Case& c : cases) {
    HostRun run = RunHost(c.arguments);
    EXPECT_EQ(run.status, 2) << c.arguments;
    EXPECT_NE(run.output.find(c.message), std::string::npos) << run.output;
  }

  // Registered, but its module file is gone: the activation fails.
  std::string copy = root_.path() + "/LutemIME.so";
  std::filesystem::copy_file(LUTEM_MODULE, copy);
  ASSERT_EQ(RunHost("register --module " + copy).status, 0);
  std::filesystem::remove(copy);
  HostRun run = RunHost("'{Menu}'");
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.output.find("did not activate"), std::string::npos) << run.output;

  ASSERT_EQ(RunHost("register").status, 0);
  run = RunHost("'{Menu Nothing Like It}' '{Focus}'");
  EXPECT_EQ(run.status, 2) << "one script only";
  run = RunHost("'{Menu Nothing Like It}{Focus}'");
  EXPECT_EQ(run.status, 1) << "a step that cannot be played";
  EXPECT_NE(run.output.find("the menu has no item \"Nothing Like It\""), std::string::npos);
  EXPECT_NE(run.output.find("{Focus}: open"), std::string::npos) << "the script goes on";
}

// The settings program installed with its themes, and the installation
// root recorded as the settings server records it.
void InstallSettingsProgram(const std::string& root) {
  std::string ui = root + "/Program Files (x86)/Hollin/Lutem Keyboard/UI";
  std::filesystem::create_directories(ui);
  std::filesystem::copy_file(LUTEM_SHIPPED_THEMES, ui + "/themes.dov");
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, u"Software\\Hollin\\Lutem Keyboard", 0, nullptr,
                            REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  std::u16string rootDir = u"C:\\Program Files (x86)\\Hollin\\Lutem Keyboard";
  RegSetValueExW(key, u"rootDir", 0, REG_SZ, reinterpret_cast<const BYTE*>(rootDir.c_str()),
                 static_cast<DWORD>((rootDir.size() + 1) * 2));
  RegCloseKey(key);
}

TEST_F(LutemHostTest, SettingsRunsTheProgramByAScriptAndReportsEachStep) {
  InstallSettingsProgram(root_.path());
  // A folder that is not there yet is made.
  std::string pictures = root_.path() + "/pictures/settings";
  HostRun run = RunHost("settings --json --picture " + pictures +
                        " '{Check 1003}{Theme Lutem Dark}{Start}'");
  EXPECT_EQ(run.status, 0) << run.output;
  std::vector<nlohmann::json> steps = JsonSteps(run.output);
  ASSERT_EQ(steps.size(), 5u) << run.output;
  EXPECT_EQ(steps[0]["action"], "start");
  EXPECT_EQ(steps[0]["dialogs"][0]["title"], "Lutem Settings");
  EXPECT_EQ(steps[1]["action"], "{Check 1003}");
  EXPECT_EQ(steps[1]["settings"]["CandidateWindow"], 0);
  EXPECT_TRUE(steps[1]["settings"]["SmartCorrection"].is_null()) << "only the box clicked is written";
  EXPECT_EQ(steps[2]["settings"]["ThemeID"], "lutem_dark");
  EXPECT_EQ(steps[2]["themeMessageReachedCandidateWindow"], false);
  EXPECT_TRUE(std::filesystem::exists(steps[2]["preview"].get<std::string>()));
  EXPECT_EQ(steps[3]["secondStart"]["exitCode"], 0);
  EXPECT_EQ(steps[3]["secondStart"]["foreground"], "Lutem Settings");
  EXPECT_EQ(steps[4]["action"], "end");
  EXPECT_EQ(steps[4]["exitCode"], 0);
  EXPECT_TRUE(steps[4]["dialogs"].empty());
}

TEST_F(LutemHostTest, SettingsExitCodesForActionsThatCannotBeDoneAndForBadUse) {
  HostRun missing = RunHost("settings '{Click Nothing}'");
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.output.find("{Click Nothing}: could not be done"), std::string::npos);
  EXPECT_EQ(RunHost("settings '{Dance}'").status, 2);
  EXPECT_EQ(RunHost("settings 'Check 1003'").status, 2);
  EXPECT_EQ(RunHost("settings '{Resize 10}'").status, 2);
  EXPECT_EQ(RunHost("settings --program /no/such/image.so < /dev/null").status, 2);
  HostRun folder = RunHost("settings --picture /dev/null/pictures < /dev/null");
  EXPECT_EQ(folder.status, 2);
  EXPECT_NE(folder.output.find("cannot make the picture folder /dev/null/pictures"),
            std::string::npos)
      << folder.output;
  HostRun about = RunHost("settings --about '{Escape}'");
  EXPECT_EQ(about.status, 0);
  EXPECT_NE(about.output.find("dialog \"About Lutem\""), std::string::npos);
}

// Without a script argument the script comes from standard input, as the
// session's does.
TEST_F(LutemHostTest, SettingsReadsItsScriptFromInputWithoutAScriptArgument) {
  InstallSettingsProgram(root_.path());
  std::string script = root_.path() + "/script.txt";
  std::ofstream(script) << "{Check 1003}\n";
  HostRun run = RunHost("settings --json < " + script);
  EXPECT_EQ(run.status, 0) << run.output;
  std::vector<nlohmann::json> steps = JsonSteps(run.output);
  ASSERT_EQ(steps.size(), 3u) << run.output;
  EXPECT_EQ(steps[1]["action"], "{Check 1003}");
  EXPECT_EQ(steps[1]["settings"]["CandidateWindow"], 0);
  EXPECT_EQ(steps[2]["action"], "end");
}

}  // namespace

namespace {

// The session starts a settings server for itself and stops it at its end;
// a choice learned just before the end must still reach the server's store.
TEST_F(LutemHostTest, EverySessionKeepsTheChoiceItLearned) {
  ASSERT_EQ(RunHost("register").status, 0);
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
  // A session takes seconds under a sanitizer; a few show the same.
  constexpr int kSessions = 6;
#else
  constexpr int kSessions = 50;
#endif
  std::vector<std::string> keys;
  for (int i = 0; i < kSessions; ++i)
    keys.push_back(std::string(i < 26 ? "ta" : "ma") + static_cast<char>('a' + i % 26));
  for (const std::string& typed : keys) {
    HostRun run = RunHost("--layout 1 '" + typed + "{Down}{Enter}'");
    ASSERT_EQ(run.status, 0) << run.output;
  }
  ServerProcess server;
  ASSERT_TRUE(server.Start());
  std::u16string stored = SendSettingsCommand(u"LOAD_USER_DICT");
  for (const std::string& typed : keys) {
    std::u16string line(typed.begin(), typed.end());
    line += u":" + line;
    EXPECT_NE(stored.find(line), std::u16string::npos) << typed;
  }
}

}  // namespace

namespace {

// lutem-settings-send shows the server's refusals as they come and exits 1.
TEST_F(LutemHostTest, SettingsSendShowsErrorRepliesAndFails) {
  ServerProcess server;
  ASSERT_TRUE(server.Start());
  std::string tool = std::filesystem::path(LUTEM_HOST_PROGRAM).parent_path() / "lutem-settings-send";
  std::string script = root_.path() + "/requests.txt";
  std::ofstream(script) << "LOAD CurrentLayout\n" << std::string(5000, 'A') << "\n";
  FILE* pipe = popen((tool + " < " + script).c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::string output;
  char buffer[4096];
  for (size_t got; (got = std::fread(buffer, 1, sizeof(buffer), pipe)) > 0;) output.append(buffer, got);
  int status = pclose(pipe);
  EXPECT_EQ(output, "2\nError: Request too long.\n");
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << status;
}

}  // namespace
