// SPDX-License-Identifier: MIT
#include "editor/interchange/SetImport.h"

#include "common/FileIo.h"
#include "editor/image/ImageDecoder.h"
#include "editor/image/PictureImport.h"
#include "editor/interchange/SetStore.h"
#include "editor/interchange/TextInput.h"
#include "editor/model/SetName.h"

#include <signal.h>
#include <unistd.h>

#include <cerrno>

#include <string_view>
#include <system_error>

namespace qv::interchange {

namespace fs = std::filesystem;

namespace {

std::string pictureReason(image::ImageError error) {
    using image::ImageError;
    switch (error) {
    case ImageError::CannotRead:
        return "the file cannot be read";
    case ImageError::UnknownFormat:
        return "not a picture in a format Setwright reads";
    case ImageError::Truncated:
        return "the picture file ends too early";
    case ImageError::TooLarge:
        return "the picture is too large";
    case ImageError::Unsupported:
        return "a kind of picture Setwright does not read";
    case ImageError::OutOfMemory:
        return "not enough memory";
    case ImageError::CannotWrite:
        return "the picture file cannot be written";
    default:
        return "the picture file is damaged";
    }
}

// A folder in the sets folder that the game never offers as a set (its name
// starts with a dot) and that becomes the set by one rename.
fs::path stagingFolderFor(const fs::path& setFolder) {
    std::string name = ".";
    name += setFolder.filename().string();
    name += ".import-";
    name += std::to_string(::getpid());
    return setFolder.parent_path() / name;
}

// Removes what imports into `setFolder` left when their process ended
// before renaming it into place.
void removeLeftoverStaging(const fs::path& setFolder) {
    std::string prefix = ".";
    prefix += setFolder.filename().string();
    prefix += ".import-";
    std::error_code error;
    for (fs::directory_iterator it(setFolder.parent_path(), error), end; !error && it != end;
         it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (name.compare(0, prefix.size(), prefix) != 0) {
            continue;
        }
        const std::string digits = name.substr(prefix.size());
        if (digits.empty() || digits.size() > 9 ||
            digits.find_first_not_of("0123456789") != std::string::npos) {
            continue;
        }
        if (::kill(static_cast<pid_t>(std::stol(digits)), 0) != 0 && errno == ESRCH) {
            std::error_code ignored;
            fs::remove_all(it->path(), ignored);
        }
    }
}

// "name" in quotes, for messages.
std::string quotedName(const std::string& name) {
    std::string out = name;
    out.insert(out.begin(), '"');
    out.push_back('"');
    return out;
}

ImportResult refuse(std::string error) {
    ImportResult result;
    result.error = std::move(error);
    return result;
}

} // namespace

bool readImportFile(const fs::path& file, std::optional<Format> format, const ReadOptions& options,
                    SourceRecords& records, ReadReport& report) {
    std::error_code ec;
    const std::uintmax_t size = fs::file_size(file, ec);
    if (ec || !fs::is_regular_file(file, ec)) {
        report.error = "the file cannot be read";
        return false;
    }
    if (size > maxImportFileBytes) {
        report.error =
            "the file is larger than " + std::to_string(maxImportFileBytes >> 20) + " MB";
        return false;
    }
    std::string bytes;
    if (!readWholeFile(file, bytes, static_cast<std::size_t>(maxImportFileBytes))) {
        report.error = "the file cannot be read";
        return false;
    }
    const Format chosen = format ? *format : detectFormat(file, bytes);
    // Text files are checked for their encoding first, so a broken one is
    // refused with its reason rather than read as nothing.
    if (!isWorkbook(chosen)) {
        if (!decodeInputText(bytes, report.error)) {
            return false;
        }
    }
    records = readRecords(chosen, bytes, options, report);
    return report.error.empty();
}

bool readImportFile(const fs::path& file, std::optional<Format> format, SourceRecords& records,
                    std::string& error) {
    ReadReport report;
    const bool read = readImportFile(file, format, {}, records, report);
    error = report.error;
    return read;
}

bool preparePictureFile(const fs::path& source, std::vector<std::uint8_t>* jpeg,
                        std::string& reason) {
    std::vector<std::uint8_t> bytes;
    image::ImageError error = image::ImageError::None;
    if (!image::readImageFile(source, bytes, &error)) {
        reason = pictureReason(error);
        return false;
    }
    image::ImportedPicture picture;
    std::vector<std::uint8_t> encoded;
    if (!image::preparePicture(bytes, picture, encoded, &error)) {
        reason = pictureReason(error);
        return false;
    }
    if (jpeg != nullptr) {
        *jpeg = std::move(encoded);
    }
    return true;
}

ImportPlan previewImport(const SourceRecords& records, const std::vector<SetFileRecord>& existing,
                         const fs::path& sourceFolder, const ImportOptions& options) {
    return planImport(records, existing, sourceFolder, options,
                      [](const fs::path& source, int, std::string& reason) {
                          return preparePictureFile(source, nullptr, reason);
                      });
}

ImportResult importIntoSet(const fs::path& setsFolder, const ImportRequest& request) {
    if (!isValidSetName(request.setName)) {
        return refuse(quotedName(request.setName) + " cannot be a set name");
    }
    std::vector<SetFileRecord> existing;
    const SetPresence presence = setPresence(setsFolder, request.setName);
    const bool appending = request.append && presence == SetPresence::Readable;
    if (presence == SetPresence::Occupied) {
        return refuse("something other than a question set is named " +
                      quotedName(request.setName));
    }
    if (presence == SetPresence::Readable && !request.append) {
        return refuse("a question set named " + quotedName(request.setName) +
                      " exists already (--append adds to it)");
    }
    std::string error;
    if (appending && !readStoredSet(setsFolder, request.setName, existing, error)) {
        return refuse("the set " + quotedName(request.setName) + " is not whole: " + error);
    }
    SourceRecords records;
    ReadReport report;
    if (!readImportFile(request.file, request.format, request.read, records, report)) {
        ImportResult refused = refuse(request.file.string() + ": " + report.error);
        refused.read = std::move(report);
        return refused;
    }

    std::error_code ec;
    fs::create_directory(setsFolder, ec); // its last level only, as the editor does
    const fs::path setFolder = setFolderOf(setsFolder, request.setName);
    // A new set is built beside the sets and renamed into place; an appended
    // one gets its new pictures first (numbers past its count, which no
    // reader looks at) and its set file last.
    const fs::path target = appending ? setFolder : stagingFolderFor(setFolder);
    if (!appending) {
        removeLeftoverStaging(setFolder);
        fs::remove_all(target, ec);
        if (!fs::create_directory(target, ec)) {
            return refuse("the set's folder cannot be made in " + setsFolder.string());
        }
    }
    std::vector<fs::path> written;
    auto undo = [&] {
        std::error_code ignored;
        if (appending) {
            for (const fs::path& picture : written) {
                fs::remove(picture, ignored);
            }
        } else {
            fs::remove_all(target, ignored);
        }
    };
    ImportResult result;
    result.read = std::move(report);
    result.plan = planImport(records, existing, request.file.parent_path(), request.options,
                             [&](const fs::path& source, int position, std::string& reason) {
                                 std::vector<std::uint8_t> jpeg;
                                 if (!preparePictureFile(source, &jpeg, reason)) {
                                     return false;
                                 }
                                 const fs::path file = target / pictureFileName(position);
                                 const std::string_view bytes(
                                     reinterpret_cast<const char*>(jpeg.data()), jpeg.size());
                                 if (!writeFileAtomically(file, bytes)) {
                                     reason = "its picture file cannot be written";
                                     return false;
                                 }
                                 written.push_back(file);
                                 return true;
                             });
    if (result.plan.questions.empty()) {
        undo();
        return result;
    }
    existing.reserve(existing.size() + result.plan.questions.size());
    // The plan keeps its count and lines; its records go into the set.
    for (PlannedQuestion& question : result.plan.questions) {
        existing.push_back(std::move(question.record));
    }
    const std::string bytes = writeSetFile(existing);
    if (bytes.size() > maxSetFileBytes) {
        undo();
        result.error = "the set would be too large for Setwright to open";
        return result;
    }
    const fs::path fileName = setFileOf(setsFolder, request.setName).filename();
    if (!writeFileAtomically(target / fileName, bytes)) {
        undo();
        result.error = "the set file cannot be written in " + target.parent_path().string();
        return result;
    }
    if (!appending) {
        // An empty folder of that name (a set created and never saved) is
        // replaced by the rename.
        fs::remove(setFolder, ec);
        fs::rename(target, setFolder, ec);
        if (ec) {
            undo();
            result.error = "the set's folder cannot be put in place in " + setsFolder.string();
            return result;
        }
    }
    result.written = true;
    return result;
}

} // namespace qv::interchange
