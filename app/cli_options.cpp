#include "cli_options.h"

#include <CLI/CLI.hpp>

namespace quillbox::cli {

namespace {

const char* const usageLine =
    "Usage: quillbox-cli [--seven-zip DIR] --gradebook FILE --output DIR [--rubric FILE]\n";

// GNU order: the usage line first, then what the program does.
class UsageFormatter : public CLI::Formatter {
public:
    std::string make_usage(const CLI::App* app, std::string) const override {
        return std::string(usageLine) + "\n" + app->get_description() + "\n";
    }
    std::string make_description(const CLI::App*) const override { return {}; }
};

std::string versionText() {
    return std::string(programName) + " (Quillbox) " + QUILLBOX_VERSION + "\n";
}

}  // namespace

ParsedCommandLine parseCommandLine(const std::vector<std::string>& arguments) {
    CliOptions options;

    CLI::App app{"Sorts a gradebook archive into one folder per student: each student's\n"
                 "information file, a copy of the rubric, the unpacked archive and the\n"
                 "remaining files. Runs exactly what the Quillbox window runs.",
                 programName};
    app.formatter(std::make_shared<UsageFormatter>());
    app.get_formatter()->column_width(20);
    // The usage line already says which options are required.
    app.get_formatter()->label("REQUIRED", "");
    app.set_help_flag("-h,--help", "Show this help and exit");
    app.set_version_flag("--version", versionText(), "Show the version and exit");

    app.add_option("--seven-zip", options.sevenZipFolder,
                   "Folder holding the 7z program (default: /usr/bin)")
        ->type_name("DIR");
    app.add_option("--gradebook", options.gradebook,
                   "Gradebook archive; deleted once unpacked")
        ->type_name("FILE")
        ->required();
    app.add_option("--output", options.outputDir,
                   "Existing folder to unpack and sort into")
        ->type_name("DIR")
        ->required();
    app.add_option("--rubric", options.rubric,
                   "Rubric copied in for each student")
        ->type_name("FILE");
    app.add_flag("--print-peak-memory", options.printPeakMemory)->group("");

    app.footer(
        "Copy commands and progress notes go to standard output, problems to standard\n"
        "error. 7-Zip's output is written to extraction1.log in the current folder.\n"
        "\n"
        "Exit status: 0 when every step succeeded; 1 when some step failed or some\n"
        "information file was left unsorted (each is listed); 2 when an input is\n"
        "missing or the command line is wrong.");

    ParsedCommandLine parsed;
    // CLI11 wants the arguments after the program name, last one first.
    std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());
    if (!reversed.empty()) reversed.pop_back();
    try {
        app.parse(reversed);
    } catch (const CLI::CallForHelp&) {
        parsed.out = app.help();
        parsed.exitStatus = exitSucceeded;
        return parsed;
    } catch (const CLI::CallForVersion&) {
        parsed.out = versionText();
        parsed.exitStatus = exitSucceeded;
        return parsed;
    } catch (const CLI::ParseError& error) {
        parsed.err = std::string(programName) + ": " + error.what() + "\nTry '" + programName +
                     " --help' for more information.\n";
        parsed.exitStatus = exitBadInput;
        return parsed;
    }
    parsed.options = std::move(options);
    return parsed;
}

}  // namespace quillbox::cli
