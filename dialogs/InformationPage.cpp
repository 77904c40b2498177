#include "dialogs/InformationPage.h"

#include "content/IntConvert.h"
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
  return key == "0" || key == "11314" || PlainNumber(key, 112).has_value();
}

std::string BuildInformationPage(const StringList& fragment) {
  return StyledPage(JoinLines(fragment));
}

}  // namespace lumivra
