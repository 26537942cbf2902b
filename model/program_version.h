// The program's version (the CMake project version) and the date it was
// built, for calvix-cli --version and the about box.
#pragma once

#include <string>
#include <string_view>

namespace calvix {

// "0.1.0".
std::string ProgramVersion();
// The build date as 2026-12-07.
std::string BuildDate();
// A compiler date ("Dec  7 2026", the form of __DATE__) as 2026-12-07; the
// text unchanged when it has not that form.
std::string IsoDateFromCompilerDate(std::string_view date);

}  // namespace calvix
