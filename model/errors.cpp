#include "model/errors.h"

#include "model/platform.h"

namespace calvix {

std::string UnexpectedFailureText(const std::string& description, int number,
                                  const std::string& routine, const std::string& form) {
  return "A " + description + " error (Error # " + std::to_string(number) + ") has occurred." +
         "\rThe error occurred in routine  \"" + routine + "\" of form  \"" + form + "\"." +
         "\r\rPlease Report this error to Orvane Corporation.";
}

void ReportUnexpectedFailure(Platform& platform, const std::exception& error,
                             const std::string& routine, const std::string& form) {
  int number = 0;
  if (const auto* known = dynamic_cast<const CalvixError*>(&error)) number = known->number();
  platform.ShowInformation(UnexpectedFailureText(error.what(), number, routine, form), "Error");
}

}  // namespace calvix
