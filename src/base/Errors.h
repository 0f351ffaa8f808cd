// The error types of the core. Commands let them rise to the command boundary,
// where the message is shown as the general error report.
#pragma once

#include <stdexcept>
#include <string>

namespace tarn {

// Base of every error the program reports to the person; what() is the shown text.
class TarnError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;

  // Where the error was met ("file, line n"), shown beside the message where there is room for
  // it; empty when nothing more is known.
  const std::string& Where() const { return where_; }
  void SetWhere(std::string where) { where_ = std::move(where); }

 private:
  std::string where_;
};

// A text that should have been a number.
class ConversionError : public TarnError {
 public:
  using TarnError::TarnError;
  static ConversionError NotAFloat(std::string_view text);
  static ConversionError NotAnInteger(std::string_view text);
};

// A field or line that the reader needed is missing.
class ListIndexError : public TarnError {
 public:
  explicit ListIndexError(long index);
};

// A file that cannot be read or written.
class FileError : public TarnError {
 public:
  using TarnError::TarnError;
  static FileError CannotOpen(std::string_view path);
  static FileError CannotCreate(std::string_view path);
  static FileError ChangedWhileRead(std::string_view path);
};

}  // namespace tarn
