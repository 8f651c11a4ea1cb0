#include "core/Translations.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QPushButton>
#include <gtest/gtest.h>

using Translations::Language;

// The desktop's first language decides when the command line names none: only
// English leaves Arabic. Qt's own buttons speak the chosen language and the
// layout follows it, back and forth; under Arabic the letters
// come from a face made for them where the desktop's font has none, and
// drop-down rows are as tall as the Arabic letters with their marks.
TEST(Language, FollowsTheDesktopAndSwitchesQtsTextsTheDirectionAndTheFace)
{
    const struct { QStringList desktop; bool arabic; } rows[] = {{{"en-GB", "ar"}, false}, {{"fr", "en"}, true},
                                                                 {{"en"}, false}, {{}, true}};
    for (const auto& [desktop, arabic] : rows) {
        Translations::apply(Translations::fromDesktop(desktop));
        EXPECT_EQ(QApplication::layoutDirection(), arabic ? Qt::RightToLeft : Qt::LeftToRight);
        QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        const QString text = box.button(QDialogButtonBox::Cancel)->text().remove(QLatin1Char('&'));
        EXPECT_EQ(text != QLatin1String("Cancel"), arabic) << desktop.join(':').toStdString() << ": " << text.toStdString();
    }
    const QString face = QFontInfo(QApplication::font()).family();
    EXPECT_TRUE(!QFontDatabase::hasFamily(QStringLiteral("Noto Sans Arabic"))
                || QFontDatabase::writingSystems(face).contains(QFontDatabase::Arabic)) << face.toStdString();
    const QString tall = QStringLiteral(u"أُمِّ إِجْلال");
    for (const int points : {8, 24}) {
        QFont font = QApplication::font();
        font.setPointSize(points);
        QComboBox combo;
        combo.setFont(font);
        combo.addItem(tall);
        combo.showPopup();
        const int ink = QFontMetrics(font).boundingRect(tall).height();
        EXPECT_GE(combo.view()->visualRect(combo.model()->index(0, 0)).height(), ink) << points << "pt";
        combo.hidePopup();
    }
}
