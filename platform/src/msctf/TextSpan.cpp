#include "msctf/TextSpan.h"

#include <algorithm>

#include "msctf/TextDocument.h"

namespace platform {

TextSpan::TextSpan(std::shared_ptr<TextDocument> document, LONG start, LONG end,
                   TfGravity startGravity, TfGravity endGravity)
    : document_(std::move(document)),
      start_(0),
      end_(0),
      startGravity_(startGravity),
      endGravity_(endGravity) {
  Set(start, end);
  document_->Attach(this);
}

TextSpan::TextSpan(const TextSpan& other)
    : document_(other.document_),
      start_(other.start_),
      end_(other.end_),
      startGravity_(other.startGravity_),
      endGravity_(other.endGravity_) {
  document_->Attach(this);
}

TextSpan& TextSpan::operator=(const TextSpan& other) {
  if (this == &other) return *this;
  if (document_ != other.document_) {
    document_->Detach(this);
    document_ = other.document_;
    document_->Attach(this);
  }
  start_ = other.start_;
  end_ = other.end_;
  startGravity_ = other.startGravity_;
  endGravity_ = other.endGravity_;
  return *this;
}

TextSpan::~TextSpan() { document_->Detach(this); }

void TextSpan::SetGravity(TfGravity start, TfGravity end) {
  startGravity_ = start;
  endGravity_ = end;
}

LONG TextSpan::Clamp(LONG position) const {
  return std::clamp<LONG>(position, 0, document_->length());
}

void TextSpan::SetStart(LONG start) {
  start_ = Clamp(start);
  end_ = std::max(end_, start_);
}

void TextSpan::SetEnd(LONG end) {
  end_ = Clamp(end);
  start_ = std::min(start_, end_);
}

void TextSpan::SetAnchor(TfAnchor which, LONG position) {
  if (which == TF_ANCHOR_START) {
    SetStart(position);
  } else {
    SetEnd(position);
  }
}

void TextSpan::Set(LONG start, LONG end) {
  start_ = Clamp(std::min(start, end));
  end_ = Clamp(std::max(start, end));
}

void TextSpan::Collapse(TfAnchor to) {
  if (to == TF_ANCHOR_START) {
    end_ = start_;
  } else {
    start_ = end_;
  }
}

LONG TextSpan::Follow(LONG anchor, TfGravity gravity, LONG start, LONG end, LONG inserted) {
  if (anchor < start) return anchor;
  if (anchor > end) return anchor + inserted - (end - start);
  if (start == end) return gravity == TF_GRAVITY_FORWARD ? start + inserted : start;
  if (anchor == start) return start;
  if (anchor == end) return start + inserted;
  return gravity == TF_GRAVITY_FORWARD ? start + inserted : start;
}

void TextSpan::Follow(LONG start, LONG end, LONG inserted) {
  start_ = Follow(start_, startGravity_, start, end, inserted);
  end_ = Follow(end_, endGravity_, start, end, inserted);
  if (start_ > end_) start_ = end_;
}

}  // namespace platform
