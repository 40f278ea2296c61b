// Commands on files only: they never touch a mouse.
#include <cstdio>
#include <iostream>
#include <string>

#include "macros/macro_library.h"
#include "macros/macro_limits.h"
#include "profile/profile_file.h"
#include "profile/storage_paths.h"
#include "profile/text_codec.h"
#include "tools/tavroctl/command_support.h"
#include "tools/tavroctl/commands.h"
#include "tools/tavroctl/exit_codes.h"
#include "tools/tavroctl/profile_json.h"
#include "tools/tavroctl/udev_rule.h"

namespace tavroctl {
namespace {

std::optional<int> TakeSlot(Arguments& args) {
    const std::optional<std::string> text = args.TakeOption("--slot");
    return text ? ParseNumber(*text, 0, tavro::kProfileCount - 1) : std::nullopt;
}

int InputFileError(const tavro::FileResult& result) {
    std::fprintf(stderr, "tavroctl: %s\n", tavro::Describe(result).c_str());
    return kExitUsage;
}

// A name as one field of a tab-separated line: a tab, a line break or a backslash in it
// would split or fake fields and lines, so they and the other control characters are
// written as C escapes (\t, \n, \r, \\, \xHH).
std::string EscapeField(const std::string& text) {
    std::string escaped;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
            case '\t':
                escaped += "\\t";
                break;
            case '\n':
                escaped += "\\n";
                break;
            case '\r':
                escaped += "\\r";
                break;
            case '\\':
                escaped += "\\\\";
                break;
            default:
                if (byte < 0x20 || byte == 0x7F) {
                    char hex[5];
                    std::snprintf(hex, sizeof hex, "\\x%02x", byte);
                    escaped += hex;
                } else {
                    escaped += c;
                }
        }
    }
    return escaped;
}

}  // namespace

int RunNew(const CommandLine& line, Arguments& args) {
    const std::optional<int> slot = TakeSlot(args);
    const std::optional<std::string> output = args.TakeOption("-o");
    std::vector<std::string> rest;
    if (!slot || !output || !args.TakePositionals(0, rest)) {
        return UsageError(line, args.HasError() ? args.Error() : "needs --slot 0-4 and -o FILE");
    }
    tavro::ProfileRecord record;
    record.slot = static_cast<uint8_t>(*slot);
    record.name = tavro::DefaultProfileName(*slot);
    return WriteOutput(*output, tavro::EncodeProfile(record).bytes());
}

int RunShow(const CommandLine& line, Arguments& args) {
    std::vector<std::string> file;
    if (!args.TakePositionals(1, file)) {
        return UsageError(line, args.Error());
    }
    tavro::ProfileRecord record;
    const tavro::FileResult loaded = tavro::LoadProfile(file[0], record);
    if (!loaded) {
        return InputFileError(loaded);
    }
    std::cout << ProfileToJson(record).dump(2) << '\n';
    return kExitOk;
}

int RunImage(const CommandLine& line, Arguments& args) {
    const std::optional<int> slot = TakeSlot(args);
    const std::optional<std::string> output = args.TakeOption("-o");
    std::vector<std::string> file;
    if (!slot || !output || !args.TakePositionals(1, file)) {
        return UsageError(line,
                          args.HasError() ? args.Error() : "needs FILE, --slot 0-4 and -o OUT");
    }
    tavro::ProfileRecord record;
    const tavro::FileResult loaded = LoadSlotProfile(file[0], *slot, record);
    if (!loaded) {
        return InputFileError(loaded);
    }
    tavro::ConfigImage image;
    if (!EncodeForTransfer(record, image)) {
        std::fprintf(stderr, "tavroctl: %s: %s\n", file[0].c_str(), kRefusedText);
        return kExitFailed;
    }
    return WriteOutput(*output, image);
}

int RunMacros(const CommandLine& line, Arguments& args) {
    const bool json = args.TakeFlag("--json");
    std::vector<std::string> folder;
    if (!args.TakePositionals(0, folder) && !args.TakePositionals(1, folder)) {
        return UsageError(line, args.Error());
    }
    const std::filesystem::path path =
        folder.empty() ? tavro::MacroFolder() : std::filesystem::path(folder[0]);
    // The default folder may not exist yet (an empty library); a folder named by the
    // user must.
    std::error_code error;
    if (!folder.empty() && !std::filesystem::is_directory(path, error)) {
        std::fprintf(stderr, "tavroctl: %s: not a folder\n", folder[0].c_str());
        return kExitUsage;
    }
    std::vector<tavro::CMacro> library;
    const tavro::LibraryLoadReport report = tavro::LoadLibrary(path, library);
    if (!report.index && report.index.status != tavro::FileStatus::kMissing &&
        report.index.status != tavro::FileStatus::kTruncated) {
        return InputFileError(report.index);
    }
    if (report.index.status == tavro::FileStatus::kTruncated) {
        std::fprintf(stderr, "tavroctl: warning: %s\n", tavro::Describe(report.index).c_str());
    }
    if (report.entriesBeyondLimit > 0) {
        std::fprintf(stderr, "tavroctl: warning: %s lists %d macros; only the first %d are read\n",
                     report.index.path.c_str(), report.entriesBeyondLimit,
                     tavro::kMaxLibraryMacros);
    }
    if (report.repeatedEntries > 0) {
        std::fprintf(stderr,
                     "tavroctl: warning: %s names %d files a second time; each is read once\n",
                     report.index.path.c_str(), report.repeatedEntries);
    }
    for (const tavro::SkippedMacro& skipped : report.skipped) {
        std::fprintf(stderr, "tavroctl: warning: skipped %s: %s\n",
                     tavro::Utf16ToUtf8(skipped.indexEntry).c_str(),
                     tavro::Describe(skipped.result).c_str());
    }
    if (json) {
        std::cout << LibraryToJson(library).dump(2) << '\n';
        return kExitOk;
    }
    for (const tavro::CMacro& macro : library) {
        std::printf("%d\t%s\t%zu\n", macro.id, EscapeField(tavro::Utf16ToUtf8(macro.name)).c_str(),
                    macro.events.size());
    }
    return kExitOk;
}

int RunUdevRule(const CommandLine& line, Arguments& args) {
    std::vector<std::string> rest;
    if (!args.TakePositionals(0, rest)) {
        return UsageError(line, args.Error());
    }
    std::fwrite(kUdevRule.data(), 1, kUdevRule.size(), stdout);
    return kExitOk;
}

}  // namespace tavroctl
