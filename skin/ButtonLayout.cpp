#include "skin/ButtonLayout.h"

namespace lumivra {

const std::array<ToolButton, 9>& ToolbarButtons() {
  static const std::array<ToolButton, 9> buttons{{
      {"HomeBtn", 5, 8, "Home : Telvarin", "tool_home"},
      {"BackBtn", 37, 8, "Go Back", "tool_back"},
      {"ForwardBtn", 69, 8, "Go Forward", "tool_forward"},
      {"SearchBtn", 113, 8, "Search", "tool_search"},
      {"InfoBtn", 145, 8, "View Information", "tool_info"},
      {"GotoBtn", 177, 8, "Goto a specific chapter/verse", "tool_goto"},
      {"PrintBtn", 211, 8, "Print", "tool_print"},
      {"DisplayOptionBtn", 259, 8, "Toggle between arabic/transliteration", "tool_display"},
      {"HelpBtn", 307, 8, "Help", "tool_help"},
  }};
  return buttons;
}

const std::array<ToolSeparator, 3>& ToolbarSeparators() {
  static const std::array<ToolSeparator, 3> separators{{
      {"SepBevel1", 105, 10, 2, 24},
      {"SepBevel2", 249, 10, 2, 24},
      {"SepBevel3", 297, 10, 2, 24},
  }};
  return separators;
}

}  // namespace lumivra
