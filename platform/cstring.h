// CString: the layer's text, a byte string in the platform's encoding
// (UTF-8), which the layer hands to and takes from the widgets.
#pragma once

#include <string>
#include <string_view>

class CString {
 public:
  CString() = default;
  CString(const char* text) : text_(text ? text : "") {}
  CString(std::string text) : text_(std::move(text)) {}
  CString(std::string_view text) : text_(text) {}

  // printf-style formatting, as the framework's Format.
  [[gnu::format(printf, 2, 3)]] void Format(const char* format, ...);

  int GetLength() const { return static_cast<int>(text_.size()); }
  bool IsEmpty() const { return text_.empty(); }
  const std::string& str() const { return text_; }
  operator std::string_view() const { return text_; }

  CString& operator+=(const CString& other) {
    text_ += other.text_;
    return *this;
  }
  friend CString operator+(CString left, const CString& right) { return left += right; }
  friend CString operator+(CString left, const char* right) { return left += CString(right); }
  friend CString operator+(const char* left, const CString& right) { return CString(left) += right; }
  friend bool operator==(const CString& left, const CString& right) = default;

 private:
  std::string text_;
};
