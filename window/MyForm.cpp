#include "MyForm.h"

#include <any>

namespace Quillbox2021 {

MyForm::MyForm() {
    try {
        InitializeComponent();
    } catch (...) {
        // The base's own dispose: the partly built window goes, the
        // window's destructor does not run twice.
        Form::Dispose(true);
        throw;
    }
}

MyForm::~MyForm() {
    disposeComponents();
}

void MyForm::disposeComponents() {
    if (components) components->Dispose();
}

void MyForm::Dispose(bool disposing) {
    if (disposing) {
        try {
            disposeComponents();
        } catch (...) {
            Form::Dispose(true);
            throw;
        }
    }
    Form::Dispose(disposing);
}

void MyForm::InitializeComponent() {
    const forms::ComponentResourceManager resources(u"Quillbox2021.MyForm");
    label1 = std::make_unique<forms::Label>();
    textBox1 = std::make_unique<forms::TextBox>();
    gradebookbrowseBtn = std::make_unique<forms::Button>();
    openFileDialog1 = std::make_unique<forms::OpenFileDialog>();
    RubricBrowseBtn = std::make_unique<forms::Button>();
    textBox2 = std::make_unique<forms::TextBox>();
    label2 = std::make_unique<forms::Label>();
    OutDirBrowseBtn = std::make_unique<forms::Button>();
    textBox3 = std::make_unique<forms::TextBox>();
    label3 = std::make_unique<forms::Label>();
    OrganizeItBtn = std::make_unique<forms::Button>();
    progressBar1 = std::make_unique<forms::ProgressBar>();
    sevenzipbrowseBtn = std::make_unique<forms::Button>();
    textBox4 = std::make_unique<forms::TextBox>();
    label4 = std::make_unique<forms::Label>();
    openFileDialog2 = std::make_unique<forms::OpenFileDialog>();
    SuspendLayout();
    //
    // label1
    //
    label1->AutoSize = true;
    label1->Location = forms::Point(27, 58);
    label1->Name = u"label1";
    label1->Size = forms::Size(105, 17);
    label1->TabIndex = 0;
    label1->Text = u"Grades Zip File";
    //
    // textBox1
    //
    textBox1->BackColor = forms::Color::Indigo;
    textBox1->BorderStyle = forms::BorderStyle::FixedSingle;
    textBox1->ForeColor = forms::SystemColors::Info;
    textBox1->Location = forms::Point(152, 55);
    textBox1->Margin = forms::Padding(3, 2, 3, 2);
    textBox1->Name = u"textBox1";
    textBox1->Size = forms::Size(375, 22);
    textBox1->TabIndex = 1;
    textBox1->TextChanged += forms::EventHandler(this, &MyForm::textBox1_TextChanged);
    //
    // gradebookbrowseBtn
    //
    gradebookbrowseBtn->BackColor = forms::Color::FromArgb(192, 192, 255);
    gradebookbrowseBtn->FlatStyle = forms::FlatStyle::Popup;
    gradebookbrowseBtn->Location = forms::Point(533, 52);
    gradebookbrowseBtn->Margin = forms::Padding(3, 2, 3, 2);
    gradebookbrowseBtn->Name = u"gradebookbrowseBtn";
    gradebookbrowseBtn->Size = forms::Size(152, 23);
    gradebookbrowseBtn->TabIndex = 2;
    gradebookbrowseBtn->Text = u"Browse";
    gradebookbrowseBtn->UseVisualStyleBackColor = false;
    gradebookbrowseBtn->Click += forms::EventHandler(this, &MyForm::gradebookbrowseBtn_Click);
    //
    // openFileDialog1
    //
    openFileDialog1->FileName = u"openFileDialog1";
    openFileDialog1->FileOk += forms::CancelEventHandler(this, &MyForm::openFileDialog1_FileOk);
    //
    // RubricBrowseBtn
    //
    RubricBrowseBtn->BackColor = forms::Color::FromArgb(192, 192, 255);
    RubricBrowseBtn->FlatStyle = forms::FlatStyle::Popup;
    RubricBrowseBtn->Location = forms::Point(533, 127);
    RubricBrowseBtn->Margin = forms::Padding(3, 2, 3, 2);
    RubricBrowseBtn->Name = u"RubricBrowseBtn";
    RubricBrowseBtn->Size = forms::Size(152, 27);
    RubricBrowseBtn->TabIndex = 5;
    RubricBrowseBtn->Text = u"Browse";
    RubricBrowseBtn->UseVisualStyleBackColor = false;
    RubricBrowseBtn->Click += forms::EventHandler(this, &MyForm::RubricBrowseBtn_Click);
    //
    // textBox2
    //
    textBox2->BackColor = forms::Color::Indigo;
    textBox2->BorderStyle = forms::BorderStyle::FixedSingle;
    textBox2->ForeColor = forms::SystemColors::Info;
    textBox2->Location = forms::Point(152, 129);
    textBox2->Margin = forms::Padding(3, 2, 3, 2);
    textBox2->Name = u"textBox2";
    textBox2->Size = forms::Size(375, 22);
    textBox2->TabIndex = 4;
    textBox2->TextChanged += forms::EventHandler(this, &MyForm::textBox2_TextChanged);
    //
    // label2
    //
    label2->AutoSize = true;
    label2->Location = forms::Point(27, 133);
    label2->Name = u"label2";
    label2->Size = forms::Size(121, 17);
    label2->TabIndex = 3;
    label2->Text = u"Rubric (*Optional)";
    //
    // OutDirBrowseBtn
    //
    OutDirBrowseBtn->BackColor = forms::Color::FromArgb(192, 192, 255);
    OutDirBrowseBtn->FlatStyle = forms::FlatStyle::Popup;
    OutDirBrowseBtn->Location = forms::Point(533, 89);
    OutDirBrowseBtn->Margin = forms::Padding(3, 2, 3, 2);
    OutDirBrowseBtn->Name = u"OutDirBrowseBtn";
    OutDirBrowseBtn->Size = forms::Size(152, 27);
    OutDirBrowseBtn->TabIndex = 8;
    OutDirBrowseBtn->Text = u"Browse";
    OutDirBrowseBtn->UseVisualStyleBackColor = false;
    OutDirBrowseBtn->Click += forms::EventHandler(this, &MyForm::OutDirBrowseBtn_Click);
    //
    // textBox3
    //
    textBox3->BackColor = forms::Color::Indigo;
    textBox3->BorderStyle = forms::BorderStyle::FixedSingle;
    textBox3->ForeColor = forms::SystemColors::Info;
    textBox3->Location = forms::Point(152, 92);
    textBox3->Margin = forms::Padding(3, 2, 3, 2);
    textBox3->Name = u"textBox3";
    textBox3->Size = forms::Size(375, 22);
    textBox3->TabIndex = 7;
    textBox3->TextChanged += forms::EventHandler(this, &MyForm::textBox3_TextChanged);
    //
    // label3
    //
    label3->AutoSize = true;
    label3->Location = forms::Point(27, 95);
    label3->Name = u"label3";
    label3->Size = forms::Size(112, 17);
    label3->TabIndex = 6;
    label3->Text = u"Output Directory";
    //
    // OrganizeItBtn
    //
    OrganizeItBtn->BackColor = forms::Color::Yellow;
    OrganizeItBtn->FlatStyle = forms::FlatStyle::Popup;
    OrganizeItBtn->Location = forms::Point(152, 167);
    OrganizeItBtn->Margin = forms::Padding(3, 2, 3, 2);
    OrganizeItBtn->Name = u"OrganizeItBtn";
    OrganizeItBtn->Size = forms::Size(152, 27);
    OrganizeItBtn->TabIndex = 9;
    OrganizeItBtn->Text = u"Organize it!";
    OrganizeItBtn->UseVisualStyleBackColor = false;
    OrganizeItBtn->Click += forms::EventHandler(this, &MyForm::OrganizeIt_Click);
    //
    // progressBar1
    //
    progressBar1->BackColor = forms::Color::Indigo;
    progressBar1->ForeColor = forms::Color::Lime;
    progressBar1->Location = forms::Point(310, 167);
    progressBar1->Margin = forms::Padding(4);
    progressBar1->Name = u"progressBar1";
    progressBar1->Size = forms::Size(375, 27);
    progressBar1->Step = 1;
    progressBar1->Style = forms::ProgressBarStyle::Continuous;
    progressBar1->TabIndex = 10;
    //
    // sevenzipbrowseBtn
    //
    sevenzipbrowseBtn->BackColor = forms::Color::FromArgb(192, 192, 255);
    sevenzipbrowseBtn->FlatStyle = forms::FlatStyle::Popup;
    sevenzipbrowseBtn->Location = forms::Point(533, 11);
    sevenzipbrowseBtn->Margin = forms::Padding(3, 2, 3, 2);
    sevenzipbrowseBtn->Name = u"sevenzipbrowseBtn";
    sevenzipbrowseBtn->Size = forms::Size(152, 23);
    sevenzipbrowseBtn->TabIndex = 13;
    sevenzipbrowseBtn->Text = u"Browse";
    sevenzipbrowseBtn->UseVisualStyleBackColor = false;
    sevenzipbrowseBtn->Click += forms::EventHandler(this, &MyForm::sevenzipbrowseBtn_Click);
    //
    // textBox4
    //
    textBox4->BackColor = forms::Color::Indigo;
    textBox4->BorderStyle = forms::BorderStyle::FixedSingle;
    textBox4->ForeColor = forms::SystemColors::Info;
    textBox4->Location = forms::Point(152, 13);
    textBox4->Margin = forms::Padding(3, 2, 3, 2);
    textBox4->Name = u"textBox4";
    textBox4->Size = forms::Size(375, 22);
    textBox4->TabIndex = 12;
    textBox4->TextChanged += forms::EventHandler(this, &MyForm::textBox4_TextChanged);
    //
    // label4
    //
    label4->AutoSize = true;
    label4->Location = forms::Point(27, 17);
    label4->Name = u"label4";
    label4->Size = forms::Size(112, 17);
    label4->TabIndex = 11;
    label4->Text = u"7-Zip Installation";
    //
    // openFileDialog2
    //
    openFileDialog2->FileName = u"openFileDialog2";
    openFileDialog2->FileOk += forms::CancelEventHandler(this, &MyForm::openFileDialog2_FileOk);
    //
    // MyForm
    //
    AutoScaleDimensions = forms::SizeF(8.0F, 16.0F);
    AutoScaleMode = forms::AutoScaleMode::Font;
    BackColor = forms::Color::MediumPurple;
    ClientSize = forms::Size(706, 213);
    Controls.Add(*sevenzipbrowseBtn);
    Controls.Add(*textBox4);
    Controls.Add(*label4);
    Controls.Add(*progressBar1);
    Controls.Add(*OrganizeItBtn);
    Controls.Add(*OutDirBrowseBtn);
    Controls.Add(*textBox3);
    Controls.Add(*label3);
    Controls.Add(*RubricBrowseBtn);
    Controls.Add(*textBox2);
    Controls.Add(*label2);
    Controls.Add(*gradebookbrowseBtn);
    Controls.Add(*textBox1);
    Controls.Add(*label1);
    ForeColor = forms::SystemColors::ActiveCaptionText;
    Icon = std::any_cast<forms::Icon>(resources.GetObject(u"$this.Icon"));
    Margin = forms::Padding(3, 2, 3, 2);
    Name = u"MyForm";
    Text = u"Quillbox";
    Load += forms::EventHandler(this, &MyForm::MyForm_Load);
    ResumeLayout(false);
    PerformLayout();
}

void MyForm::sevenzipbrowseBtn_Click(forms::Object*, forms::EventArgs&) {
    forms::FolderBrowserDialog folderBrowserDialog;
    if (folderBrowserDialog.ShowDialog() == forms::DialogResult::OK) {
        textBox4->Text = folderBrowserDialog.SelectedPath;
        sevenZipLocation = folderBrowserDialog.SelectedPath;
    }
}

void MyForm::gradebookbrowseBtn_Click(forms::Object*, forms::EventArgs&) {
    openFileDialog1->ShowDialog();
}

void MyForm::RubricBrowseBtn_Click(forms::Object*, forms::EventArgs&) {
    openFileDialog2->ShowDialog();
}

void MyForm::OutDirBrowseBtn_Click(forms::Object*, forms::EventArgs&) {
    forms::FolderBrowserDialog folderBrowserDialog;
    if (folderBrowserDialog.ShowDialog() == forms::DialogResult::OK) {
        textBox3->Text = folderBrowserDialog.SelectedPath;
        outputDir = folderBrowserDialog.SelectedPath;
    }
}

void MyForm::textBox1_TextChanged(forms::Object*, forms::EventArgs&) {
    gradeBookFile = textBox1->Text;
}

void MyForm::textBox4_TextChanged(forms::Object*, forms::EventArgs&) {
    sevenZipLocation = textBox4->Text;
}

void MyForm::textBox2_TextChanged(forms::Object*, forms::EventArgs&) {
    rubricFile = textBox2->Text;
}

void MyForm::textBox3_TextChanged(forms::Object*, forms::EventArgs&) {
    outputDir = textBox3->Text;
}

void MyForm::openFileDialog1_FileOk(forms::Object*, forms::CancelEventArgs&) {
    gradeBookFile = openFileDialog1->FileName;
    textBox1->Text = gradeBookFile;
}

void MyForm::openFileDialog2_FileOk(forms::Object*, forms::CancelEventArgs&) {
    rubricFile = openFileDialog2->FileName;
    textBox2->Text = rubricFile;
}

void MyForm::MyForm_Load(forms::Object*, forms::EventArgs&) {
    textBox4->Text = sevenZipLocation;
}

}  // namespace Quillbox2021
