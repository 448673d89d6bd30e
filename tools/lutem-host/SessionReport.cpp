#include "SessionReport.h"

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
  return line;
}
