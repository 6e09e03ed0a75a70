// One step of a real run made to fail, for each kind of step at the first,
// a middle and the last place it comes: whatever fails, every file of the
// gradebook is still under the output directory and the run says what
// failed.
#include "cli_process.h"
#include "fault_injecting_runner.h"
#include "gradebook_inventory.h"
#include "proof_fixtures.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace fs = std::filesystem;

namespace quillbox::testing {
namespace {

enum class Place { First, Middle, Last };

struct FaultCase {
    StepKind kind;
    Place place;
};

std::string nameOf(const FaultCase& fault) {
    static const std::map<Place, std::string> places = {
        {Place::First, "First"}, {Place::Middle, "Middle"}, {Place::Last, "Last"}};
    return std::string(nameOf(fault.kind)) + places.at(fault.place);
}

void PrintTo(const FaultCase& fault, std::ostream* out) { *out << nameOf(fault); }

std::string caseName(const ::testing::TestParamInfo<FaultCase>& info) {
    return nameOf(info.param);
}

class FaultInjectionTest : public ::testing::TestWithParam<FaultCase> {
protected:
    // One sample gradebook, what it holds, and how many steps of each kind
    // a run over it takes when nothing fails.
    static void SetUpTestSuite() {
        suiteDir = std::make_unique<TempDir>();
        sampleGradebook = *suiteDir / "gradebook.zip";
        sampleRubric = *suiteDir / "rubric.docx";
        makeSampleGradebook({"--students", "4", "--seed", "11", "--output", sampleGradebook,
                             "--rubric", sampleRubric});
        inventory = inventoryOf(sampleGradebook, suiteDir->path() / "inventory");

        Workspace workspace;
        prepare(workspace);
        DirectCommandRunner direct;
        FaultInjectingRunner counting(direct);
        RecordingUi ui;
        const RunReport report = workspace.organize(counting, ui);
        EXPECT_EQ(report.outcome, RunOutcome::Succeeded) << report.finalMessage;
        EXPECT_EQ(lostFiles(inventory, workspace.output), std::vector<std::string>{});
        for (const StepKind kind : allStepKinds) stepCounts[kind] = counting.stepsSeen(kind);
    }

    static void TearDownTestSuite() { suiteDir.reset(); }

    static void prepare(const Workspace& workspace) {
        fs::copy_file(sampleGradebook, workspace.gradebook);
        fs::copy_file(sampleRubric, workspace.rubric);
    }

    static int ordinalOf(const FaultCase& fault) {
        const int count = stepCounts.at(fault.kind);
        switch (fault.place) {
            case Place::First: return 1;
            case Place::Middle: return (count + 1) / 2;
            case Place::Last: return count;
        }
        return 0;
    }

    static inline std::unique_ptr<TempDir> suiteDir;
    static inline std::string sampleGradebook;
    static inline std::string sampleRubric;
    static inline std::vector<GradebookFile> inventory;
    static inline std::map<StepKind, int> stepCounts;
};

TEST_P(FaultInjectionTest, NothingIsLostAndTheFailureIsReported) {
    // Sanity of the sample: enough steps of every kind for three places.
    for (const StepKind kind : allStepKinds) ASSERT_GE(stepCounts.at(kind), 3) << nameOf(kind);

    Workspace workspace;
    prepare(workspace);
    const std::string originalGradebook = readFile(workspace.gradebook);
    DirectCommandRunner direct;
    FaultInjectingRunner runner(direct);
    runner.failStep(GetParam().kind, ordinalOf(GetParam()));
    RecordingUi ui;

    const RunReport report = workspace.organize(runner, ui);

    ASSERT_TRUE(runner.failedCommandText().has_value());
    const std::string& failed = *runner.failedCommandText();
    SCOPED_TRACE(failed);

    EXPECT_EQ(report.outcome, RunOutcome::CompletedWithFailures);
    ASSERT_FALSE(ui.messages.empty());
    EXPECT_EQ(ui.messages.back().kind, MessageKind::RunFailed);
    EXPECT_EQ(ui.messages.back().text, report.finalMessage);
    EXPECT_NE(report.finalMessage.find("injected failure"), std::string::npos)
        << report.finalMessage;
    for (const auto& message : ui.messages) EXPECT_NE(message.text, successMessage);
    EXPECT_EQ(ui.value, 0);

    // The gradebook's own unpack comes first of its kind.
    if (GetParam().kind == StepKind::Unpack && GetParam().place == Place::First) {
        EXPECT_NE(failed.find(" x \"" + workspace.gradebook + "\""), std::string::npos);
        ASSERT_TRUE(fs::exists(workspace.gradebook));
        EXPECT_EQ(readFile(workspace.gradebook), originalGradebook);
        EXPECT_TRUE(fs::is_empty(workspace.output));
        EXPECT_NE(report.finalMessage.find(workspace.gradebook), std::string::npos);
        EXPECT_NE(report.finalMessage.find("not deleted"), std::string::npos);
    } else {
        EXPECT_NE(report.finalMessage.find(failed), std::string::npos) << report.finalMessage;
        EXPECT_EQ(lostFiles(inventory, workspace.output), std::vector<std::string>{});
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryKindAtThreePlaces, FaultInjectionTest,
    ::testing::Values(FaultCase{StepKind::MakeFolder, Place::First},
                      FaultCase{StepKind::MakeFolder, Place::Middle},
                      FaultCase{StepKind::MakeFolder, Place::Last},
                      FaultCase{StepKind::Copy, Place::First},
                      FaultCase{StepKind::Copy, Place::Middle},
                      FaultCase{StepKind::Copy, Place::Last},
                      FaultCase{StepKind::Delete, Place::First},
                      FaultCase{StepKind::Delete, Place::Middle},
                      FaultCase{StepKind::Delete, Place::Last},
                      FaultCase{StepKind::Unpack, Place::First},
                      FaultCase{StepKind::Unpack, Place::Middle},
                      FaultCase{StepKind::Unpack, Place::Last}),
    caseName);


// quillbox-cli meets faults the file system itself makes: a file stands
// where one student's folder goes, and another student's folder already
// holds a different file under the name of one of their hand-ins.
TEST(CliFaultTest, FailedStepsExitWithOneListThemAndKeepEveryFile) {
    Workspace workspace;
    const std::string manifest = workspace.root / "manifest.tsv";
    makeSampleGradebook({"--students", "3", "--seed", "5", "--output", workspace.gradebook,
                         "--rubric", workspace.rubric, "--manifest", manifest});
    const auto inventory = inventoryOf(workspace.gradebook, workspace.root.path() / "inventory");

    // Student name -> the hand-ins that go straight into their folder.
    std::map<std::string, std::vector<std::string>> handInsOf;
    for (const ManifestEntry& entry : readSampleManifest(manifest)) {
        if (entry.path.find('/') == std::string::npos && !entry.path.ends_with(".txt"))
            handInsOf[entry.folder].push_back(entry.path);
    }
    ASSERT_EQ(handInsOf.size(), 3u);
    const std::string blocked = handInsOf.begin()->first;
    const std::string clashing = std::next(handInsOf.begin())->first;
    const std::string clashingFile = handInsOf.at(clashing).front();

    writeFile(workspace.output / blocked, "not a folder");
    fs::create_directory(workspace.output / clashing);
    writeFile(workspace.output / clashing / clashingFile, "the teacher's own file");

    const CliRun result = runCli({"--gradebook", workspace.gradebook, "--output",
                                  workspace.output.string(), "--rubric", workspace.rubric},
                                 workspace.work);

    EXPECT_EQ(result.exitStatus, 1) << result.err;
    const std::string folderPath = workspace.output.string() + "/";
    EXPECT_NE(result.err.find("mkdir \"" + folderPath + blocked + "\""), std::string::npos)
        << result.err;
    EXPECT_NE(result.err.find("copy \"" + folderPath + clashingFile + "\" \"" + folderPath +
                              clashing + "/\""),
              std::string::npos)
        << result.err;
    EXPECT_EQ(result.out.find(successMessage), std::string::npos);
    EXPECT_EQ(lostFiles(inventory, workspace.output), std::vector<std::string>{});
    EXPECT_EQ(readFile(workspace.output / blocked), "not a folder");
    EXPECT_EQ(readFile(workspace.output / clashing / clashingFile), "the teacher's own file");
    EXPECT_TRUE(fs::exists(workspace.output / clashingFile));
}

}  // namespace
}  // namespace quillbox::testing
