#include "shell/windows/dlgAbout.h"
#include "support/TestOffice.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

void click(QDialog& dialog, const char* button)
{
    QTest::mouseClick(dialog.findChild<QPushButton*>(QString::fromLatin1(button)), Qt::LeftButton);
}

}

TEST(dlgAbout, TitleVersionAndMail)
{
    const struct { const char* title; const char* mail; const char* url; } rows[] = {
        {"Ijar Rent-a-Car", "office@example.com", "mailto:office@example.com"},
        {"إيجار", "0", "mailto:0"},
    };
    for (const auto& r : rows) {
        TestOffice office;
        office.state().config.APPTITLE = QString::fromUtf8(r.title);
        office.state().config.EMAILADDRESS = QString::fromUtf8(r.mail);
        dlgAbout about(office.state(), nullptr);
        about.show();

        EXPECT_EQ(about.windowTitle(), QStringLiteral("About ") + QString::fromUtf8(r.title));
        EXPECT_EQ(about.findChild<QLabel*>(QStringLiteral("lblTitle"))->text(), QString::fromUtf8(r.title));
        EXPECT_TRUE(about.findChild<QLabel*>(QStringLiteral("lblVersion"))->text().contains(RunState::version()));
        auto* mail = about.findChild<QLabel*>(QStringLiteral("lblMail"));
        EXPECT_TRUE(mail->text().contains(QString::fromUtf8(r.mail)));
        emit mail->linkActivated(QString::fromUtf8(r.url));
        EXPECT_EQ(office.ui().urlsOpened, QList<QUrl>{QUrl(QString::fromUtf8(r.url))});
    }
}

TEST(dlgAbout, Buttons)
{
    TestOffice office;
    dlgAbout about(office.state(), nullptr);
    about.show();

    click(about, "cmdSysInfo");
    ASSERT_EQ(office.ui().messages.size(), 1);
    EXPECT_TRUE(office.ui().lastMessage().contains(QSysInfo::kernelType()));

    EXPECT_FALSE(about.isAnimating());
    click(about, "cmdAnimate");
    EXPECT_TRUE(about.isAnimating());

    click(about, "cmdOk");
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(about.result(), QDialog::Accepted);
}

TEST(dlgAbout, TurnedLogoKeepsItsSize)
{
    QPixmap logo(40, 24);
    logo.fill(Qt::red);
    for (qreal degrees : {0.0, 45.0, 90.0, 180.0, 300.0}) {
        const QPixmap turned = dlgAbout::turned(logo, degrees);
        EXPECT_EQ(turned.size(), logo.size()) << degrees;
    }
    // Edge-on, the logo is a line: the corners are empty.
    EXPECT_EQ(dlgAbout::turned(logo, 90).toImage().pixelColor(0, 0).alpha(), 0);
    EXPECT_EQ(dlgAbout::turned(logo, 0).toImage().pixelColor(0, 0), QColor(Qt::red));
}
