// Reads key buffers from standard input, one per line, and writes the
// converted text of each as one line, as the input method would show it;
// with --candidates, the candidate list of each line instead.
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <iostream>
#include <string>

#include "conversion/ConversionDispatcher.h"
#include "conversion/WideToUtf8.h"
#include "service/engine/CCompositionProcessorEngine.h"
#include "service/engine/DictionaryDataFolder.h"
#include "service/engine/EngineDriver.h"
#include "service/settings/ProcessSettings.h"
#include "suggest/LoadState.h"
#include "suggest/NarrowLoaderPath.h"
#ifndef _WIN32
#include "host/SystemRoot.h"
#endif

namespace {

void Usage() {
  std::fprintf(stderr,
               "usage: lutem-convert [--layout N] [--encoding 0|1] [--candidates]\n"
               "  Converts each line of standard input (UTF-8 keys) to Bengali text.\n"
               "  --layout    1 Lutem Phonetic, 2 Khipro (default), 3 Avro Phonetic,\n"
               "              4 Lutem (Fixed), 5 Jatiyo (Modified), 6 Probhat, 7 Jatiyo,\n"
               "              8 Lutem Lowercase (Experimental); other numbers act as 1\n"
               "  --encoding  0 Unicode (default), 1 ANSI\n"
               "  --candidates  print the candidate list of each line, items\n"
               "              separated by TAB; dictionary and model words come\n"
               "              from the data folder (see lutem-data-folder)\n");
}

bool ParseInt(const char* text, int* value) {
  char* end = nullptr;
  errno = 0;
  long v = std::strtol(text, &end, 10);
  if (errno != 0 || end == text || *end != '\0' || v < INT32_MIN || v > INT32_MAX) return false;
  *value = static_cast<int>(v);
  return true;
}

// One line of candidates, built by an engine as the text service builds them.
std::string CandidateLine(CCompositionProcessorEngine& engine, const std::u16string& keys) {
  LutemIMEArray<CCandidateListItem> list;
  EngineDriver::Type(engine, keys, &list);
  std::string out;
  for (size_t i = 0; i < list.Count(); ++i) {
    if (i > 0) out += '\t';
    out += WideToUtf8(list.GetAt(i)->View());
  }
  return out;
}

// Says on standard error which data file gives no words and why, so that a
// list without dictionary or model words is not taken for the whole answer.
void ReportDataFile(const char* what, const char16_t* name, const std::atomic<LoadState>& state) {
  if (ReadLoadState(state) == LoadState::Ready) return;
  std::u16string folder;
  std::string path;
  if (!DictionaryDataFolder(&folder) || !NarrowLoaderPath(folder + name, &path)) {
    std::fprintf(stderr, "lutem-convert: no %s: the data folder is not known\n", what);
    return;
  }
  std::FILE* file = nullptr;
  const bool found = fopen_s(&file, path.c_str(), "rb") == 0 && file != nullptr;
  if (found) std::fclose(file);
#ifndef _WIN32
  path = platform::HostPathFromWindowsPath(folder + name);  // where the user finds it here
#endif
  std::fprintf(stderr, "lutem-convert: no %s: %s %s\n", what, path.c_str(),
               found ? "failed to load" : "is missing");
}

}  // namespace

int main(int argc, char** argv) {
  int layout = 2;
  int encoding = 0;
  bool candidates = false;
  for (int i = 1; i < argc; ++i) {
    const char* arg = argv[i];
    int* target = nullptr;
    if (std::strcmp(arg, "--candidates") == 0) {
      candidates = true;
      continue;
    }
    if (std::strcmp(arg, "--layout") == 0) target = &layout;
    else if (std::strcmp(arg, "--encoding") == 0) target = &encoding;
    else if (std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0) {
      Usage();
      return 0;
    }
    if (target == nullptr || i + 1 >= argc || !ParseInt(argv[i + 1], target)) {
      std::fprintf(stderr, "lutem-convert: bad argument '%s'\n", arg);
      Usage();
      return 2;
    }
    ++i;
  }

  CurrentLayout = layout;
  CurrentEncoding = encoding;
  CCompositionProcessorEngine engine;
  // The lists offer dictionary and model words from the first line on, the
  // same ones on every run: the loads have settled before any line is read.
  if (candidates) {
    EngineDriver::LoadDictionaries(engine);
    ReportDataFile("word dictionary", u"lutem_bn-BD.bin", WordDictionaryState);
    ReportDataFile("language model", u"Lutem_LM.bin", LanguageModelState);
  }
  const ConversionDispatcher& dispatcher = *engine.dispatcher;
  std::string line;
  while (std::getline(std::cin, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::u16string keys = Utf8ToWide(line);
    try {
      // The candidate list is built by the engine, which converts for it.
      std::cout << (candidates ? CandidateLine(engine, keys)
                               : WideToUtf8(dispatcher.Convert(keys, layout, encoding)))
                << '\n';
    } catch (const std::exception& e) {
      std::fprintf(stderr, "lutem-convert: %s\n", e.what());
      return 1;
    }
  }
  return 0;
}
