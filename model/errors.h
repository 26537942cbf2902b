// Unexpected failures and their report. Routines that cannot go on throw a
// CalvixError carrying the number and description the error report shows; the
// command that called them catches it and reports it, and the program keeps
// running. Design routines never throw: they report through their failure code.
#pragma once

#include <stdexcept>
#include <string>

namespace calvix {

// Error numbers of the report, as the program has always shown them.
inline constexpr int kErrorOverflow = 6;
inline constexpr int kErrorTypeMismatch = 13;
inline constexpr int kErrorFileNotFound = 53;
inline constexpr int kErrorInputPastEnd = 62;
inline constexpr int kErrorBadFileFormat = 321;
inline constexpr int kErrorFileAccess = 75;

class CalvixError : public std::runtime_error {
 public:
  CalvixError(int number, const std::string& description)
      : std::runtime_error(description), number_(number) {}
  int number() const { return number_; }

 private:
  int number_;
};

// The "Error" box text: "A <description> error (Error # <n>) has occurred.",
// the routine and form names of the caller, and the request to report it.
std::string UnexpectedFailureText(const std::string& description, int number,
                                  const std::string& routine, const std::string& form);

class Platform;
// Shows the error report for an exception caught by a command handler.
void ReportUnexpectedFailure(Platform& platform, const std::exception& error,
                             const std::string& routine, const std::string& form);

}  // namespace calvix
