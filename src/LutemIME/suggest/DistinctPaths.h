#pragma once

#include <vector>

#include <fst/arcfilter.h>
#include <fst/fst.h>
#include <fst/mutable-fst.h>
#include <fst/queue.h>
#include <fst/reverse.h>
#include <fst/shortest-path.h>

#include "suggest/DecodedPath.h"
#include "suggest/DistinctPathSet.h"

// The n best distinct outputs of a transducer. The library's n-shortest-path
// search returns n best paths, and many of them may spell the same word; this
// is that search with every complete path walked, recorded and grouped by its
// spelled output (repeats add their mass in the log semiring), ending once n
// distinct outputs are known.

using DistinctPathQueue = fst::AutoQueue<fst::StdArc::StateId>;
using DistinctPathOptions = fst::ShortestPathOptions<fst::StdArc, DistinctPathQueue, fst::AnyArcFilter<fst::StdArc>>;
using ReverseStdArc = fst::ReverseArc<fst::StdArc>;

// Caps of one search: a state of the reversed transducer is expanded at most
// this many times, and at most this many complete paths are walked.
constexpr int kDistinctPathCap = 8000;

// Searches ifst for opts.nshortest distinct outputs into paths; nbestTree gets
// the search tree (nothing reads it but the error property). distance is
// filled unless opts.has_distance.
void ShortestDistinctPaths(const fst::Fst<fst::StdArc>& ifst, fst::MutableFst<fst::StdArc>* nbestTree,
                           std::vector<fst::TropicalWeight>* distance, DistinctPathSet& paths,
                           const DistinctPathOptions& opts);

// The search proper over the reversed transducer; distance holds the
// super-initial state's entry in front.
void NShortestDistinctPaths(const fst::Fst<ReverseStdArc>& reverse, fst::MutableFst<fst::StdArc>* nbestTree,
                            const std::vector<fst::TropicalWeight>& distance, int32_t nshortest,
                            DistinctPathSet& paths, float delta, fst::TropicalWeight weightThreshold,
                            fst::StdArc::StateId stateThreshold);

// Records one arc of a complete path: labels and weight, and the output
// label's pieces that are spelled. The 0:0 arcs of weight 0 that the tree adds
// to close a path are not part of it.
void AppendArcToPath(const DistinctPathSet& paths, DecodedPath& path, const fst::StdArc& arc);
