// SPDX-License-Identifier: MIT
#pragma once
// The language of the Qt programs (Setwright, Porchlight): the first language
// of the session (LANGUAGE, then LC_ALL, LC_MESSAGES, LANG) that has a
// catalogue of the program in the product's translations folder, with Qt's
// own catalogue for the standard dialogs' buttons; English when none has.

#include "common/ProgramInfo.h"

#include <QString>

#include <deque>
#include <filesystem>
#include <memory>
#include <string>

class QTranslator;

namespace qv {

class QtLanguage {
public:
    // Loads `<catalogue>_<code>.qm` ("setwright_de.qm") from `folder`.
    explicit QtLanguage(const char* catalogue,
                        const std::filesystem::path& folder = translationsFolder());
    ~QtLanguage();
    QtLanguage(const QtLanguage&) = delete;
    QtLanguage& operator=(const QtLanguage&) = delete;

    // The product's folder of Qt catalogues, beside the programs.
    static std::filesystem::path translationsFolder();

    // The code of the language loaded ("de", "qps"); empty for English.
    const std::string& language() const { return language_; }

    // Hands the catalogues to the running application (call once it exists)
    // and lets the texts marked in code without Qt follow them.
    void install();

    // A text in the language loaded, with or without an application; `n`
    // >= 0 chooses a plural form and fills %n.
    QString translate(const char* context, const char* source, int n = -1) const;

    // `info` with its texts in the language loaded; the texts live as long
    // as this object.
    ProgramInfo translated(const ProgramInfo& info, const char* context);

private:
    std::string_view keep(const QString& text);

    std::string language_;
    std::unique_ptr<QTranslator> own_;
    std::unique_ptr<QTranslator> qt_;
    std::deque<std::string> texts_;
};

} // namespace qv
