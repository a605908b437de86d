// Base64 (RFC 4648, with padding), for the figures embedded in a page as data URIs.
#ifndef TAVIK_RESULTS_BASE64_H
#define TAVIK_RESULTS_BASE64_H

#include <string>
#include <string_view>

namespace tavik::results {

// The base64 text of `bytes`: four characters per three bytes, '=' padding the last group.
std::string Base64(std::string_view bytes);

}  // namespace tavik::results

#endif  // TAVIK_RESULTS_BASE64_H
