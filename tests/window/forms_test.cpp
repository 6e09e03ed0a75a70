// The window layer's guarantees, on real Qt widgets.
#include "dialog_answers.h"
#include "test_support.h"

#include "forms/forms.h"
#include "forms/testing.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

namespace {

using forms::testing::widgetOf;
using quillbox::testing::DialogAnswers;

TEST(ProgressBarTest, StaysWithinItsRangeAndNeverShowsTheBusyAnimation) {
    struct Case {
        const char* what;
        std::function<void(forms::ProgressBar&)> act;
        int value;
        int maximum;
    };
    const Case cases[] = {
        {"starts empty", [](forms::ProgressBar&) {}, 0, 100},
        {"Increment(1) advances by one",
         [](forms::ProgressBar& bar) {
             for (int i = 0; i < 3; ++i) bar.Increment(1);
         },
         3, 100},
        {"held at Maximum",
         [](forms::ProgressBar& bar) {
             bar.Maximum = 2;
             for (int i = 0; i < 3; ++i) bar.Increment(1);
         },
         2, 2},
        {"Value above Maximum", [](forms::ProgressBar& bar) { bar.Value = 500; }, 100, 100},
        {"Value below 0", [](forms::ProgressBar& bar) { bar.Value = -3; }, 0, 100},
        {"lowering Maximum lowers Value",
         [](forms::ProgressBar& bar) {
             bar.Value = 50;
             bar.Maximum = 10;
         },
         10, 10},
        {"Maximum 0 is an empty bar", [](forms::ProgressBar& bar) { bar.Maximum = 0; }, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        forms::ProgressBar bar;
        c.act(bar);
        EXPECT_EQ(bar.Value.get(), c.value);
        EXPECT_EQ(bar.Maximum.get(), c.maximum);
        const auto* shown = static_cast<QProgressBar*>(widgetOf(bar));
        EXPECT_LT(shown->minimum(), shown->maximum()) << "Qt's busy animation";
        EXPECT_EQ(shown->value(), c.value);
    }
}

TEST(EventDispatchTest, AnExceptionEscapingAHandlerIsShownAndTheProgramGoesOn) {
    DialogAnswers answers;
    forms::Button button;
    int clicks = 0;
    button.Click += forms::EventHandler([&clicks](forms::Object*, forms::EventArgs&) {
        ++clicks;
        throw std::runtime_error("the disk is full");
    });
    auto* pushButton = static_cast<QPushButton*>(widgetOf(button));
    pushButton->click();
    pushButton->click();
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(answers.messages, (std::vector<std::string>{"the disk is full", "the disk is full"}));
}

TEST(MessageBoxTest, ShowsTextAsItIsWithOkAsTheDefaultButton) {
    DialogAnswers answers;
    answers.whileMessageShown = [](QMessageBox& box) {
        EXPECT_EQ(box.textFormat(), Qt::PlainText);
        EXPECT_EQ(box.defaultButton(), box.button(QMessageBox::Ok));
    };
    EXPECT_EQ(forms::MessageBox::Show(u"<b>Ann & Bo</b>"), forms::DialogResult::OK);
    EXPECT_EQ(answers.messages, (std::vector<std::string>{"<b>Ann & Bo</b>"}));
}

TEST(OpenFileDialogTest, FileOkCanKeepTheDialogOpen) {
    quillbox::testing::TempDir dir;
    const std::string file = dir / "grades.zip";
    quillbox::testing::writeFile(file, "x");

    forms::OpenFileDialog dialog;
    int fileOks = 0;
    dialog.FileOk += forms::CancelEventHandler([&](forms::Object*, forms::CancelEventArgs& e) {
        ++fileOks;
        e.Cancel = fileOks == 1;
    });
    bool openAfterCancel = false;
    forms::testing::setModalHook([&](QDialog& shown) {
        auto* nameField = shown.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        nameField->setText(QString::fromStdString(file));
        QTest::keyClick(nameField, Qt::Key_Return);
        openAfterCancel = shown.isVisible();
        QTest::keyClick(nameField, Qt::Key_Return);
    });
    const forms::DialogResult result = dialog.ShowDialog();
    forms::testing::setModalHook({});

    EXPECT_TRUE(openAfterCancel);
    EXPECT_EQ(fileOks, 2);
    EXPECT_EQ(result, forms::DialogResult::OK);
    EXPECT_EQ(dialog.FileName.get(), QString::fromStdString(file).toStdU16String());
}

// A window with a box and a button, shown and active.
struct SmallWindow {
    forms::Form form;
    forms::TextBox box;
    forms::Button button;
    int clicks = 0;

    SmallWindow() {
        box.Location = forms::Point(10, 10);
        box.TabIndex = 0;
        button.Location = forms::Point(10, 40);
        button.TabIndex = 1;
        button.Click += forms::EventHandler([this](forms::Object*, forms::EventArgs&) { ++clicks; });
        form.Controls.Add(box);
        form.Controls.Add(button);
        form.PerformLayout();
        form.Show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(widgetOf(form)));
    }
    ~SmallWindow() { form.Dispose(); }

    // Input as the window system delivers it: queued, handled by the event loop.
    void queueTypingAndClick() {
        QWidget* edit = widgetOf(box);
        QCoreApplication::postEvent(edit, new QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a"));
        QCoreApplication::postEvent(edit, new QKeyEvent(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, "a"));
        QWidget* pushButton = widgetOf(button);
        const QPointF centre = QRectF(pushButton->rect()).center();
        QCoreApplication::postEvent(pushButton,
                                    new QMouseEvent(QEvent::MouseButtonPress, centre, pushButton->mapToGlobal(centre),
                                                    Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
        QCoreApplication::postEvent(pushButton,
                                    new QMouseEvent(QEvent::MouseButtonRelease, centre, pushButton->mapToGlobal(centre),
                                                    Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
    }
};

TEST(BusyWindowTest, DropsInputInsteadOfReplayingItAndRefusesToClose) {
    SmallWindow window;
    {
        const forms::Form::BusyScope busy(window.form);
        window.queueTypingAndClick();
        forms::Application::DoEvents();
        window.form.Close();
        EXPECT_TRUE(widgetOf(window.form)->isVisible()) << "closed while busy";
    }
    forms::Application::DoEvents();
    EXPECT_EQ(window.box.Text.get(), u"");
    EXPECT_EQ(window.clicks, 0);

    // The same input once the window is no longer busy does arrive.
    window.queueTypingAndClick();
    forms::Application::DoEvents();
    EXPECT_EQ(window.box.Text.get(), u"a");
    EXPECT_EQ(window.clicks, 1);
    window.form.Close();
    EXPECT_FALSE(widgetOf(window.form)->isVisible());
}

TEST(ApplicationRunTest, RaisesLoadOnceBeforeShowingAndReturnsDisposedWhenClosed) {
    forms::Form form;
    forms::Label label;
    form.Controls.Add(label);
    std::vector<bool> visibleAtLoad;
    form.Load += forms::EventHandler(
        [&](forms::Object*, forms::EventArgs&) { visibleAtLoad.push_back(widgetOf(form)->isVisible()); });
    QTimer::singleShot(0, [&form] {
        form.Show();  // showing again raises no second Load
        form.Close();
    });

    forms::Application::Run(form);

    EXPECT_EQ(visibleAtLoad, std::vector<bool>{false});
    EXPECT_TRUE(form.IsDisposed());
    EXPECT_EQ(widgetOf(form), nullptr);
    EXPECT_EQ(widgetOf(label), nullptr) << "the window's controls go with it";
    form.Dispose();  // a second dispose is harmless
}

}  // namespace
