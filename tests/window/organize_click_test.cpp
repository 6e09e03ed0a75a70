// "Organize it!" pressed in the window: the run through MyForm's fields.
#include "dialog_answers.h"
#include "my_form_fixture.h"
#include "test_support.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

#include <filesystem>
#include <iostream>

namespace {

namespace fs = std::filesystem;
using quillbox::testing::CurrentDirectory;
using quillbox::testing::DialogAnswers;
using quillbox::testing::MyFormTest;
using quillbox::testing::TempDir;

// A gradebook with two hand-ins and no information files.
struct Gradebook {
    TempDir dir;
    std::string archive = dir / "gradebook.zip";
    std::string output = dir / "out";

    Gradebook() {
        fs::create_directory(dir / "in");
        fs::create_directory(output);
        quillbox::testing::writeFile(dir / "in/alee7_essay.docx", "Ann's essay");
        quillbox::testing::writeFile(dir / "in/bchan2_notes.pdf", "Bo's notes");
        quillbox::testing::makeArchive(archive, dir / "in", {"alee7_essay.docx", "bchan2_notes.pdf"});
    }
};

class OrganizeClickTest : public MyFormTest {
protected:
    void type(const char* box, const std::string& text) {
        static_cast<QLineEdit*>(widget(box))->setText(QString::fromStdString(text));
    }
    QString boxText(const char* box) { return static_cast<QLineEdit*>(widget(box))->text(); }
    void clickOrganize() { QTest::mouseClick(widget("OrganizeItBtn"), Qt::LeftButton); }

    // Input as the window system delivers it: queued for the event loop.
    void queueTypingAndClick() {
        QWidget* box = widget("textBox1");
        QCoreApplication::postEvent(box, new QKeyEvent(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, "x"));
        QWidget* button = widget("OrganizeItBtn");
        const QPointF centre = QRectF(button->rect()).center();
        for (const auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
            QCoreApplication::postEvent(
                button, new QMouseEvent(type, centre, button->mapToGlobal(centre), Qt::LeftButton,
                                        type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                                        Qt::NoModifier));
    }

    TempDir workingDir;
    CurrentDirectory inWorkingDir{workingDir.path()};
};

TEST_F(OrganizeClickTest, WithTheInitialValuesStopsAtTheFirstFailingCheck) {
    show();
    DialogAnswers answers;
    clickOrganize();
    // /usr/bin/7z is there, the empty output directory is not.
    EXPECT_EQ(answers.messages, std::vector<std::string>{"output directory specified not found... :"});
    EXPECT_FALSE(fs::exists(workingDir / "extraction1.log")) << "a command ran";
    EXPECT_EQ(form->sevenZipLocation, u"/usr/bin");
    EXPECT_EQ(boxText("textBox4"), "/usr/bin");
}

TEST_F(OrganizeClickTest, UnpacksARealGradebookIntoTheOutputDirectory) {
    Gradebook gradebook;
    show();
    type("textBox1", gradebook.archive);
    type("textBox3", gradebook.output);
    DialogAnswers answers;
    ::testing::internal::CaptureStdout();

    clickOrganize();

    std::cout.flush();
    const std::string console = ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(answers.messages, std::vector<std::string>{"Gradebook Successfully unpacked"});
    EXPECT_EQ(quillbox::testing::filesUnder(gradebook.output),
              (std::vector<std::pair<std::string, std::string>>{{"alee7_essay.docx", "Ann's essay"},
                                                                {"bchan2_notes.pdf", "Bo's notes"}}));
    EXPECT_FALSE(fs::exists(gradebook.archive));
    EXPECT_TRUE(fs::exists(workingDir / "extraction1.log"));
    EXPECT_NE(console.find("Found the following zip files:\n"), std::string::npos) << console;
    EXPECT_EQ(progressBar().Value.get(), 0);

    EXPECT_EQ(boxText("textBox1").toStdString(), gradebook.archive);
    EXPECT_EQ(boxText("textBox2"), "");
    EXPECT_EQ(boxText("textBox3").toStdString(), gradebook.output);
    EXPECT_EQ(boxText("textBox4"), "/usr/bin");
    EXPECT_EQ(form->gradeBookFile, quillbox::testing::u16(gradebook.archive));
    EXPECT_EQ(form->outputDir, quillbox::testing::u16(gradebook.output));
}

TEST_F(OrganizeClickTest, SortsARealGradebookIntoOneFolderPerStudent) {
    using quillbox::testing::makeArchive;
    using quillbox::testing::writeFile;
    TempDir dir;
    const std::string a = "Essay 2 - Rivers_";
    fs::create_directories(dir / "hand-in/drafts");
    writeFile(dir / "hand-in/essay.md", "Ann's essay");
    writeFile(dir / "hand-in/drafts/one.md", "Ann's draft");
    fs::create_directories(dir / "in");
    makeArchive(dir / ("in/" + a + "alee7_attempt_2026-12-01_essay.zip"), dir / "hand-in",
                {"essay.md", "drafts"});
    writeFile(dir / ("in/" + a + "alee7_attempt_2026-12-01.txt"), "Name: Ann Lee (alee7)\r\nDate\r\n");
    writeFile(dir / ("in/" + a + "bchan2_attempt_2026-12-02.txt"), "Name: Bo Chan (bchan2)\n");
    writeFile(dir / ("in/" + a + "bchan2_attempt_2026-12-02_notes.pdf"), "Bo's notes");
    std::vector<std::string> members;
    for (const auto& entry : fs::directory_iterator(dir / "in"))
        members.push_back(entry.path().filename().string());
    makeArchive(dir / "gradebook.7z", dir / "in", members);
    fs::create_directories(dir / "marking forms");
    writeFile(dir / "marking forms/rubric v2.docx", "rubric");
    fs::create_directory(dir / "out");

    show();
    type("textBox1", dir / "gradebook.7z");
    type("textBox2", dir / "marking forms/rubric v2.docx");
    type("textBox3", dir / "out");
    DialogAnswers answers;
    clickOrganize();

    const std::string out = dir / "out";
    EXPECT_EQ(answers.messages,
              (std::vector<std::string>{
                  "copy \"" + out + "/" + a + "bchan2_attempt_2026-12-02_notes.pdf\" \"" + out + "/Bo Chan/\"",
                  "Gradebook Successfully unpacked"}));
    EXPECT_EQ(quillbox::testing::filesUnder(out),
              (std::vector<std::pair<std::string, std::string>>{
                  {"Ann Lee/Ann Lee_rubric.docx", "rubric"},
                  {"Ann Lee/" + a + "alee7_attempt_2026-12-01.txt", "Name: Ann Lee (alee7)\r\nDate\r\n"},
                  {"Ann Lee/drafts/one.md", "Ann's draft"},
                  {"Ann Lee/essay.md", "Ann's essay"},
                  {"Bo Chan/Bo Chan_rubric.docx", "rubric"},
                  {"Bo Chan/" + a + "bchan2_attempt_2026-12-02.txt", "Name: Bo Chan (bchan2)\n"},
                  {"Bo Chan/" + a + "bchan2_attempt_2026-12-02_notes.pdf", "Bo's notes"},
              }));
    EXPECT_EQ(std::distance(fs::directory_iterator(out), fs::directory_iterator()), 2)
        << "only the two student folders are left at the top";
    EXPECT_EQ(progressBar().Value.get(), 0);
    EXPECT_EQ(progressBar().Maximum.get(), 10);
}

TEST_F(OrganizeClickTest, WhileTheRunIsBusyTheWindowRefusesToCloseAndDropsInput) {
    Gradebook gradebook;
    show();
    type("textBox1", gradebook.archive);
    type("textBox3", gradebook.output);
    DialogAnswers answers;
    bool closedDuringRun = false;
    // The run's final message is shown while the run is still going.
    answers.whileMessageShown = [&](QMessageBox&) {
        if (answers.messages.size() > 1) return;  // a second run was started: fail, not recurse
        queueTypingAndClick();
        forms::Application::DoEvents();
        window()->close();
        closedDuringRun = !window()->isVisible();
    };

    clickOrganize();
    forms::Application::DoEvents();

    EXPECT_FALSE(closedDuringRun);
    EXPECT_EQ(answers.messages, std::vector<std::string>{"Gradebook Successfully unpacked"})
        << "a click made during the run started another run";
    EXPECT_EQ(boxText("textBox1").toStdString(), gradebook.archive) << "typing during the run arrived";
    window()->close();
    EXPECT_FALSE(window()->isVisible()) << "the window no longer closes after the run";
}

}  // namespace
