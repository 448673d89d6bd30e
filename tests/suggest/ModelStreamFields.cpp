#include "ModelStreamFields.h"

#include <cstring>
#include <stdexcept>

namespace {

constexpr int32_t kFstMagic = 2125659606;
constexpr int32_t kSymbolTableMagic = 2125658996;

}  // namespace

ModelStreamFields::ModelStreamFields(const fst::VectorFst<fst::StdArc>& model) {
  using K = ModelStreamField;
  const int32_t magic = kFstMagic, version = 2, flags = 3;
  const uint64_t properties = model.Properties(fst::kCopyProperties, false) | fst::kExpanded | fst::kMutable;
  const int64_t start = model.Start(), states = model.NumStates(), arcs = 0;
  Add("magic", K::Magic, &magic, 4);
  AddString("fsttype", K::Content, "vector");
  AddString("arctype", K::Content, "standard");
  Add("version", K::Content, &version, 4);
  Add("flags", K::Flags, &flags, 4);
  Add("properties", K::Content, &properties, 8);
  Add("start", K::Start, &start, 8);
  Add("numstates", K::Count, &states, 8);
  Add("numarcs", K::Count, &arcs, 8);
  AddTable("isyms", *model.InputSymbols());
  AddTable("osyms", *model.OutputSymbols());
  for (int64_t s = 0; s < states; ++s) {
    const std::string state = "state[" + std::to_string(s) + "]";
    const float finalWeight = model.Final(static_cast<int>(s)).Value();
    const int64_t narcs = model.NumArcs(static_cast<int>(s));
    Add(state + ".final", K::Content, &finalWeight, 4);
    Add(state + ".narcs", K::Count, &narcs, 8);
    int a = 0;
    for (fst::ArcIterator<fst::VectorFst<fst::StdArc>> it(model, static_cast<int>(s)); !it.Done(); it.Next(), ++a) {
      const fst::StdArc& arc = it.Value();
      const std::string name = state + ".arc[" + std::to_string(a) + "]";
      const float weight = arc.weight.Value();
      Add(name + ".ilabel", K::Content, &arc.ilabel, 4);
      Add(name + ".olabel", K::Content, &arc.olabel, 4);
      Add(name + ".weight", K::Content, &weight, 4);
      Add(name + ".nextstate", K::Target, &arc.nextstate, 4);
    }
  }
}

void ModelStreamFields::Add(const std::string& name, ModelStreamField::Kind kind, const void* data, size_t size) {
  fields_.push_back({name, kind, bytes_.size(), size});
  bytes_.append(static_cast<const char*>(data), size);
}

void ModelStreamFields::AddString(const std::string& name, ModelStreamField::Kind textKind,
                                  const std::string& text) {
  const int32_t length = static_cast<int32_t>(text.size());
  Add(name + ".length", ModelStreamField::Length, &length, 4);
  if (!text.empty()) Add(name, textKind, text.data(), text.size());
}

void ModelStreamFields::AddTable(const std::string& prefix, const fst::SymbolTable& table) {
  using K = ModelStreamField;
  const int64_t available = table.AvailableKey(), size = table.NumSymbols();
  Add(prefix + ".magic", K::Magic, &kSymbolTableMagic, 4);
  AddString(prefix + ".name", K::Content, table.Name());
  Add(prefix + ".available", K::Content, &available, 8);
  Add(prefix + ".size", K::Count, &size, 8);
  int i = 0;
  for (const auto& item : table) {
    const std::string name = prefix + "[" + std::to_string(i++) + "]";
    const int64_t key = item.Label();
    AddString(name, K::Content, item.Symbol());
    Add(name + ".key", K::Content, &key, 8);
  }
}

const ModelStreamField& ModelStreamFields::Field(const std::string& name) const {
  for (const ModelStreamField& f : fields_)
    if (f.name == name) return f;
  throw std::invalid_argument("no field " + name);
}

const ModelStreamField& ModelStreamFields::FieldAt(size_t offset) const {
  for (const ModelStreamField& f : fields_)
    if (offset >= f.offset && offset < f.offset + f.size) return f;
  throw std::invalid_argument("no field at " + std::to_string(offset));
}

std::string ModelStreamFields::With(const std::string& name, int64_t value) const {
  const ModelStreamField& f = Field(name);
  std::string out = bytes_;
  if (f.size == 4) {
    const int32_t narrow = static_cast<int32_t>(value);
    std::memcpy(&out[f.offset], &narrow, 4);
  } else {
    std::memcpy(&out[f.offset], &value, f.size);
  }
  return out;
}

std::string ModelStreamFields::WithFloat(const std::string& name, float value) const {
  const ModelStreamField& f = Field(name);
  std::string out = bytes_;
  std::memcpy(&out[f.offset], &value, 4);
  return out;
}
