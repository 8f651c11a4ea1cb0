#include "shell/windows/SCRNlock.h"
#include "support/TestOffice.h"
#include "FrameDouble.h"

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QLineEdit* passwordField(QDialog* lock)
{
    return lock->findChild<QLineEdit*>(QStringLiteral("txtPassword"));
}

void typePassword(QDialog* lock, const QString& text)
{
    QLineEdit* edit = passwordField(lock);
    edit->selectAll();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
}

}

TEST(SCRNlock, PasswordInAnyCaseUnlocks)
{
    const char* rows[] = {"ADMIN", "admin", "Admin", "aDmIn"};
    for (const char* typed : rows) {
        TestOffice office;
        office.loginAs(QStringLiteral("ADMIN"));
        SCRNlock lock(office.state(), nullptr);
        QString shownText;
        office.ui().onDialog(QStringLiteral("SCRNlock"), [&](QDialog* d) {
            typePassword(d, QString::fromLatin1(typed));
            shownText = passwordField(d)->text();
        });

        EXPECT_EQ(office.ui().exec(&lock), QDialog::Accepted) << typed;
        EXPECT_EQ(shownText, QStringLiteral("ADMIN")) << typed;
        EXPECT_TRUE(office.ui().messages.isEmpty()) << typed;
    }
}

TEST(SCRNlock, WrongPasswordKeepsTheLock)
{
    const char* rows[] = {"WRONG", "", "ADMIN ", "ADMI"};
    for (const char* typed : rows) {
        TestOffice office;
        office.loginAs(QStringLiteral("ADMIN"));
        SCRNlock lock(office.state(), nullptr);
        lock.show();

        typePassword(&lock, QString::fromLatin1(typed));

        ASSERT_EQ(office.ui().messages.size(), 1) << typed;
        EXPECT_EQ(office.ui().messages[0].text, QStringLiteral("كلمة المرور غير صحيحه"));
        EXPECT_EQ(office.ui().messages[0].title, QStringLiteral("مرور"));
        EXPECT_TRUE(lock.isVisible()) << typed;
        EXPECT_NE(lock.result(), QDialog::Accepted) << typed;
        EXPECT_EQ(lock.focusWidget(), passwordField(&lock)) << typed;
        EXPECT_EQ(passwordField(&lock)->selectedText(), passwordField(&lock)->text()) << typed;

        // The whole text is selected, so the next try replaces it.
        QTest::keyClicks(passwordField(&lock), QStringLiteral("admin"));
        QTest::keyClick(passwordField(&lock), Qt::Key_Return);
        EXPECT_EQ(lock.result(), QDialog::Accepted) << typed;
        EXPECT_FALSE(lock.isVisible()) << typed;
    }
}

TEST(SCRNlock, EscapeAndCloseDoNotUnlock)
{
    TestOffice office;
    office.loginAs(QStringLiteral("ADMIN"));
    SCRNlock lock(office.state(), nullptr);
    lock.show();

    QTest::keyClick(passwordField(&lock), Qt::Key_Escape);
    EXPECT_TRUE(lock.isVisible());
    QTest::keyClick(&lock, Qt::Key_Escape);
    EXPECT_TRUE(lock.isVisible());
    EXPECT_FALSE(lock.close());
    EXPECT_TRUE(lock.isVisible());
    EXPECT_NE(lock.result(), QDialog::Accepted);
    EXPECT_TRUE(office.ui().messages.isEmpty());
}

TEST(SCRNlock, CoversTheMainWindow)
{
    TestOffice office;
    FrameDouble frame(QRect(40, 30, 900, 640));
    office.ui().setFrame(&frame);
    SCRNlock lock(office.state(), nullptr);
    lock.show();
    EXPECT_EQ(lock.geometry(), frame.frameWidget()->frameGeometry());
    EXPECT_TRUE(lock.windowFlags().testFlag(Qt::FramelessWindowHint));
    office.ui().setFrame(nullptr);
}

TEST(SCRNlock, PictureFromHomeFolderOrPadlock)
{
    const struct { QSize file; QSize shown; } rows[] = {
        {QSize(), QSize(128, 128)},   // no LOCK.bmp: the padlock
        {QSize(37, 21), QSize(37, 21)},
    };
    for (const auto& r : rows) {
        TestOffice office;
        if (r.file.isValid()) {
            QImage picture(r.file, QImage::Format_RGB32);
            picture.fill(Qt::darkBlue);
            ASSERT_TRUE(picture.save(office.file(QStringLiteral("LOCK.bmp")), "BMP"));
        }
        SCRNlock lock(office.state(), nullptr);
        lock.show();
        const QPixmap shown = lock.findChild<QLabel*>(QStringLiteral("Image1"))->pixmap();
        EXPECT_EQ(shown.size(), r.shown);
    }
}
