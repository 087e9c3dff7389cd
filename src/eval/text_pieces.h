// Building long expression texts from pieces, for the tests and benchmarks
// that feed the evaluator hostile input.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

// piece written `times` times in a row.
inline std::string repeat(std::string_view piece, int32_t times) {
  std::string out;
  if (times > 0) out.reserve(piece.size() * static_cast<size_t>(times));
  for (int32_t i = 0; i < times; ++i)
    out += piece;
  return out;
}

// Joins pieces with append; "literal" + std::string trips a false
// -Wrestrict warning of g++ 12 at -O3.
inline std::string join(std::initializer_list<std::string_view> pieces) {
  std::string out;
  for (std::string_view piece : pieces)
    out += piece;
  return out;
}
