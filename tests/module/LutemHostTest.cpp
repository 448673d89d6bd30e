// lutem-host's register, unregister and registry commands, run as a user
// runs them.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <string>

#include "support/TempSystemRoot.h"

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
  EXPECT_EQ(RunHost("launch").status, 2);
  EXPECT_EQ(RunHost("").status, 2);
  HostRun help = RunHost("--help");
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.output.find("lutem-host register"), std::string::npos);
}

}  // namespace
