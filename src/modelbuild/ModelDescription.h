#pragma once

#include <istream>
#include <memory>
#include <string>

#include "modelbuild/LanguageModelBuilder.h"

// The readable description of a language model that lutem-model-build turns
// into a model file. Lines hold white-space separated fields; blank lines and
// lines starting with '#' are skipped.
//
//   separator [TEXT]             symbol 1 of both tables, before any other
//                                line; TEXT left out: the empty separator;
//                                no such line: "+"
//   word WEIGHT KEYS OUTPUT      a word: KEYS split by KeyUnits ("(kh)" is one
//                                unit), OUTPUT its text (pieces joined by the
//                                separator make a multi-piece output)
//   arc FROM TO IN OUT WEIGHT    an arc by hand; states are "start", "end" or
//                                any other name for a state of its own; IN and
//                                OUT are symbol texts, "-" for epsilon
//   final STATE WEIGHT           makes STATE final ("end" is final, weight 0)
extern const char kModelDescriptionHelp[];

// Parses a description; null with "line N: ..." in *error when it is not one.
std::unique_ptr<LanguageModelBuilder> ParseModelDescription(std::istream& in, std::string* error);
