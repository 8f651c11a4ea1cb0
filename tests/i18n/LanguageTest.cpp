#include "app/Wiring.h"
#include "core/Translations.h"
#include "core/dlgError.h"
#include "engine/EngineSetup.h"
#include "shell/LOGINP.h"
#include "shell/MAINT.h"
#include "shell/MenuScreen.h"
#include "shell/MenuTable.h"
#include "support/TestOffice.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocumentFragment>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

using Translations::Language;

namespace {

// A message of a translation catalogue (.ts) as the tests need it.
struct CatalogueMessage {
    QString context, source, translation;
    bool unfinished = false;
};

// The messages of a .ts file, the catalogue in the source tree unless told,
// that the sources still have; a file that cannot be read fails the test.
// Ijar's texts need no disambiguating comments, so none are read.
inline QList<CatalogueMessage> readCatalogue(const QString& file = IJAR_SOURCE_DIR "/translations/ijar_ar.ts")
{
    QFile f(file);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << "cannot read " << qPrintable(file);
    QXmlStreamReader xml(&f);
    QList<CatalogueMessage> messages;
    CatalogueMessage m;
    // The translation comes last in a message.
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name")
            m.context = xml.readElementText();
        else if (xml.name() == u"source")
            m.source = xml.readElementText();
        else if (xml.name() == u"translation") {
            const auto type = xml.attributes().value(QLatin1String("type"));
            m.unfinished = type == u"unfinished";
            m.translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            if (type != u"vanished" && type != u"obsolete")
                messages << m;
        }
    }
    EXPECT_FALSE(xml.hasError()) << qPrintable(file) << ": " << qPrintable(xml.errorString());
    return messages;
}

// The controls a clerk reaches with Tab; the parts Qt builds inside a control,
// and a control that hands its focus on to one, are named with it.
bool isControl(const QWidget* w)
{
    return (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy() && !w->objectName().startsWith(u"qt_");
}

// Opens every window an administrator reaches under the language: the login,
// the error box, the main window, each menu and every screen its buttons open,
// then the registered screens no menu button opens, through the registry as
// the main window does. Each window reads in the language's direction and fits
// a 1024x768 screen whole; its notes begin on the language's side; its fixed
// texts (title, labels, group boxes, tabs) and the names a screen reader says
// for its controls (buttons by their captions) and pages pass `speaks`, and no
// control or page goes without a name.
void sweep(Language language, const std::function<bool(const QString&)>& speaks)
{
    Translations::apply(language);
    TestOffice office(true, true);
    office.loginAs(QStringLiteral("ADMIN"));
    installEngine(office.state());
    ScreenRegistry& screens = office.state().screens();
    Wiring::registerScreens(screens);

    QSet<QString> opened;
    const auto look = [&, home = office.home(), title = office.state().config.APPTITLE,
                        suffix = office.state().config.CURRENCYSUFFIX](QWidget* window) {
        if (auto* dialog = qobject_cast<QDialog*>(window))
            dialog->show();
        opened << window->objectName().toLower();
        SCOPED_TRACE(window->objectName().toStdString());
        EXPECT_EQ(window->layoutDirection(), language == Language::Arabic ? Qt::RightToLeft : Qt::LeftToRight);
        const QSize needs = window->minimumSizeHint().expandedTo(window->minimumSize());
        EXPECT_TRUE(needs.width() <= 1024 && needs.height() <= 768) << needs.width() << 'x' << needs.height();
        const auto expect = [&](const QWidget* w, const QString& shown, const char* what) {
            QString text = Qt::mightBeRichText(shown) ? QTextDocumentFragment::fromHtml(shown).toPlainText() : shown;
            // The paths of the office's files, the title it gave itself and
            // its currency suffix are data, not captions.
            EXPECT_TRUE(text.startsWith(home) || speaks(text.remove(u'&').remove(title).remove(suffix)))
                << w->metaObject()->className() << ' ' << w->objectName().toStdString() << ' ' << what << ": \""
                << text.toStdString() << '"';
        };
        // The name a screen reader says for the widget (Qt on Linux gives a
        // combo box's name through a relation, and its value as its name).
        const auto named = [&](QWidget* w) {
            const QString name = w->accessibleName();
            EXPECT_FALSE(name.isEmpty()) << "no name: " << w->objectName().toStdString() << w->metaObject()->className();
            expect(w, name, "name");
        };
        expect(window, window->windowTitle(), "title");
        for (QWidget* w : window->findChildren<QWidget*>()) {
            // A window of its own is looked at on its own.
            if (w->isWindow())
                continue;
            if (isControl(w) && w->isVisibleTo(window))
                named(w);
            // A note begins on the language's side, typed in or not.
            const auto* note = qobject_cast<const QPlainTextEdit*>(w);
            EXPECT_TRUE(!note || note->document()->firstBlock().textDirection() == window->layoutDirection()) << "note";
            if (const auto* label = qobject_cast<const QLabel*>(w))
                expect(w, label->text(), "text");
            else if (const auto* group = qobject_cast<const QGroupBox*>(w))
                expect(w, group->title(), "title");
            else if (const auto* tabs = qobject_cast<const QTabWidget*>(w))
                for (int i = 0; i < tabs->count(); ++i) {
                    expect(w, tabs->tabText(i), "tab");
                    named(tabs->widget(i));
                }
        }
    };
    look(std::make_unique<LOGINP>(office.state(), nullptr).get());
    look(std::make_unique<dlgError>(office.state(), nullptr).get());
    MAINT main(office.state());
    main.resize(1024, 740);  // a 1024x768 screen but the title bar, the room for the screens
    main.layout()->activate();
    look(&main);
    for (const QString& name : screens.names() + QStringList{QStringLiteral("frmGeneralOpen")})
        office.ui().onDialog(name, [&look](QDialog* d) { look(d); });
    for (int m = 1; m <= MenuTable::MenuCount; ++m) {
        main.openMenu(m);
        MenuScreen* menu = main.menu(m);
        ASSERT_NE(menu, nullptr) << m;
        look(menu);
        for (int b = 1; b < MenuTable::ButtonCount; ++b)
            if (auto* button = menu->findChild<QPushButton*>(QStringLiteral("command%1").arg(b)))
                button->click();
        menu->close();
    }
    for (const QString& name : screens.names()) {
        if (!opened.contains(name.toLower()))
            screens.open(name, &main);
        EXPECT_TRUE(opened.contains(name.toLower())) << "never opened: " << name.toStdString();
    }
    EXPECT_EQ(office.ui().unscripted, QStringList{});
}

}

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
    }
}

// The program carries the catalogue it was built from: under Arabic every
// translation of the catalogue is what the program shows, and under English
// the source text. Every text of the sources has its Arabic there, none still
// marked unfinished: lupdate run over the sources into a copy of the catalogue
// adds nothing that waits for its Arabic.
TEST(Catalogue, HoldsEveryTextOfTheSourcesTranslatedAndIsEmbeddedInTheProgram)
{
    const QList<CatalogueMessage> messages = readCatalogue();
    EXPECT_FALSE(messages.isEmpty());
    for (const Language language : {Language::Arabic, Language::English}) {
        EXPECT_EQ(Translations::apply(language).join('\n').toStdString(), "");
        for (const CatalogueMessage& m : messages)
            EXPECT_EQ(QCoreApplication::translate(m.context.toUtf8().constData(), m.source.toUtf8().constData()),
                      language == Language::Arabic ? m.translation : m.source)
                << m.context.toStdString() << ": " << m.source.toStdString();
    }
    const QString lupdate = QStringLiteral(IJAR_LUPDATE);
    if (lupdate.isEmpty() || !QFileInfo(lupdate).isExecutable())
        GTEST_SKIP() << "lupdate is missing: install qt6-l10n-tools (./ijar.sh test does)";
    QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("ijar_ar.ts"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(IJAR_SOURCE_DIR "/translations/ijar_ar.ts"), copy));
    ASSERT_EQ(QProcess::execute(lupdate, {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                                          QStringLiteral(IJAR_SOURCE_DIR "/src"), QStringLiteral("-ts"), copy}),
              0);
    for (const CatalogueMessage& m : readCatalogue(copy))
        EXPECT_TRUE(!m.unfinished && !m.translation.isEmpty())
            << "not translated: " << m.context.toStdString() << ": " << m.source.toStdString();
}

// Under Arabic each fixed text of a window is Arabic or a translation the
// catalogue gives (a few keep English words; key names such as F8 read the
// same in every language); under English it is the source text, with no
// Arabic written into the program itself.
TEST(Windows, SpeakTheChosenLanguageFitTheScreenAndNameTheirControls)
{
    QSet<QString> translations;
    for (const CatalogueMessage& m : readCatalogue())
        translations << QString(m.translation).remove(u'&');
    static const QRegularExpression keyName(QStringLiteral("\\bF[0-9]{1,2}\\b")), latin(QStringLiteral("[A-Za-z]")),
        arabic(QStringLiteral("[\\x{0600}-\\x{06FF}]"));
    sweep(Language::Arabic, [&](const QString& text) {
        return !QString(text).remove(keyName).contains(latin) || translations.contains(text);
    });
    sweep(Language::English, [](const QString& text) { return !text.contains(arabic); });
}
