#pragma once

#include <string>
#include <vector>

#include "suggest/DecodedPath.h"

// The language model's entry point: up to two Bengali words for the UTF-8
// form of the lower-cased keys typed in layout 1, distinct and in ascending
// byte order; empty when the model has nothing to offer. modelReady is
// whether the caller has seen the model's load state Ready (the model
// globals are read only then). Never throws: a failure of any kind, no memory
// included, gives no words.
std::vector<std::string> DecodeWithLanguageModel(const std::string& query, bool modelReady);

// Composes the input lattice of the prepared query with the model, finds the
// two best distinct outputs and normalises their weights (with the cutoff
// 0.0, to minus the log of their share of the mass found). The model must be
// ready. May throw (invalid UTF-8, no memory).
std::vector<DecodedPath> RunLanguageModelDecoder(const std::string& prepared, float weightThreshold, double cutoff);
