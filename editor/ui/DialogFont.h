// SPDX-License-Identifier: MIT
#pragma once
// The dialogs' font: an 8-point face at 96 dots per inch (11 pixels), the size
// the dialog-unit layout assumes, in a narrow sans face (Liberation Sans has
// Arial's metrics) so that every caption fits its control.

#include <QFont>

namespace qv {

inline QFont dialogFont(const QFont& base) {
    QFont font = base;
    font.setFamilies({"Liberation Sans", "Arial", "Helvetica"});
    font.setPixelSize(11);
    return font;
}

} // namespace qv
