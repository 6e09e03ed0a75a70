// quillbox-cli as a user meets it: a real process, the real 7-Zip, real
// files; what it prints where, and its exit status.

#include "cli_process.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>

namespace fs = std::filesystem;

namespace quillbox::testing {
namespace {

const std::string finishedMessage = "Gradebook Successfully unpacked";
const std::string consoleLine = "Found the following zip files:";

// A temporary folder that serves as the current directory of the program,
// with an empty output folder and, on request, a small gradebook in it.
class CliTest : public ::testing::Test {
protected:
    std::string path(const std::string& relative) const { return temp / relative; }

    // A gradebook of two plain files, one in a subfolder; nobody to sort.
    std::string makePlainGradebook() {
        const fs::path staging = temp.path() / "staging";
        fs::create_directories(staging / "sub");
        writeFile(staging / "notes.pdf", "notes");
        writeFile(staging / "sub" / "data.csv", "1,2,3");
        makeArchive(temp.path() / "gradebook.zip", staging, {"notes.pdf", "sub"});
        fs::remove_all(staging);
        return path("gradebook.zip");
    }

    CliRun run(const std::vector<std::string>& arguments,
               StandardError errTo = StandardError::Pipe,
               StandardOutput outTo = StandardOutput::Pipe) {
        return runCli(arguments, temp.path(), errTo, outTo);
    }

    void SetUp() override { fs::create_directory(temp.path() / "out"); }

    TempDir temp;
};

// Where `needles` appear in `haystack`, in this order, or a failure.
::testing::AssertionResult appearInOrder(const std::string& haystack,
                                         const std::vector<std::string>& needles) {
    std::size_t from = 0;
    for (const std::string& needle : needles) {
        const std::size_t at = haystack.find(needle, from);
        if (at == std::string::npos)
            return ::testing::AssertionFailure()
                   << "\"" << needle << "\" missing (or out of order) in:\n" << haystack;
        from = at + needle.size();
    }
    return ::testing::AssertionSuccess();
}

// --- input checks ---------------------------------------------------------

struct InputCheckCase {
    std::string title;
    std::vector<std::string> arguments;  // relative paths are under the temp folder
    std::string expectedMessage;          // likewise, "@/" stands for the temp folder
};

// Test lists show the case by its title, not as raw bytes.
void PrintTo(const InputCheckCase& c, std::ostream* out) { *out << c.title; }

class CliInputCheckTest : public CliTest,
                          public ::testing::WithParamInterface<InputCheckCase> {};

std::string expand(const std::string& text, const fs::path& root) {
    std::string result = text;
    for (std::size_t at; (at = result.find("@/")) != std::string::npos;)
        result.replace(at, 2, root.string() + "/");
    return result;
}

TEST_P(CliInputCheckTest, ReportsTheFirstFailedCheckOnStandardErrorAndChangesNothing) {
    makePlainGradebook();
    fs::create_directory(temp.path() / "empty folder");
    writeFile(temp.path() / "rubric.docx", "rubric");
    const auto before = filesUnder(temp.path());

    std::vector<std::string> arguments;
    for (const std::string& argument : GetParam().arguments)
        arguments.push_back(expand(argument, temp.path()));
    const CliRun result = run(arguments);

    EXPECT_EQ(result.exitStatus, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, expand(GetParam().expectedMessage, temp.path()) + "\n");
    // The gradebook is still there, nothing was unpacked, no log was written.
    EXPECT_EQ(filesUnder(temp.path()), before);
}

INSTANTIATE_TEST_SUITE_P(
    Checks, CliInputCheckTest,
    ::testing::Values(
        InputCheckCase{"SevenZipFirstEvenWhenAllIsWrong",
                       {"--seven-zip", "@/empty folder", "--gradebook", "@/none.zip", "--output",
                        "@/nowhere", "--rubric", "@/none.docx"},
                       "you need to have 7-zip installed to the location selected: "
                       "@/empty folder/7z"},
        InputCheckCase{"SevenZipFolderWithTrailingSeparatorKeepsIt",
                       {"--seven-zip", "@/empty folder/", "--gradebook", "@/gradebook.zip",
                        "--output", "@/out"},
                       "you need to have 7-zip installed to the location selected: "
                       "@/empty folder//7z"},
        InputCheckCase{"RubricBeforeOutputAndGradebook",
                       {"--gradebook", "@/none.zip", "--output", "@/nowhere", "--rubric",
                        "@/none.docx"},
                       "rubric file specified not found... :@/none.docx"},
        InputCheckCase{"OutputBeforeGradebook",
                       {"--gradebook", "@/none.zip", "--output", "@/nowhere", "--rubric",
                        "@/rubric.docx"},
                       "output directory specified not found... :@/nowhere"},
        InputCheckCase{"EmptyOutput",
                       {"--gradebook", "@/gradebook.zip", "--output", ""},
                       "output directory specified not found... :"},
        InputCheckCase{"Gradebook",
                       {"--gradebook", "@/none.zip", "--output", "@/out", "--rubric", ""},
                       "gradebook file specified not found...: @/none.zip"},
        // The arguments reach the run as the bytes they are: blanks, a
        // leading dash, "=", shell syntax (never run) and bytes that are
        // not UTF-8.
        InputCheckCase{"ArgumentsPassedOnByteForByte",
                       {"--output", "@/out", "--gradebook= -a=b $(touch pwned) `id` \xff\xfe "},
                       "gradebook file specified not found...:  -a=b $(touch pwned) `id` "
                       "\xff\xfe "}),
    [](const auto& info) { return info.param.title; });

// --- the command line -------------------------------------------------------

TEST_F(CliTest, BadUsageExitsWithTwoAndSaysWhereToLook) {
    const std::vector<std::vector<std::string>> commandLines = {
        {},
        {"--output", "out"},
        {"--gradebook", "gradebook.zip"},
        {"--gradebook", "gradebook.zip", "--output"},
        {"--gradebook", "gradebook.zip", "--output", "out", "--colour"},
        {"--gradebook", "gradebook.zip", "--output", "out", "stray"},
        {"--gradebook", "a.zip", "--gradebook", "b.zip", "--output", "out"},
    };
    makePlainGradebook();
    for (const auto& commandLine : commandLines) {
        SCOPED_TRACE(::testing::PrintToString(commandLine));
        const CliRun result = run(commandLine);
        EXPECT_EQ(result.exitStatus, 2);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err.rfind("quillbox-cli: ", 0), 0u) << result.err;
        EXPECT_NE(result.err.find("Try 'quillbox-cli --help' for more information."),
                  std::string::npos);
    }
    EXPECT_TRUE(fs::exists(temp.path() / "gradebook.zip"));
}

TEST_F(CliTest, HelpAndVersionGoToStandardOutput) {
    for (const std::vector<std::string>& commandLine :
         {std::vector<std::string>{"--help"}, {"-h"}, {"--gradebook", "x", "--help"}}) {
        const CliRun help = run(commandLine);
        EXPECT_EQ(help.exitStatus, 0);
        EXPECT_EQ(help.err, "");
        EXPECT_EQ(help.out.rfind("Usage: quillbox-cli [--seven-zip DIR] --gradebook FILE "
                                 "--output DIR [--rubric FILE]\n",
                                 0),
                  0u)
            << help.out;
        EXPECT_TRUE(appearInOrder(help.out, {"--seven-zip", "--gradebook", "--output",
                                             "--rubric", "Exit status"}));
    }

    const CliRun version = run({"--version"});
    EXPECT_EQ(version.exitStatus, 0);
    EXPECT_EQ(version.err, "");
    EXPECT_EQ(version.out.rfind("quillbox-cli (Quillbox) ", 0), 0u) << version.out;
    EXPECT_EQ(version.out.back(), '\n');
}

// --- runs ------------------------------------------------------------------

TEST_F(CliTest, GradebookThatUnpacksSucceedsQuietlyOnStandardError) {
    const std::string gradebook = makePlainGradebook();

    const CliRun result = run({"--gradebook", gradebook, "--output", path("out")});

    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_TRUE(appearInOrder(result.out, {consoleLine + "\n", finishedMessage + "\n"}));
    EXPECT_EQ(result.out.substr(result.out.size() - finishedMessage.size() - 1),
              finishedMessage + "\n");
    // Standard error is no terminal here: no progress line either.
    EXPECT_EQ(result.err, "");
    EXPECT_FALSE(fs::exists(gradebook));
    EXPECT_EQ(readFile(temp.path() / "out" / "sub" / "data.csv"), "1,2,3");
    EXPECT_TRUE(fs::exists(temp.path() / "extraction1.log"));
}

TEST_F(CliTest, DefaultSevenZipFolderIsUsrBin) {
    const std::string gradebook = makePlainGradebook();
    const CliRun result =
        run({"--seven-zip", "/usr/bin", "--gradebook", gradebook, "--output", path("out")});
    EXPECT_EQ(result.exitStatus, 0) << result.err;

    const std::string second = makePlainGradebook();
    fs::create_directory(temp.path() / "out2");
    EXPECT_EQ(run({"--gradebook", second, "--output", path("out2")}).exitStatus, 0);
}

TEST_F(CliTest, DamagedGradebookExitsWithOneAndKeepsTheGradebook) {
    const std::string damaged = "PK\x03\x04 this is no archive at all";
    writeFile(temp.path() / "gradebook.zip", damaged);

    const CliRun result = run({"--gradebook", path("gradebook.zip"), "--output", path("out")});

    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(result.out.find(finishedMessage), std::string::npos);
    EXPECT_NE(result.err.find(path("gradebook.zip")), std::string::npos) << result.err;
    EXPECT_NE(result.err.find("extraction1.log"), std::string::npos) << result.err;
    EXPECT_EQ(readFile(temp.path() / "gradebook.zip"), damaged);
}

TEST_F(CliTest, ProgressIsOneRewrittenLineOnATerminal) {
    const std::string gradebook = makePlainGradebook();

    const CliRun result = run({"--gradebook", gradebook, "--output", path("out")},
                              StandardError::Terminal);

    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_NE(result.err.find("\r\033[Kquillbox-cli: "), std::string::npos) << result.err;
    EXPECT_EQ(result.err.find('\n'), std::string::npos) << "the progress line never ends a line";
    // Taken off the terminal at the end.
    EXPECT_EQ(result.err.substr(result.err.size() - 4), "\r\033[K");
    EXPECT_TRUE(appearInOrder(result.out, {consoleLine, finishedMessage}));
}

TEST_F(CliTest, ReaderThatGoesAwayDoesNotStopTheRunButTheExitSaysSo) {
    const std::string gradebook = makePlainGradebook();

    const CliRun result = run({"--gradebook", gradebook, "--output", path("out")},
                              StandardError::Pipe, StandardOutput::ClosedPipe);

    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_NE(result.err.find("standard output could not be written"), std::string::npos)
        << result.err;
    EXPECT_FALSE(fs::exists(gradebook));
    EXPECT_TRUE(fs::exists(temp.path() / "out" / "sub" / "data.csv"));
}

// A download as a learning platform gives it, made by the sample script:
// every student ends in a folder of their own with everything they handed
// in, and nothing is left at the top.
TEST_F(CliTest, RealisticGradebookEndsInOneFolderPerStudent) {
    const std::string gradebook = path("gradebook.zip");
    const std::string manifest = path("manifest.tsv");
    const std::string rubric = path("marking rubric.docx");
    makeSampleGradebook({"--students", "6", "--seed", "7", "--output", gradebook, "--rubric",
                         rubric, "--manifest", manifest});

    std::map<std::string, std::vector<std::string>> filesOfFolder;
    for (const ManifestEntry& entry : readSampleManifest(manifest))
        filesOfFolder[entry.folder].push_back(entry.path);
    ASSERT_EQ(filesOfFolder.size(), 6u);

    const CliRun result =
        run({"--gradebook", gradebook, "--output", path("out"), "--rubric", rubric});

    EXPECT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_EQ(result.err, "");
    EXPECT_TRUE(appearInOrder(result.out, {consoleLine, "Finished finding all user Codes",
                                           "copy ", finishedMessage}));
    std::set<std::string> topLevel;
    for (const auto& entry : fs::directory_iterator(temp.path() / "out"))
        topLevel.insert(entry.path().filename().string());
    std::set<std::string> folders;
    for (const auto& [folder, files] : filesOfFolder) {
        folders.insert(folder);
        const fs::path studentFolder = temp.path() / "out" / folder;
        EXPECT_TRUE(fs::is_regular_file(studentFolder / (folder + "_rubric.docx"))) << folder;
        for (const std::string& file : files)
            EXPECT_TRUE(fs::is_regular_file(studentFolder / file)) << folder << ": " << file;
    }
    EXPECT_EQ(topLevel, folders);
}

}  // namespace
}  // namespace quillbox::testing
