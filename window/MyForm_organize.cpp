// The Organize button: hands the five inputs to the organize run and shows
// the run through the window.
#include "MyForm.h"

#include "command_runner.h"
#include "input_checks.h"
#include "organize_run.h"
#include "run_ui.h"

#include <QString>

#include <chrono>
#include <iostream>

namespace Quillbox2021 {

namespace {

// The run's messages in message boxes, its progress on the bar, its console
// lines on standard output. Between steps it lets the window repaint, so the
// bar visibly moves and the desktop does not take the window for hung.
class WindowRunUi final : public quillbox::RunUi {
public:
    explicit WindowRunUi(forms::ProgressBar& progressBar) : progressBar_(progressBar) {}

    void showMessage(const std::string& text, quillbox::MessageKind) override {
        forms::MessageBox::Show(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))
                                    .toStdU16String());
    }
    void setProgressMaximum(int maximum) override {
        progressBar_.Maximum = maximum;
        keepWindowAlive();
    }
    void incrementProgress() override {
        progressBar_.Increment(1);
        keepWindowAlive();
    }
    void setProgressValue(int value) override {
        progressBar_.Value = value;
        keepWindowAlive();
    }
    void writeConsoleLine(const std::string& line, bool flush) override {
        std::cout << line << '\n';
        if (flush) std::cout.flush();
    }

private:
    static constexpr auto repaintInterval = std::chrono::milliseconds(30);

    void keepWindowAlive() {
        const auto now = std::chrono::steady_clock::now();
        if (now - lastRepaint_ < repaintInterval) return;
        lastRepaint_ = now;
        forms::Application::DoEvents();
    }

    forms::ProgressBar& progressBar_;
    std::chrono::steady_clock::time_point lastRepaint_{};
};

}  // namespace

void MyForm::MarshalString(const std::u16string& s, std::wstring& os) {
    os = QString::fromStdU16String(s).toStdWString();
}

void MyForm::MarshalString(const std::u16string& s, std::string& os) {
    const QByteArray utf8 = QString::fromStdU16String(s).toUtf8();
    // Up to the first zero, as a C string would end.
    os.assign(utf8.constData());
}

void MyForm::OrganizeIt_Click(forms::Object*, forms::EventArgs&) {
    // Until the run returns the window paints but drops clicks and keys and
    // will not close; only the run's own message boxes take input.
    const forms::Form::BusyScope busy(*this);

    quillbox::RunInputs inputs;
    MarshalString(sevenZipLocation + SevenZipEXE, inputs.sevenZipCommand);
    MarshalString(rubricFile, inputs.rubric);
    MarshalString(outputDir, inputs.outputDir);
    MarshalString(gradeBookFile, inputs.gradebook);

    quillbox::DirectCommandRunner runner("extraction1.log");
    runner.setWhileWaiting([] { forms::Application::DoEvents(); });
    WindowRunUi ui(*progressBar1);
    quillbox::organizeRun(inputs, runner, ui);
}

}  // namespace Quillbox2021
