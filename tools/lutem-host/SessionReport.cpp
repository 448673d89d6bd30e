#include "SessionReport.h"

#include <cstdio>

#include <nlohmann/json.hpp>

#include "conversion/WideToUtf8.h"

namespace {

using Json = nlohmann::ordered_json;

template <typename Number>
Json NumberOrNull(const std::optional<Number>& value) {
  return value ? Json(*value) : Json(nullptr);
}

Json MenuJson(const std::vector<host::MenuItemView>& items) {
  Json array = Json::array();
  for (const host::MenuItemView& item : items) {
    Json entry;
    if (item.separator) {
      entry["separator"] = true;
    } else {
      entry["text"] = WideToUtf8(item.text);
      entry["checked"] = item.checked;
      if (item.popup) entry["items"] = MenuJson(item.submenu);
    }
    array.push_back(entry);
  }
  return array;
}

void CheckedItems(const std::vector<host::MenuItemView>& items, std::string* text) {
  for (const host::MenuItemView& item : items) {
    if (item.checked) {
      if (!text->empty()) *text += ", ";
      *text += WideToUtf8(item.text);
    }
    if (item.popup) CheckedItems(item.submenu, text);
  }
}

// Text for a line: control characters written as escapes ("\\r", "\\t").
std::string Printable(const std::u16string& text) {
  std::string line;
  size_t run = 0;  // start of the units not written yet
  for (size_t i = 0; i <= text.size(); ++i) {
    if (i < text.size() && text[i] >= 0x20) continue;
    line += WideToUtf8(std::u16string_view(text).substr(run, i - run));
    run = i + 1;
    if (i == text.size()) break;
    char escape[8];
    switch (text[i]) {
      case u'\r':
        line += "\\r";
        break;
      case u'\n':
        line += "\\n";
        break;
      case u'\t':
        line += "\\t";
        break;
      default:
        std::snprintf(escape, sizeof(escape), "\\x%02X", static_cast<unsigned>(text[i]));
        line += escape;
    }
  }
  return line;
}

Json CompositionJson(const std::optional<std::pair<LONG, LONG>>& composition) {
  return composition ? Json::array({composition->first, composition->second}) : Json(nullptr);
}

std::string CompositionText(const std::pair<LONG, LONG>& composition) {
  return ", composition [" + std::to_string(composition.first) + ", " +
         std::to_string(composition.second) + "]";
}

// "; document N ..." for each document without the focus that changed.
std::string OtherDocuments(const std::vector<DocumentReport>& documents) {
  std::string line;
  for (size_t i = 0; i < documents.size(); ++i) {
    const DocumentReport& document = documents[i];
    if (document.focused || !document.changed) continue;
    line += "; document " + std::to_string(i + 1) + " \"" + Printable(document.text) + "\"";
    if (document.composition) line += CompositionText(*document.composition);
  }
  return line;
}

template <typename Number>
std::string Shown(const std::optional<Number>& value) {
  return value ? std::to_string(*value) : "?";
}

}  // namespace

std::string StepJson(const StepReport& report) {
  Json json;
  json["step"] = report.step;
  json["open"] = report.open;
  json["layout"] = NumberOrNull(report.layout);
  json["encoding"] = NumberOrNull(report.encoding);
  json["candidateWindow"] = NumberOrNull(report.candidateWindow);
  json["icon"] = report.icon != 0 ? Json(report.icon) : Json(nullptr);
  json["menu"] = report.menu ? MenuJson(*report.menu) : Json(nullptr);
  Json pipe = Json::array();
  for (const std::u16string& request : report.pipe) pipe.push_back(WideToUtf8(request));
  json["pipe"] = pipe;
  json["document"] = report.document ? Json(WideToUtf8(*report.document)) : Json(nullptr);
  json["composition"] = CompositionJson(report.composition);
  Json candidates = nullptr;
  if (report.candidates) {
    candidates = Json::array();
    for (const std::u16string& candidate : *report.candidates)
      candidates.push_back(WideToUtf8(candidate));
  }
  json["candidates"] = candidates;
  json["selection"] = NumberOrNull(report.selection);
  json["pages"] = report.pages ? Json(*report.pages) : Json(nullptr);
  json["visible"] = report.visible;
  Json window = nullptr;
  if (report.window) {
    const RECT& r = *report.window;
    window = Json{{"x", r.left}, {"y", r.top}, {"w", r.right - r.left}, {"h", r.bottom - r.top}};
  }
  json["window"] = window;
  Json learned = Json::array();
  for (const std::u16string& pair : report.learned) learned.push_back(WideToUtf8(pair));
  json["learned"] = learned;
  Json documents = Json::array();
  for (const DocumentReport& document : report.documents)
    documents.push_back(Json{{"text", WideToUtf8(document.text)},
                             {"composition", CompositionJson(document.composition)}});
  json["documents"] = documents;
  return json.dump();
}

std::string StepLine(const StepReport& report) {
  std::string line = report.step + ": " + (report.open ? "open" : "closed");
  line += ", layout " + Shown(report.layout) + ", encoding " + Shown(report.encoding);
  line += ", suggestion bar " + Shown(report.candidateWindow);
  line += ", icon " + (report.icon != 0 ? std::to_string(report.icon) : std::string("none"));
  if (report.menu) {
    std::string checked;
    CheckedItems(*report.menu, &checked);
    line += "; menu checked: " + checked;
  }
  line += "; pipe:";
  if (report.pipe.empty()) line += " none";
  for (size_t i = 0; i < report.pipe.size(); ++i)
    line += (i == 0 ? " " : ", ") + WideToUtf8(report.pipe[i]);
  const bool typed = (report.document && !report.document->empty()) || report.composition ||
                     report.candidates;
  if (!typed) return line + OtherDocuments(report.documents);
  line += "; document \"" + Printable(report.document.value_or(u"")) + "\"";
  if (report.composition) line += CompositionText(*report.composition);
  if (report.candidates) {
    line += ", candidates";
    for (size_t i = 0; i < report.candidates->size(); ++i) {
      line += i == 0 ? " " : " | ";
      if (report.selection && *report.selection == i) line += ">";
      line += Printable((*report.candidates)[i]);
    }
  }
  if (report.window) {
    const RECT& r = *report.window;
    line += std::string(", window ") + (report.visible ? "" : "hidden ") + "at " +
            std::to_string(r.left) + "," + std::to_string(r.top) + " " +
            std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top);
  }
  for (const std::u16string& pair : report.learned) line += ", learned " + WideToUtf8(pair);
  return line + OtherDocuments(report.documents);
}
