// SPDX-License-Identifier: MIT
#pragma once
// Texts of the Qt programs (Setwright, Porchlight) that are written by code
// without Qt. They are marked with QV_TR_NOOP(context, text), which lupdate
// reads into the programs' Qt catalogues, and translated with `marked()`
// where they are shown. Without a translator (the command lines, tests of the
// model) every text stays as written.

#include <initializer_list>
#include <string>
#include <string_view>

#define QV_TR_NOOP(context, text) text
// The same for a text with plural forms, shown with a count filled into %n.
#define QV_TR_N_NOOP(context, text) text

namespace qv::textMark {

// Looks `english` up in `context`; `n` >= 0 chooses a plural form. Returns
// the translation, or `english` itself when there is none. The Qt programs
// install one that asks Qt's translators.
using Translator = std::string (*)(const char* context, const char* english, int n);

void setTranslator(Translator translator);

// The marked text in the language shown, with "%n" replaced by `n` when n >= 0.
std::string marked(const char* context, std::string_view english, int n = -1);

// The text as written (English), with "%n" replaced by `n` when n >= 0.
std::string plain(std::string_view english, int n = -1);

// `text` with its placeholders "%1", "%2"... replaced, in the order given.
std::string fill(std::string text, std::initializer_list<std::string_view> values);

} // namespace qv::textMark
