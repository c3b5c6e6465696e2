// SPDX-License-Identifier: MIT
#pragma once
// Setwright's window icon, painted at the two sizes a window manager asks for.

#include <QIcon>

namespace qv {

QIcon programIcon();

} // namespace qv
