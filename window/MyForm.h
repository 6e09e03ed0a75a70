#pragma once

#include "forms/forms.h"

#include <memory>
#include <string>

namespace Quillbox2021 {

struct MyFormTestAccess;

// The program's one window: the four paths, their browse buttons, the
// Organize button and the run's progress bar.
class MyForm : public forms::Form {
public:
    MyForm();
    ~MyForm() override;
    using forms::Form::Dispose;

    // The organize run's inputs, exactly as typed or chosen.
#ifdef _WIN32
    std::u16string sevenZipLocation = u"C:\\Program Files (x86)\\7-Zip";
    std::u16string SevenZipEXE = u"\\7z.exe";
#else
    std::u16string sevenZipLocation = u"/usr/bin";
    std::u16string SevenZipEXE = u"/7z";
#endif
    std::u16string gradeBookFile;
    std::u16string rubricFile;
    std::u16string outputDir;

protected:
    void Dispose(bool disposing) override;

private:
    friend struct MyFormTestAccess;

    std::unique_ptr<forms::Label> label1;
    std::unique_ptr<forms::TextBox> textBox1;
    std::unique_ptr<forms::Button> gradebookbrowseBtn;
    std::unique_ptr<forms::OpenFileDialog> openFileDialog1;
    std::unique_ptr<forms::Button> RubricBrowseBtn;
    std::unique_ptr<forms::TextBox> textBox2;
    std::unique_ptr<forms::Label> label2;
    std::unique_ptr<forms::Button> OutDirBrowseBtn;
    std::unique_ptr<forms::TextBox> textBox3;
    std::unique_ptr<forms::Label> label3;
    std::unique_ptr<forms::Button> OrganizeItBtn;
    std::unique_ptr<forms::ProgressBar> progressBar1;
    std::unique_ptr<forms::Button> sevenzipbrowseBtn;
    std::unique_ptr<forms::TextBox> textBox4;
    std::unique_ptr<forms::Label> label4;
    std::unique_ptr<forms::OpenFileDialog> openFileDialog2;
    // Nothing is ever put here.
    std::unique_ptr<forms::Container> components;

    void InitializeComponent();
    // What the destructor releases; Dispose(true) releases it early.
    void disposeComponents();

    // Window text to a path for the organize run: UTF-8, whatever the locale.
    void MarshalString(const std::u16string& s, std::wstring& os);
    void MarshalString(const std::u16string& s, std::string& os);

    void OrganizeIt_Click(forms::Object* sender, forms::EventArgs& e);
    void sevenzipbrowseBtn_Click(forms::Object* sender, forms::EventArgs& e);
    void gradebookbrowseBtn_Click(forms::Object* sender, forms::EventArgs& e);
    void RubricBrowseBtn_Click(forms::Object* sender, forms::EventArgs& e);
    void OutDirBrowseBtn_Click(forms::Object* sender, forms::EventArgs& e);
    void textBox1_TextChanged(forms::Object* sender, forms::EventArgs& e);
    void textBox4_TextChanged(forms::Object* sender, forms::EventArgs& e);
    void textBox2_TextChanged(forms::Object* sender, forms::EventArgs& e);
    void textBox3_TextChanged(forms::Object* sender, forms::EventArgs& e);
    void openFileDialog1_FileOk(forms::Object* sender, forms::CancelEventArgs& e);
    void openFileDialog2_FileOk(forms::Object* sender, forms::CancelEventArgs& e);
    void MyForm_Load(forms::Object* sender, forms::EventArgs& e);
};

}  // namespace Quillbox2021
