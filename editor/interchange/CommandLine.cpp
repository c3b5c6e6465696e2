// SPDX-License-Identifier: MIT
#include "editor/interchange/CommandLine.h"

#include "common/Utf16.h"
#include "editor/interchange/CsvExport.h"
#include "editor/interchange/SetCheck.h"
#include "editor/interchange/SetImport.h"
#include "editor/interchange/SetStore.h"

#include <array>
#include <map>
#include <string>

namespace qv::interchange {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view usage =
    "usage: Setwright --import FILE --set NAME\n"
    "                 [--format csv|tsv|xlsx|ods|aiken|gift|opentdb|moodle]\n"
    "                 [--sheet NAME|N] [--columns question=1,a=2,...] [--rung N] [--append]\n"
    "       Setwright --export NAME --to FILE.csv\n"
    "       Setwright --check NAME\n";

constexpr std::array<std::string_view, 9> valueOptions = {"--import", "--set",   "--format",
                                                          "--rung",   "--sheet", "--columns",
                                                          "--export", "--to",    "--check"};
constexpr std::string_view appendOption = "--append";

struct Arguments {
    std::map<std::string, std::string, std::less<>> values;
    bool append = false;
    std::string problem;

    bool has(std::string_view option) const { return values.find(option) != values.end(); }
    const std::string& operator[](std::string_view option) const {
        return values.find(option)->second;
    }
};

bool isValueOption(std::string_view option) {
    for (std::string_view known : valueOptions) {
        if (known == option) {
            return true;
        }
    }
    return false;
}

Arguments parse(std::span<const char* const> args) {
    Arguments parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string_view arg = args[i];
        if (arg == appendOption) {
            parsed.append = true;
            continue;
        }
        std::string_view option = arg;
        std::optional<std::string_view> value;
        if (const std::size_t equals = arg.find('=');
            arg.substr(0, 2) == "--" && equals != std::string_view::npos) {
            option = arg.substr(0, equals);
            value = arg.substr(equals + 1);
        }
        if (!isValueOption(option)) {
            parsed.problem = "unknown argument \"" + std::string(arg) + "\"";
            return parsed;
        }
        if (!value) {
            if (i + 1 >= args.size()) {
                parsed.problem = std::string(option) + " needs a value";
                return parsed;
            }
            value = args[++i];
        }
        if (!parsed.values.emplace(std::string(option), std::string(*value)).second) {
            parsed.problem = std::string(option) + " is given twice";
            return parsed;
        }
    }
    return parsed;
}

int usageError(std::ostream& err, const std::string& problem) {
    err << "Setwright: " << problem << "\n" << usage;
    return 2;
}

int failure(std::ostream& err, const std::string& problem) {
    err << "Setwright: " << problem << "\n";
    return 2;
}

// The set name as the editor holds it (UTF-8); false when the argument is
// not UTF-8.
bool setNameOf(const std::string& utf8, std::string& name) {
    std::u16string wide;
    if (!utf16FromUtf8(utf8, wide)) {
        return false;
    }
    name = utf8;
    return true;
}

// The last line of every import: what came in, what was skipped and, when
// nothing could be read, why.
void summary(std::ostream& out, std::size_t imported, std::size_t skipped, const std::string& why,
             const std::string& format) {
    out << "imported " << imported << " questions, skipped " << skipped;
    if (!why.empty()) {
        out << ": " << why;
    } else if (!format.empty()) {
        out << " (read as " << format << ")";
    }
    out << "\n";
}

int runImport(const Arguments& args, const std::function<fs::path()>& setsFolder, std::ostream& out,
              std::ostream& err, SetLock* lock) {
    for (std::string_view option : {"--export", "--to", "--check"}) {
        if (args.has(option)) {
            return usageError(err, "--import cannot go with " + std::string(option));
        }
    }
    if (!args.has("--set")) {
        return usageError(err, "--import needs --set NAME");
    }
    const std::string& fileName = args["--import"];
    ImportRequest request;
    request.file = fs::path(fileName);
    request.append = args.append;
    if (args.has("--format")) {
        request.format = formatNamed(args["--format"]);
        if (!request.format) {
            return usageError(err, "unknown format \"" + args["--format"] + "\"");
        }
    }
    if (args.has("--rung")) {
        request.options.rung = rungOf(args["--rung"]);
        if (request.options.rung <= 0) {
            return usageError(err, "--rung takes 1 to 15 or a prize of the ladder");
        }
    }
    if (args.has("--sheet")) {
        request.read.sheet = args["--sheet"];
    }
    if (args.has("--columns")) {
        ColumnMap columns;
        std::string problem;
        if (!parseColumnMap(args["--columns"], columns, problem)) {
            return usageError(err, problem);
        }
        request.read.columns = columns;
    }
    if (!setNameOf(args["--set"], request.setName)) {
        summary(out, 0, 0, "\"" + args["--set"] + "\" cannot be a set name", {});
        return failure(err, "\"" + args["--set"] + "\" cannot be a set name");
    }
    const fs::path sets = setsFolder();
    std::string holder;
    if (lock != nullptr && !lock->take(setLockFile(sets, request.setName), holder)) {
        const std::string why = "the set \"" + args["--set"] + "\" is open in a Setwright window (" +
                                holder + "); close it there, then import again";
        summary(out, 0, 0, why, {});
        return failure(err, why);
    }
    const ImportResult result = importIntoSet(sets, request);
    const std::string format(formatName(result.read.format));
    if (!result.error.empty() && result.plan.questions.empty() && result.plan.skipped.empty()) {
        summary(out, 0, 0, result.error, format);
        return failure(err, result.error);
    }
    for (const std::string& note : result.read.notes) {
        err << fileName << ": " << note << "\n";
    }
    for (const Skipped& skipped : result.plan.skipped) {
        err << fileName << ":" << skipped.where() << ": " << skipped.reason << "\n";
    }
    std::string why;
    if (!result.error.empty()) {
        err << "Setwright: " << result.error << "\n";
        why = result.error;
    } else if (!result.written) {
        why = fileName + " holds no question that can be imported";
        err << "Setwright: " << why << "\n";
    }
    const std::size_t imported = result.written ? result.plan.questions.size() : 0;
    summary(out, imported, result.plan.skipped.size(), why, format);
    if (!result.written) {
        return 2;
    }
    return result.plan.skipped.empty() ? 0 : 1;
}

int runExport(const Arguments& args, const std::function<fs::path()>& setsFolder, std::ostream& out,
              std::ostream& err) {
    if (args.values.size() != 2 || !args.has("--to") || args.append) {
        return usageError(err, "--export takes a set name and --to FILE.csv, nothing else");
    }
    std::string name;
    if (!setNameOf(args["--export"], name)) {
        return failure(err, "there is no question set named \"" + args["--export"] + "\"");
    }
    const ExportResult result = exportSet(setsFolder(), name, fs::path(args["--to"]));
    for (const std::string& warning : result.warnings) {
        err << args["--to"] << ": " << warning << "\n";
    }
    if (!result.written) {
        return failure(err, result.error);
    }
    out << "exported " << result.questions << " questions to " << args["--to"] << "\n";
    return result.warnings.empty() ? 0 : 1;
}

int runCheck(const Arguments& args, const std::function<fs::path()>& setsFolder, std::ostream& out,
             std::ostream& err) {
    if (args.values.size() != 1 || args.append) {
        return usageError(err, "--check takes a set name and nothing else");
    }
    std::string name;
    const fs::path sets = setsFolder();
    if (!setNameOf(args["--check"], name) || setPresence(sets, name) != SetPresence::Readable) {
        return failure(err, "there is no question set named \"" + args["--check"] + "\"");
    }
    std::vector<SetFileRecord> questions;
    std::string error;
    std::vector<int> damagedLines;
    if (!readStoredSet(sets, name, questions, error, &damagedLines)) {
        return failure(err, "the set \"" + args["--check"] + "\" cannot be checked: " + error);
    }
    const fs::path folder = setFolderOf(sets, name);
    SetCheck check = checkQuestions(questions, [&folder](int position) {
        return isReadablePicture(folder / pictureFileName(position));
    });
    const std::string file = setFileOf(sets, name).string();
    for (int line : damagedLines) {
        check.problems.push_back(file + ":" + std::to_string(line) +
                                 ": bytes that are not UTF-8, read as U+FFFD");
    }
    out << checkReport(check);
    return check.problems.empty() ? 0 : 1;
}

} // namespace

std::string_view commandLineUsage() {
    return usage;
}

bool isInterchangeCommand(std::span<const char* const> args) {
    for (std::string_view arg : args) {
        const std::string_view option = arg.substr(0, arg.find('='));
        if (arg == appendOption || isValueOption(option)) {
            return true;
        }
    }
    return false;
}

int runCommandLine(std::span<const char* const> args, const std::function<fs::path()>& setsFolder,
                   std::ostream& out, std::ostream& err, SetLock* lock) {
    const Arguments parsed = parse(args);
    if (!parsed.problem.empty()) {
        return usageError(err, parsed.problem);
    }
    const int commands = static_cast<int>(parsed.has("--import")) +
                         static_cast<int>(parsed.has("--export")) +
                         static_cast<int>(parsed.has("--check"));
    if (commands != 1) {
        return usageError(err, commands == 0 ? "--import, --export or --check is needed"
                                             : "give only one of --import, --export and --check");
    }
    if (parsed.has("--import")) {
        return runImport(parsed, setsFolder, out, err, lock);
    }
    if (parsed.has("--export")) {
        return runExport(parsed, setsFolder, out, err);
    }
    return runCheck(parsed, setsFolder, out, err);
}

} // namespace qv::interchange
