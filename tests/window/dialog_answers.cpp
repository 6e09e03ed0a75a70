#include "dialog_answers.h"

#include "forms/testing.h"

#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace quillbox::testing {

DialogAnswers::DialogAnswers() {
    forms::testing::setModalHook([this](QDialog& dialog) { answer(dialog); });
}

DialogAnswers::~DialogAnswers() {
    forms::testing::setModalHook({});
}

void DialogAnswers::answer(QDialog& dialog) {
    if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
        messages.push_back(box->text().toStdString());
        if (whileMessageShown) whileMessageShown(*box);
        QTest::keyClick(box, Qt::Key_Return);
        EXPECT_FALSE(box->isVisible()) << "Enter did not dismiss the message box";
        return;
    }
    auto* files = qobject_cast<QFileDialog*>(&dialog);
    ASSERT_NE(files, nullptr) << "an unexpected kind of dialog";
    auto* nameField = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(nameField, nullptr);
    fileDialogs.push_back({files->fileMode(), nameField->text()});
    ASSERT_FALSE(answers_.empty()) << "a file or folder dialog nobody expected";
    const Answer answer = answers_.front();
    answers_.pop_front();
    nameField->setText(answer.path);
    QTest::keyClick(nameField, answer.confirm ? Qt::Key_Return : Qt::Key_Escape);
}

}  // namespace quillbox::testing
