#pragma once

#include "MyForm.h"
#include "forms/testing.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace Quillbox2021 {

// What the tests read of MyForm's private parts.
struct MyFormTestAccess {
    static forms::ProgressBar& progressBar1(MyForm& form) { return *form.progressBar1; }
};

}  // namespace Quillbox2021

namespace quillbox::testing {

// A MyForm built with the design font cell 8 x 16, so positions are the
// design's own.
class MyFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        forms::testing::setFontCell(forms::SizeF(8, 16));
        form = std::make_unique<Quillbox2021::MyForm>();
    }
    void TearDown() override {
        form.reset();
        forms::testing::setFontCell(std::nullopt);
    }

    void show() {
        form->Show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window()));
    }

    QWidget* window() const { return forms::testing::widgetOf(*form); }

    // The widget of the control named `name`.
    QWidget* widget(const char* name) const {
        QWidget* found = window()->findChild<QWidget*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    forms::Control& control(const char* name) const {
        const std::u16string wanted = QString::fromLatin1(name).toStdU16String();
        for (forms::Control* control : form->Controls)
            if (control->Name.get() == wanted) return *control;
        throw std::runtime_error(std::string("no control ") + name);
    }

    forms::ProgressBar& progressBar() const {
        return Quillbox2021::MyFormTestAccess::progressBar1(*form);
    }

    std::unique_ptr<Quillbox2021::MyForm> form;
};

inline std::u16string u16(const std::string& utf8) {
    return QString::fromStdString(utf8).toStdU16String();
}

}  // namespace quillbox::testing
