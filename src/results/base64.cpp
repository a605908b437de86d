#include "results/base64.h"

namespace tavik::results {

std::string Base64(std::string_view bytes) {
  static constexpr char kAlphabet[] =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string text;
  text.reserve((bytes.size() + 2) / 3 * 4);
  std::size_t k = 0;
  for (; k + 3 <= bytes.size(); k += 3) {
    const unsigned group = static_cast<unsigned char>(bytes[k]) << 16 |
                           static_cast<unsigned char>(bytes[k + 1]) << 8 |
                           static_cast<unsigned char>(bytes[k + 2]);
    text += kAlphabet[group >> 18 & 63];
    text += kAlphabet[group >> 12 & 63];
    text += kAlphabet[group >> 6 & 63];
    text += kAlphabet[group & 63];
  }
  const std::size_t rest = bytes.size() - k;
  if (rest > 0) {
    unsigned group = static_cast<unsigned char>(bytes[k]) << 16;
    if (rest == 2) group |= static_cast<unsigned char>(bytes[k + 1]) << 8;
    text += kAlphabet[group >> 18 & 63];
    text += kAlphabet[group >> 12 & 63];
    text += rest == 2 ? kAlphabet[group >> 6 & 63] : '=';
    text += '=';
  }
  return text;
}

}  // namespace tavik::results
