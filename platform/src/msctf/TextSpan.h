// A stretch of one document between two anchors that follow its edits, as
// ITfRange's anchors do. Each anchor has a gravity (TfGravity, set with
// ITfRange::SetGravity), which decides where it goes when text is inserted
// exactly at its position: an anchor with backward gravity stays before the
// new text, one with forward gravity moves after it.
//
// The rule for a replacement of [start, end) by n units, which is also the
// rule for an insertion (start == end) and a deletion (n == 0):
// - an anchor before start or after end keeps its place in the text;
// - at a pure insertion point, gravity decides (backward: start,
//   forward: start + n);
// - at the boundaries of a replaced stretch, an anchor stays outside it
//   (at start: start; at end: start + n), so the text around a replacement
//   never takes in the new text;
// - strictly inside a replaced stretch, an anchor goes to the start of the
//   new text (backward) or to its end (forward).
// A span whose ends would cross collapses onto its end anchor.
//
// A new range has backward gravity at its start and forward gravity at its
// end, so text inserted at either boundary, or into an empty range, becomes
// part of it. That is what lets a composition that is still empty take in
// the text a text service writes at its position through another range.
#pragma once

#include <memory>

#include "Platform.h"

namespace platform {

class TextDocument;

class TextSpan {
 public:
  TextSpan(std::shared_ptr<TextDocument> document, LONG start, LONG end,
           TfGravity startGravity = TF_GRAVITY_BACKWARD, TfGravity endGravity = TF_GRAVITY_FORWARD);
  TextSpan(const TextSpan& other);
  TextSpan& operator=(const TextSpan& other);
  ~TextSpan();

  LONG start() const { return start_; }
  LONG end() const { return end_; }
  bool empty() const { return start_ == end_; }
  LONG anchor(TfAnchor which) const { return which == TF_ANCHOR_START ? start_ : end_; }
  TfGravity startGravity() const { return startGravity_; }
  TfGravity endGravity() const { return endGravity_; }
  void SetGravity(TfGravity start, TfGravity end);

  // Each end is clamped to the document; moving one end past the other
  // takes the other along.
  void SetStart(LONG start);
  void SetEnd(LONG end);
  void SetAnchor(TfAnchor which, LONG position);
  void Set(LONG start, LONG end);
  void Collapse(TfAnchor to);

  TextDocument& document() const { return *document_; }
  const std::shared_ptr<TextDocument>& sharedDocument() const { return document_; }
  bool SameDocument(const TextSpan& other) const { return document_ == other.document_; }

  // Where an anchor at anchor with gravity goes when [start, end) is
  // replaced by inserted units.
  static LONG Follow(LONG anchor, TfGravity gravity, LONG start, LONG end, LONG inserted);

 private:
  friend class TextDocument;
  void Follow(LONG start, LONG end, LONG inserted);
  LONG Clamp(LONG position) const;

  std::shared_ptr<TextDocument> document_;
  LONG start_;
  LONG end_;
  TfGravity startGravity_;
  TfGravity endGravity_;
};

}  // namespace platform
