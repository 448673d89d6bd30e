#include "modelbuild/ModelDescription.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <map>
#include <sstream>
#include <vector>

const char kModelDescriptionHelp[] =
    "Description format: one entry per line, fields separated by spaces or tabs;\n"
    "blank lines and lines starting with '#' are skipped.\n"
    "  separator [TEXT]           text of symbol 1 (the unit separator) in both tables;\n"
    "                             must come first; no TEXT: empty; no line: \"+\"\n"
    "  word WEIGHT KEYS OUTPUT    a word: every key character is an input unit, \"(kh)\"\n"
    "                             the one unit k+h; OUTPUT is the Bengali text (pieces\n"
    "                             joined by the separator make a multi-piece symbol);\n"
    "                             WEIGHT is a cost, lower is better\n"
    "  arc FROM TO IN OUT WEIGHT  an arc by hand; states: \"start\", \"end\" (the final\n"
    "                             state of the words) or names of new states; IN and\n"
    "                             OUT are symbol texts, \"-\" for epsilon\n"
    "  final STATE WEIGHT         makes STATE final with WEIGHT\n"
    "Example:\n"
    "  separator +\n"
    "  word 1.5 ami \xE0\xA6\x86\xE0\xA6\xAE\xE0\xA6\xBF\n"
    "  word 2.0 (kh)abar \xE0\xA6\x96\xE0\xA6\xAC\xE0\xA6\xB0\n";

namespace {

bool ParseWeight(const std::string& text, float* weight) {
  char* end = nullptr;
  errno = 0;
  const float value = std::strtof(text.c_str(), &end);
  if (errno != 0 || end == text.c_str() || *end != '\0' || std::isnan(value)) return false;
  *weight = value;
  return true;
}

class DescriptionParser {
 public:
  std::unique_ptr<LanguageModelBuilder> Parse(std::istream& in, std::string* error) {
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
      ++number;
      if (!line.empty() && line.back() == '\r') line.pop_back();
      std::istringstream fields(line);
      std::vector<std::string> f;
      for (std::string field; fields >> field;) f.push_back(field);
      if (f.empty() || f[0][0] == '#') continue;
      const std::string problem = Entry(f);
      if (!problem.empty()) {
        if (error) *error = "line " + std::to_string(number) + ": " + problem;
        return nullptr;
      }
    }
    if (!builder_) builder_ = std::make_unique<LanguageModelBuilder>();
    return std::move(builder_);
  }

 private:
  std::string Entry(const std::vector<std::string>& f) {
    if (f[0] == "separator") {
      if (builder_) return "separator must come before every other entry";
      if (f.size() > 2) return "separator takes at most one text";
      builder_ = std::make_unique<LanguageModelBuilder>(f.size() == 2 ? f[1] : std::string());
      return {};
    }
    if (!builder_) builder_ = std::make_unique<LanguageModelBuilder>();
    float weight = 0.0f;
    if (f[0] == "word") {
      if (f.size() != 4) return "word takes WEIGHT KEYS OUTPUT";
      if (!ParseWeight(f[1], &weight)) return "bad weight '" + f[1] + "'";
      try {
        builder_->AddWord(KeyUnits(f[2], builder_->separator()), f[3], weight);
      } catch (const std::exception&) {
        return "keys are not UTF-8";
      }
      return {};
    }
    if (f[0] == "arc") {
      if (f.size() != 6) return "arc takes FROM TO IN OUT WEIGHT";
      if (!ParseWeight(f[5], &weight)) return "bad weight '" + f[5] + "'";
      const int32_t in = f[3] == "-" ? 0 : builder_->InputLabel(f[3]);
      const int32_t out = f[4] == "-" ? 0 : builder_->OutputLabel(f[4]);
      builder_->AddArc(State(f[1]), State(f[2]), in, out, weight);
      return {};
    }
    if (f[0] == "final") {
      if (f.size() != 3) return "final takes STATE WEIGHT";
      if (!ParseWeight(f[2], &weight)) return "bad weight '" + f[2] + "'";
      builder_->SetFinal(State(f[1]), weight);
      return {};
    }
    return "unknown entry '" + f[0] + "'";
  }

  LanguageModelBuilder::StateId State(const std::string& name) {
    if (name == "start") return LanguageModelBuilder::kStart;
    if (name == "end") return LanguageModelBuilder::kWordEnd;
    auto found = states_.find(name);
    if (found == states_.end()) found = states_.emplace(name, builder_->AddState()).first;
    return found->second;
  }

  std::unique_ptr<LanguageModelBuilder> builder_;
  std::map<std::string, LanguageModelBuilder::StateId> states_;
};

}  // namespace

std::unique_ptr<LanguageModelBuilder> ParseModelDescription(std::istream& in, std::string* error) {
  DescriptionParser parser;
  return parser.Parse(in, error);
}
