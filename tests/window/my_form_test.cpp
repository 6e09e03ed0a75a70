// The window: initial state, layout, typing and the browse dialogs.
#include "dialog_answers.h"
#include "my_form_fixture.h"
#include "test_support.h"

#include <QClipboard>
#include <QFileDialog>
#include <QLineEdit>

#include <cmath>
#include <vector>

namespace {

using Quillbox2021::MyForm;
using quillbox::testing::DialogAnswers;
using quillbox::testing::MyFormTest;
using quillbox::testing::TempDir;
using quillbox::testing::u16;

const char* const textBoxes[] = {"textBox1", "textBox2", "textBox3", "textBox4"};

QString boxText(QWidget* box) {
    return static_cast<QLineEdit*>(box)->text();
}

TEST_F(MyFormTest, StartsWithTheInitialValues) {
    EXPECT_EQ(form->sevenZipLocation, u"/usr/bin");
    EXPECT_EQ(form->SevenZipEXE, u"/7z");
    EXPECT_EQ(form->gradeBookFile, u"");
    EXPECT_EQ(form->rubricFile, u"");
    EXPECT_EQ(form->outputDir, u"");
    for (const char* name : textBoxes) EXPECT_EQ(boxText(widget(name)), "") << name << " before Load";
    EXPECT_EQ(progressBar().Value.get(), 0);
    EXPECT_EQ(progressBar().Maximum.get(), 100);

    show();
    EXPECT_EQ(boxText(widget("textBox4")), "/usr/bin");
    for (const char* name : {"textBox1", "textBox2", "textBox3"}) EXPECT_EQ(boxText(widget(name)), "");
    EXPECT_EQ(form->sevenZipLocation, u"/usr/bin");
    EXPECT_EQ(window()->windowTitle(), "Quillbox");
    EXPECT_EQ(QApplication::focusWidget(), widget("textBox1"));

    const QImage icon = window()->windowIcon().pixmap(QSize(32, 32)).toImage();
    EXPECT_EQ(icon.size(), QSize(32, 32));
    EXPECT_EQ(window()->windowIcon().availableSizes(), QList<QSize>{QSize(32, 32)});
    EXPECT_TRUE(icon.hasAlphaChannel());
}

TEST_F(MyFormTest, LoadShowsThe7ZipFolderTheFieldHolds) {
    form->sevenZipLocation = u"/opt/7-Zip";
    show();
    EXPECT_EQ(boxText(widget("textBox4")), "/opt/7-Zip");
    EXPECT_EQ(form->sevenZipLocation, u"/opt/7-Zip");
}

struct Placement {
    const char* name;
    QRect geometry;
    int tabIndex;
};

const Placement designLayout[] = {
    {"label4", {27, 17, 112, 17}, 11},
    {"textBox4", {152, 13, 375, 22}, 12},
    {"sevenzipbrowseBtn", {533, 11, 152, 23}, 13},
    {"label1", {27, 58, 105, 17}, 0},
    {"textBox1", {152, 55, 375, 22}, 1},
    {"gradebookbrowseBtn", {533, 52, 152, 23}, 2},
    {"label3", {27, 95, 112, 17}, 6},
    {"textBox3", {152, 92, 375, 22}, 7},
    {"OutDirBrowseBtn", {533, 89, 152, 27}, 8},
    {"label2", {27, 133, 121, 17}, 3},
    {"textBox2", {152, 129, 375, 22}, 4},
    {"RubricBrowseBtn", {533, 127, 152, 27}, 5},
    {"OrganizeItBtn", {152, 167, 152, 27}, 9},
    {"progressBar1", {310, 167, 375, 27}, 10},
};

TEST_F(MyFormTest, PlacesEveryControlAsDesignedWithTheDesignFontCell) {
    show();
    EXPECT_EQ(window()->size(), QSize(706, 213));
    EXPECT_EQ(form->Controls.Count(), 14);
    for (const Placement& placement : designLayout) {
        SCOPED_TRACE(placement.name);
        EXPECT_EQ(widget(placement.name)->geometry(), placement.geometry);
        EXPECT_EQ(control(placement.name).TabIndex.get(), placement.tabIndex);
    }
    for (const Placement& one : designLayout) {
        for (const Placement& other : designLayout) {
            if (&one == &other) continue;
            EXPECT_FALSE(widget(one.name)->geometry().intersects(widget(other.name)->geometry()))
                << one.name << " overlaps " << other.name;
        }
    }
}

TEST_F(MyFormTest, ScalesEverythingByTheFontCell) {
    forms::testing::setFontCell(forms::SizeF(10, 20));
    MyForm scaled;
    scaled.Show();
    auto times = [](int design) { return static_cast<int>(std::lround(design * 1.25)); };
    QWidget* scaledWindow = forms::testing::widgetOf(scaled);
    EXPECT_EQ(scaledWindow->size(), QSize(times(706), times(213)));
    for (const Placement& placement : designLayout) {
        SCOPED_TRACE(placement.name);
        const QRect design = placement.geometry;
        EXPECT_EQ(scaledWindow->findChild<QWidget*>(placement.name)->geometry(),
                  QRect(times(design.x()), times(design.y()), times(design.width()),
                        times(design.height())));
    }
    scaled.Dispose();
}

TEST_F(MyFormTest, TabVisitsTheControlsInTabIndexOrderAndWraps) {
    show();
    const std::vector<QString> expected{"textBox1",        "gradebookbrowseBtn", "textBox2",
                                        "RubricBrowseBtn", "textBox3",           "OutDirBrowseBtn",
                                        "OrganizeItBtn",   "textBox4",           "sevenzipbrowseBtn",
                                        "textBox1"};
    std::vector<QString> visited{QApplication::focusWidget()->objectName()};
    for (std::size_t i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.push_back(QApplication::focusWidget()->objectName());
    }
    EXPECT_EQ(visited, expected);
}

struct PathBox {
    const char* box;
    std::u16string MyForm::*field;
};

const PathBox pathBoxes[] = {
    {"textBox1", &MyForm::gradeBookFile},
    {"textBox2", &MyForm::rubricFile},
    {"textBox3", &MyForm::outputDir},
    {"textBox4", &MyForm::sevenZipLocation},
};

TEST_F(MyFormTest, TypingPastingAndClearingReachTheFieldAtOnceAndUnchanged) {
    show();
    for (const PathBox& path : pathBoxes) {
        SCOPED_TRACE(path.box);
        auto* box = static_cast<QLineEdit*>(widget(path.box));
        box->setFocus();
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Backspace);
        EXPECT_EQ(*form.*path.field, u"") << "cleared";

        // Blanks around the text and a trailing separator are kept.
        const QString typed = QStringLiteral(" /tmp/my grades/ ");
        for (const QChar character : typed) {
            QTest::keyClicks(box, QString(character));
            EXPECT_EQ(*form.*path.field, box->text().toStdU16String()) << "after each keystroke";
        }
        EXPECT_EQ(*form.*path.field, u" /tmp/my grades/ ");

        QApplication::clipboard()->setText(QStringLiteral("Zoë/"));
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(*form.*path.field, u" /tmp/my grades/ Zoë/") << "pasted";
    }
    EXPECT_EQ(form->SevenZipEXE, u"/7z");
}

struct FolderBrowse {
    const char* button;
    const char* box;
    std::u16string MyForm::*field;
};

TEST_F(MyFormTest, FolderDialogsFillBoxAndFieldOnOkAndChangeNothingOnCancel) {
    const FolderBrowse browses[] = {
        {"sevenzipbrowseBtn", "textBox4", &MyForm::sevenZipLocation},
        {"OutDirBrowseBtn", "textBox3", &MyForm::outputDir},
    };
    show();
    for (const FolderBrowse& browse : browses) {
        SCOPED_TRACE(browse.button);
        TempDir chosen;
        TempDir other;
        DialogAnswers answers;
        answers.confirmNextWith(QString::fromStdString(chosen.path().string()));
        answers.cancelNextAfterTyping(QString::fromStdString(other.path().string()));

        QTest::mouseClick(widget(browse.button), Qt::LeftButton);
        EXPECT_EQ(boxText(widget(browse.box)).toStdString(), chosen.path().string());
        EXPECT_EQ(*form.*browse.field, u16(chosen.path().string()));

        QTest::mouseClick(widget(browse.button), Qt::LeftButton);
        EXPECT_EQ(boxText(widget(browse.box)).toStdString(), chosen.path().string());
        EXPECT_EQ(*form.*browse.field, u16(chosen.path().string()));

        ASSERT_EQ(answers.fileDialogs.size(), 2U);
        for (const auto& shown : answers.fileDialogs) {
            EXPECT_EQ(shown.mode, QFileDialog::Directory);
            EXPECT_EQ(shown.offeredName, "") << "a folder dialog starts with nothing chosen";
        }
    }
}

struct FileBrowse {
    const char* button;
    const char* box;
    std::u16string MyForm::*field;
    const char* firstOffered;
};

TEST_F(MyFormTest, FileDialogsTakeTheConfirmedFileBeforeClosingAndNothingOnCancel) {
    const FileBrowse browses[] = {
        {"gradebookbrowseBtn", "textBox1", &MyForm::gradeBookFile, "openFileDialog1"},
        {"RubricBrowseBtn", "textBox2", &MyForm::rubricFile, "openFileDialog2"},
    };
    show();
    for (const FileBrowse& browse : browses) {
        SCOPED_TRACE(browse.button);
        TempDir dir;
        const std::string file = dir / "week 3 grades.zip";
        const std::string otherFile = dir / "rubric.pdf";
        quillbox::testing::writeFile(file, "zip");
        quillbox::testing::writeFile(otherFile, "pdf");
        auto* box = static_cast<QLineEdit*>(widget(browse.box));
        bool dialogOpenWhenBoxChanged = false;
        const auto watch = QObject::connect(box, &QLineEdit::textChanged, [&] {
            dialogOpenWhenBoxChanged = qobject_cast<QFileDialog*>(QApplication::activeModalWidget()) != nullptr;
        });
        DialogAnswers answers;
        answers.confirmNextWith(QString::fromStdString(file));
        answers.cancelNextAfterTyping(QString::fromStdString(otherFile));

        QTest::mouseClick(widget(browse.button), Qt::LeftButton);
        EXPECT_EQ(box->text().toStdString(), file);
        EXPECT_EQ(*form.*browse.field, u16(file));
        EXPECT_TRUE(dialogOpenWhenBoxChanged) << "FileOk came after the dialog closed";

        QTest::mouseClick(widget(browse.button), Qt::LeftButton);
        EXPECT_EQ(box->text().toStdString(), file);
        EXPECT_EQ(*form.*browse.field, u16(file));

        ASSERT_EQ(answers.fileDialogs.size(), 2U);
        EXPECT_EQ(answers.fileDialogs[0].mode, QFileDialog::ExistingFile);
        EXPECT_EQ(answers.fileDialogs[0].offeredName, browse.firstOffered);
        QObject::disconnect(watch);
    }
}

}  // namespace
