#include "proof_fixtures.h"

namespace fs = std::filesystem;

namespace quillbox::testing {

Workspace::Workspace()
    : output(root.path() / "marks" / "Course 1" / "out"),
      work(root.path() / "work"),
      gradebook(root / "downloads/gradebook.zip"),
      rubric(root / "forms/marking rubric.docx") {
    fs::create_directories(output);
    fs::create_directories(work);
    fs::create_directories(root.path() / "downloads");
    fs::create_directories(root.path() / "forms");
}

RunReport Workspace::organize(CommandRunner& runner, RunUi& ui) const {
    CurrentDirectory inWork(work);
    return organizeRun({sevenZipProgram, gradebook, rubric, output.string()}, runner, ui);
}

}  // namespace quillbox::testing
