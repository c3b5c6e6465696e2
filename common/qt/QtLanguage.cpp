// SPDX-License-Identifier: MIT
#include "common/qt/QtLanguage.h"

#include "common/Paths.h"
#include "common/TextMark.h"
#include "common/Translate.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QTranslator>

#include <vector>

namespace qv {
namespace {

// "de_DE.UTF-8@euro" -> "de_DE", then "de": the names a catalogue may have.
std::vector<std::string> namesOf(const std::string& entry) {
    std::string name = entry.substr(0, entry.find_first_of(".@"));
    std::vector<std::string> names;
    if (!name.empty()) {
        names.push_back(name);
    }
    const std::size_t country = name.find('_');
    if (country != std::string::npos && country > 0) {
        names.push_back(name.substr(0, country));
    }
    return names;
}

bool isEnglish(const std::string& name) {
    return name == "en" || name.rfind("en_", 0) == 0 || name == "C" || name == "POSIX";
}

QString pathOf(const std::filesystem::path& path) {
    return QFile::decodeName(QByteArray::fromStdString(path.string()));
}

std::string qtTranslator(const char* context, const char* english, int n) {
    return QCoreApplication::translate(context, english, nullptr, n).toStdString();
}

} // namespace

std::filesystem::path QtLanguage::translationsFolder() {
    return programFolder() / "translations";
}

QtLanguage::QtLanguage(const char* catalogue, const std::filesystem::path& folder) {
    const std::string languages = i18n::sessionLanguages();
    std::size_t start = 0;
    while (start <= languages.size() && language_.empty()) {
        const std::size_t end = std::min(languages.find(':', start), languages.size());
        const std::string entry = languages.substr(start, end - start);
        start = end + 1;
        bool english = false;
        for (const std::string& name : namesOf(entry)) {
            if (isEnglish(name)) {
                english = true; // the source texts are English: nothing to load
                break;
            }
            auto own = std::make_unique<QTranslator>();
            const std::filesystem::path file =
                folder / (std::string(catalogue) + "_" + name + ".qm");
            // A catalogue with no translation yet speaks English: look further.
            if (own->load(pathOf(file)) && !own->isEmpty()) {
                own_ = std::move(own);
                language_ = name;
                break;
            }
        }
        if (english) {
            break;
        }
    }
    if (language_.empty()) {
        return;
    }
    // Qt's own texts (the standard buttons, the file dialog): the product's
    // copy where it has one (the pseudo language), else the system's.
    const QString qtName = QStringLiteral("qtbase_") + QString::fromStdString(language_);
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(qtName, pathOf(folder)) ||
        qt->load(qtName, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        qt_ = std::move(qt);
    }
}

QtLanguage::~QtLanguage() {
    textMark::setTranslator(nullptr);
    if (QCoreApplication::instance() != nullptr) {
        if (own_) {
            QCoreApplication::removeTranslator(own_.get());
        }
        if (qt_) {
            QCoreApplication::removeTranslator(qt_.get());
        }
    }
}

void QtLanguage::install() {
    if (QCoreApplication::instance() == nullptr) {
        return;
    }
    if (qt_) {
        QCoreApplication::installTranslator(qt_.get());
    }
    if (own_) {
        QCoreApplication::installTranslator(own_.get());
    }
    textMark::setTranslator(qtTranslator);
}

QString QtLanguage::translate(const char* context, const char* source, int n) const {
    QString text;
    if (own_) {
        text = own_->translate(context, source, nullptr, n);
    }
    if (text.isEmpty()) {
        text = QString::fromUtf8(source);
    }
    if (n >= 0) {
        text.replace(QStringLiteral("%n"), QString::number(n));
    }
    return text;
}

std::string_view QtLanguage::keep(const QString& text) {
    texts_.push_back(text.toStdString());
    return texts_.back();
}

ProgramInfo QtLanguage::translated(const ProgramInfo& info, const char* context) {
    auto tr = [this, context](std::string_view source) {
        return source.empty() ? source : keep(translate(context, std::string(source).c_str()));
    };
    ProgramInfo out = info;
    out.summary = tr(info.summary);
    for (ProgramOption& option : out.options) {
        option.meaning = tr(option.meaning);
    }
    out.epilogue = tr(info.epilogue);
    out.usageLabel = tr(info.usageLabel);
    out.optionsHeading = tr(info.optionsHeading);
    out.helpMeaning = tr(info.helpMeaning);
    out.versionMeaning = tr(info.versionMeaning);
    return out;
}

} // namespace qv
