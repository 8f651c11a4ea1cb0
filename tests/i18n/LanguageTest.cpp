#include "core/Translations.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPushButton>
#include <gtest/gtest.h>

using Translations::Language;

// The command line names a language by its code.
TEST(Language, IsNamedOnTheCommandLineOrFollowsTheDesktop)
{
    const struct { const char* code; std::optional<Language> language; } rows[] = {
        {"ar", Language::Arabic}, {"en", Language::English}, {"", std::nullopt},
        {"fr", std::nullopt}, {"EN", std::nullopt}, {"english", std::nullopt},
    };
    for (const auto& r : rows)
        EXPECT_EQ(Translations::fromCode(QString::fromLatin1(r.code)), r.language) << r.code;
    // Else the desktop's first language decides; only English leaves Arabic.
    const struct { QStringList languages; Language language; } desktops[] = {
        {{"en-US", "ar"}, Language::English}, {{"en"}, Language::English}, {{"en-GB", "de"}, Language::English},
        {{"ar-SA", "en"}, Language::Arabic}, {{"fr", "en"}, Language::Arabic}, {{"C"}, Language::Arabic},
        {{}, Language::Arabic},
    };
    for (const auto& r : desktops)
        EXPECT_EQ(Translations::fromDesktop(r.languages), r.language) << r.languages.join(':').toStdString();
    EXPECT_EQ(Translations::choose(Language::English), Language::English);
    EXPECT_EQ(Translations::choose(Language::Arabic), Language::Arabic);
}

// Qt's own buttons speak the chosen language, and the layout follows it;
// switching back and forth leaves no catalogue behind.
TEST(Language, SwitchesQtsOwnTextsAndTheDirection)
{
    for (const Language language : {Language::Arabic, Language::English, Language::Arabic, Language::English}) {
        const bool arabic = language == Language::Arabic;
        Translations::apply(language);
        EXPECT_EQ(QApplication::layoutDirection(), arabic ? Qt::RightToLeft : Qt::LeftToRight);
        QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        for (const auto which : {QDialogButtonBox::Ok, QDialogButtonBox::Cancel}) {
            const QString text = box.button(which)->text().remove(QLatin1Char('&'));
            EXPECT_EQ(text != QLatin1String("OK") && text != QLatin1String("Cancel"), arabic) << text.toStdString();
        }
    }
}

// Arabic letters come from a face made for them where the desktop's font has
// none, and drop-down rows are as tall as the Arabic letters with their marks.
TEST(Language, ArabicLettersGetAFaceAndRowsTallEnough)
{
    const QString tall = QStringLiteral(u"أُمِّ إِجْلال");
    Translations::apply(Language::Arabic);
    const QString face = QFontInfo(QApplication::font()).family();
    EXPECT_TRUE(!QFontDatabase::hasFamily(QStringLiteral("Noto Sans Arabic"))
                || QFontDatabase::writingSystems(face).contains(QFontDatabase::Arabic)) << face.toStdString();
    for (const int points : {8, 11, 16, 24}) {
        QFont font = QApplication::font();
        font.setPointSize(points);
        QComboBox combo;
        combo.setFont(font);
        combo.addItems({tall, QStringLiteral("Abc")});
        combo.showPopup();
        const int ink = QFontMetrics(font).boundingRect(tall).height();
        for (int row = 0; row < combo.count(); ++row)
            EXPECT_GE(combo.view()->visualRect(combo.model()->index(row, 0)).height(), ink)
                << points << "pt, row " << row;
        combo.hidePopup();
    }
}
