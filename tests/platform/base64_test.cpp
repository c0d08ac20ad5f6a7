#include "platform/Base64.h"

#include <gtest/gtest.h>

namespace {

TEST(Base64, StandardVectors) {
  const std::pair<std::string, std::string> rows[] = {{"", ""},
                                                      {"f", "Zg=="},
                                                      {"fo", "Zm8="},
                                                      {"foo", "Zm9v"},
                                                      {"foob", "Zm9vYg=="},
                                                      {"fooba", "Zm9vYmE="},
                                                      {"foobar", "Zm9vYmFy"},
                                                      {"\xff\xfe", "//4="}};
  for (const auto& [plain, encoded] : rows) {
    EXPECT_EQ(EncodeBase64(plain, 0), encoded) << encoded;
    EXPECT_EQ(DecodeBase64(encoded), plain) << encoded;
  }
}

TEST(Base64, WrapsWithCrLfAndNoTrailingBreak) {
  const std::string data(34, 'a');  // 48 characters
  EXPECT_EQ(EncodeBase64(data, 45).find("\r\n"), 45u);
  EXPECT_EQ(EncodeBase64(data, 45).size(), 50u);
  EXPECT_EQ(EncodeBase64(std::string(33, 'a'), 45).find('\r'), std::string::npos);  // 44 characters
  EXPECT_EQ(EncodeBase64(std::string(57, 'a')).find('\r'), std::string::npos);      // exactly 76
  EXPECT_EQ(EncodeBase64(std::string(58, 'a')).find("\r\n"), 76u);
}

TEST(Base64, DecodingPassesOverLayout) {
  std::string data;
  for (int i = 0; i < 200; ++i) data += static_cast<char>(i * 7);
  std::string laidOut;
  const std::string plain = EncodeBase64(data, 0);
  for (std::size_t i = 0; i < plain.size(); i += 30) laidOut += "\n\t\t" + plain.substr(i, 30) + "\r";
  EXPECT_EQ(DecodeBase64(laidOut), data);
  EXPECT_EQ(DecodeBase64("Zm9v YmFy"), "foobar");
}

}  // namespace
