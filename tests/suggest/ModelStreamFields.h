#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <fst/vector-fst.h>

// The library's binary form of a vector FST, written field by field from the
// model (tests compare it with what the library writes), with where each
// field stands, so that a test can damage exactly one of them.
struct ModelStreamField {
  enum Kind {
    Magic,    // the FST's or a symbol table's magic number
    Flags,    // which tables follow
    Length,   // the length of a string
    Count,    // a state, arc or symbol count
    Start,    // the start state
    Target,   // an arc's target state
    Content,  // anything whose value is free: texts, keys, labels, weights
  };
  std::string name;  // "start", "isyms[3].length", "state[0].arc[1].nextstate"
  Kind kind;
  size_t offset;
  size_t size;
};

class ModelStreamFields {
 public:
  explicit ModelStreamFields(const fst::VectorFst<fst::StdArc>& model);

  const std::string& bytes() const { return bytes_; }
  const std::vector<ModelStreamField>& fields() const { return fields_; }
  const ModelStreamField& Field(const std::string& name) const;
  // The field that holds the byte at offset.
  const ModelStreamField& FieldAt(size_t offset) const;

  // The bytes with one field overwritten by value, in the field's width.
  std::string With(const std::string& name, int64_t value) const;
  std::string WithFloat(const std::string& name, float value) const;

 private:
  void Add(const std::string& name, ModelStreamField::Kind kind, const void* data, size_t size);
  void AddString(const std::string& name, ModelStreamField::Kind textKind, const std::string& text);
  void AddTable(const std::string& prefix, const fst::SymbolTable& table);

  std::string bytes_;
  std::vector<ModelStreamField> fields_;
};
