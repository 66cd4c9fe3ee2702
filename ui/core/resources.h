// Named binary data compiled into the program (pictures), looked up by the description reader.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace ui {

void RegisterResource(const std::string& name, std::span<const uint8_t> data);
std::optional<std::span<const uint8_t>> FindResource(const std::string& name);

}  // namespace ui
