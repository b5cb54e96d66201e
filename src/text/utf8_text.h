// UTF-8 text at the edge to the engine and the widgets. Text (code page 936) is a std::string
// too; this type keeps the two apart, so that handing one where the other is meant does not
// compile. It holds the bytes and nothing more: conversions stay at the edge.
#pragma once

#include <string>
#include <utility>

namespace orvanta {

class Utf8Text {
 public:
  Utf8Text() = default;
  explicit Utf8Text(std::string bytes) : m_bytes(std::move(bytes)) {}

  const std::string& Bytes() const { return m_bytes; }
  bool Empty() const { return m_bytes.empty(); }
  bool operator==(const Utf8Text&) const = default;

 private:
  std::string m_bytes;
};

}  // namespace orvanta
