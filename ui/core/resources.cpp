#include "ui/core/resources.h"

#include <map>

namespace ui {

namespace {
std::map<std::string, std::span<const uint8_t>>& Table() {
    static std::map<std::string, std::span<const uint8_t>> table;
    return table;
}
}  // namespace

void RegisterResource(const std::string& name, std::span<const uint8_t> data) { Table()[name] = data; }

std::optional<std::span<const uint8_t>> FindResource(const std::string& name) {
    auto it = Table().find(name);
    if (it == Table().end()) return std::nullopt;
    return it->second;
}

}  // namespace ui
