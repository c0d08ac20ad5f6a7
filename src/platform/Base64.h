#pragma once

#include <string>

// The standard (RFC 4648) Base64 text of data, with CR LF after every lineWrap characters
// (no line breaks when lineWrap is 0 or less) and none at the end; "" for no bytes.
std::string EncodeBase64(const std::string& data, int lineWrap = 76);

// The bytes of Base64 text; line ends, tabs, blanks and any other character outside the
// alphabet are passed over, and decoding stops at the first "=".
std::string DecodeBase64(const std::string& text);
