// Help > Manual: opens the user manual "Calvix.pdf" of the program folder with
// the desktop's document viewer.
#pragma once

#include <QUrl>
#include <filesystem>
#include <functional>

#include "model/session.h"

namespace calvix {

// Opens the manual with `opener` (the desktop's viewer by default); when the
// desktop has no viewer for it, with `inside` (the manual window of Calvix by
// default). A manual that is missing, or that neither can open, is reported
// with a "File Error" message naming the file. Returns whether it was opened.
bool OpenManual(Session& session, const std::function<bool(const QUrl&)>& opener = {},
                const std::function<bool(const std::filesystem::path&)>& inside = {});

}  // namespace calvix
