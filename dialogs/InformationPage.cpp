#include "dialogs/InformationPage.h"

#include "content/NodeKey.h"
#include "content/ResourceAddress.h"
#include "content/TextLines.h"

namespace lumivra {

std::optional<std::string> InfoKeyForNode(const std::string& nodeKey) {
  if (GetKeyField(nodeKey, '~', 1) != "Olvar") return std::nullopt;
  std::string key = GetKeyField(nodeKey, '~', 2);
  const std::string trimmed = Trim(key);
  if (trimmed.empty()) return std::nullopt;
  if (trimmed == "113" || trimmed == "114") key = "11314";
  return key;
}

bool IsInfoKey(const std::string& key) {
  if (key == "0" || key == "11314") return true;
  if (key.empty() || key.size() > 3 || key[0] == '0') return false;
  for (char c : key)
    if (c < '0' || c > '9') return false;
  return std::stoi(key) <= 112;
}

std::string BuildInformationPage(const StringList& fragment) {
  return "<HTML><HEAD><link rel=\"stylesheet\" href=\"" + ResourceUrl("styles_css") + "\"></HEAD><BODY>" +
         JoinLines(fragment) + "</BODY></HTML>";
}

}  // namespace lumivra
