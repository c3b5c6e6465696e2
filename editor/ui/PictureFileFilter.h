// SPDX-License-Identifier: MIT
#pragma once
// The picture file dialog's filter in the form Qt's file dialog reads.

#include <QStringList>

#include <string_view>

namespace qv {

// Turns a filter of label and pattern pairs, each part ended by "|", into one
// entry per pair: the label as written, then its patterns in parentheses,
// which a dialog with hidden filter details does not show. Patterns match
// letters in either case, as file names of any case match there.
QStringList pictureNameFilters(std::string_view pairs);

} // namespace qv
