// SPDX-License-Identifier: GPL-3.0-or-later
// Key tables read from XKB keymaps through libxkbcommon.
#include "platform/xkb_key_tables.h"

#include <xkbcommon/xkbcommon.h>

#include <cstdarg>
#include <cstdio>
#include <memory>

namespace {

constexpr int kEvdevToXkb = 8;

struct ContextFree {
  void operator()(xkb_context* context) const { xkb_context_unref(context); }
};
struct KeymapFree {
  void operator()(xkb_keymap* keymap) const { xkb_keymap_unref(keymap); }
};

KeyTyped TypedBy(xkb_keysym_t symbol) {
  KeyTyped typed;
  char name[64] = {};
  if (xkb_keysym_get_name(symbol, name, sizeof name) > 0) typed.symbol = name;
  if (typed.symbol.rfind("dead_", 0) == 0) {
    typed.kind = KeyTyped::Kind::DeadKey;
    return typed;
  }
  char text[16] = {};
  const int written = xkb_keysym_to_utf8(symbol, text, sizeof text);
  const auto first = static_cast<unsigned char>(text[0]);
  // Control characters (Tab, Escape, Delete) are no letters a tag could show.
  if (written <= 1 || first < 0x20 || first == 0x7F) return typed;
  typed.kind = KeyTyped::Kind::Character;
  typed.text = text;
  return typed;
}

// Splits "us(dvorak)" into layout and variant; false when the name is not of that form.
bool SplitLayoutName(std::string_view name, std::string& layout, std::string& variant) {
  const auto valid = [](std::string_view part) {
    if (part.empty()) return false;
    for (char c : part) {
      const bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '-';
      if (!ok) return false;
    }
    return true;
  };
  const size_t open = name.find('(');
  if (open == std::string_view::npos) {
    layout = std::string(name);
    variant.clear();
    return valid(layout);
  }
  if (name.back() != ')') return false;
  layout = std::string(name.substr(0, open));
  variant = std::string(name.substr(open + 1, name.size() - open - 2));
  return valid(layout) && valid(variant);
}

void CollectLog(xkb_context* context, xkb_log_level, const char* format, va_list args) {
  auto* problem = static_cast<std::string*>(xkb_context_get_user_data(context));
  if (!problem) return;
  char line[512];
  std::vsnprintf(line, sizeof line, format, args);
  if (!problem->empty()) return;
  *problem = line;
  while (!problem->empty() && (problem->back() == '\n' || problem->back() == ' ')) problem->pop_back();
}

}  // namespace

KeyTable KeyTableFromKeymap(xkb_keymap* keymap, uint32_t layout) {
  KeyTable table;
  for (const UsKey& key : UsKeys()) {
    const xkb_keycode_t code = static_cast<xkb_keycode_t>(key.evdevCode + kEvdevToXkb);
    const xkb_layout_index_t layouts = xkb_keymap_num_layouts_for_key(keymap, code);
    if (layouts == 0) {
      table.Set(key.character, KeyTyped{});
      continue;
    }
    // A key with fewer groups than the keymap wraps the group index, as the X server does.
    const xkb_layout_index_t group = layout % layouts;
    const xkb_keysym_t* symbols = nullptr;
    const int count = xkb_keymap_key_get_syms_by_level(keymap, code, group, 0, &symbols);
    table.Set(key.character, count == 1 ? TypedBy(symbols[0]) : KeyTyped{});
  }
  return table;
}

std::optional<KeyTable> KeyTableForLayout(std::string_view name, std::string* problem) {
  std::string layout, variant;
  if (!SplitLayoutName(name, layout, variant)) {
    if (problem) *problem = "not a layout name (write it as de or us(dvorak))";
    return std::nullopt;
  }
  std::unique_ptr<xkb_context, ContextFree> context(xkb_context_new(XKB_CONTEXT_NO_ENVIRONMENT_NAMES));
  if (!context) {
    if (problem) *problem = "the XKB library cannot start";
    return std::nullopt;
  }
  std::string log;
  xkb_context_set_user_data(context.get(), &log);
  xkb_context_set_log_fn(context.get(), CollectLog);
  xkb_context_set_log_level(context.get(), XKB_LOG_LEVEL_ERROR);
  const xkb_rule_names names{"evdev", "pc105", layout.c_str(), variant.c_str(), ""};
  std::unique_ptr<xkb_keymap, KeymapFree> keymap(
      xkb_keymap_new_from_names(context.get(), &names, XKB_KEYMAP_COMPILE_NO_FLAGS));
  xkb_context_set_user_data(context.get(), nullptr);
  if (!keymap) {
    if (problem) *problem = "no such layout in the XKB data" + (log.empty() ? std::string() : " (" + log + ")");
    return std::nullopt;
  }
  return KeyTableFromKeymap(keymap.get(), 0);
}
