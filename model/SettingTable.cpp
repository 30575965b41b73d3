#include "model/SettingTable.h"

const SettingDescriptor* FindSetting(SettingMember member, int32_t index) {
  for (const SettingDescriptor& d : SettingTable())
    if (d.Member == member && d.Index == index) return &d;
  return nullptr;
}

SettingBinding FindSettingByComponent(std::string_view name) {
  if (name.empty()) return {};
  for (const SettingDescriptor& d : SettingTable()) {
    if (name == d.Component) return {&d, nullptr, 0};
    for (const SettingChoice& c : d.Choices)
      for (int32_t v = 0; v < VariantCount; ++v)
        if (c.Radio[v] != nullptr && name == c.Radio[v]) return {&d, &c, v};
  }
  return {};
}

const NumberSettingDescriptor* FindNumberSetting(std::string_view name) {
  for (const NumberSettingDescriptor& d : NumberSettingTable())
    if (name == d.Name) return &d;
  return nullptr;
}
