#pragma once

#include <cstdint>

// A colour held as one 32-bit value 0xAARRGGBB in which alpha 0 means opaque.
struct Color {
  std::uint32_t value = 0;

  // A colour from its components; alpha 0 is opaque, 255 fully transparent.
  static Color FromRGB(int red, int green, int blue, int alpha = 0) {
    auto byte = [](int c) { return static_cast<std::uint32_t>(c) & 0xFFu; };
    return Color{(byte(alpha) << 24) | (byte(red) << 16) | (byte(green) << 8) | byte(blue)};
  }
  int Red() const { return static_cast<int>((value >> 16) & 0xFFu); }
  int Green() const { return static_cast<int>((value >> 8) & 0xFFu); }
  int Blue() const { return static_cast<int>(value & 0xFFu); }
  int Alpha() const { return static_cast<int>((value >> 24) & 0xFFu); }

  friend bool operator==(Color a, Color b) { return a.value == b.value; }
};
