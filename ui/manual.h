// Help > Manual: opens the user manual "Calvix.pdf" of the program folder with
// the desktop's document viewer.
#pragma once

#include <QUrl>
#include <functional>

#include "model/session.h"

namespace calvix {

// Opens the manual with `opener` (the desktop's viewer by default). A manual
// that is missing, or that the desktop cannot open, is reported with a
// "File Error" message naming the file. Returns whether it was opened.
bool OpenManual(Session& session, const std::function<bool(const QUrl&)>& opener = {});

}  // namespace calvix
