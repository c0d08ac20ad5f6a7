#pragma once

#include <QColor>
#include <array>
#include <cstdint>

// A colour as stored in the design tables: four bytes read as a little-endian 0xAARRGGBB value
// in which alpha 0 means opaque.
using StoredColor = std::array<std::uint8_t, 4>;

// Never fails: every byte pattern is some colour.
QColor ColorFromStored(const StoredColor& bytes);
