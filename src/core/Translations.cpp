#include "core/Translations.h"

#include <QApplication>
#include <QDir>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionMenuItem>
#include <QStyleOptionViewItem>
#include <QTranslator>

namespace {

// Hamza, shadda and kasra reach above and below the Latin line.
const QString TallArabic = QStringLiteral(u"أُمِّ إِجْلال");

// List rows at least as tall as the Arabic letters of their font: the row
// height of a drop-down list otherwise follows the Latin face only, and the
// marks above and below Arabic letters are cut off.
class ArabicRowsStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& contents,
                           const QWidget* widget) const override
    {
        QSize size = QProxyStyle::sizeFromContents(type, option, contents, widget);
        if (type == CT_MenuItem || type == CT_ItemViewItem) {
            QFont font = widget ? widget->font() : QApplication::font();
            if (const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option))
                font = item->font;
            else if (const auto* view = qstyleoption_cast<const QStyleOptionViewItem*>(option))
                font = view->font;
            size.setHeight(qMax(size.height(), rowHeight(font)));
        }
        return size;
    }

    // The buttons of message boxes and file choosers carry no pictures: beside
    // a picture the style measures an Arabic caption with its shortcut mark
    // too short and cuts it ("إلغاء" showed as "الغ").
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == SH_DialogButtonBox_ButtonsHaveIcons)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }

    static int rowHeight(const QFont& font)
    {
        const QFontMetrics metrics(font);
        return qMax(metrics.height(), metrics.boundingRect(TallArabic).height()) + 4;
    }
};

struct Installed {
    QList<QPointer<QTranslator>> translators;
    std::optional<QFont> desktopFont;
};

Installed& installed()
{
    static Installed state;
    return state;
}

// Noto's Arabic faces first where the desktop's font draws no Arabic; Latin
// letters still come from the desktop's font.
QFont arabicFont(const QFont& desktop)
{
    if (QFontDatabase::writingSystems(desktop.family()).contains(QFontDatabase::Arabic))
        return desktop;
    QStringList families;
    for (const QString& family : {QStringLiteral("Noto Sans Arabic"), QStringLiteral("Noto Naskh Arabic")})
        if (QFontDatabase::hasFamily(family))
            families << family;
    if (families.isEmpty())
        return desktop;
    QFont font = desktop;
    font.setFamilies(families + desktop.families() + QStringList{desktop.family()});
    return font;
}

void useRowStyle()
{
    if (dynamic_cast<ArabicRowsStyle*>(QApplication::style()))
        return;
    QApplication::setStyle(new ArabicRowsStyle(QStyleFactory::create(QApplication::style()->name())));
}

}

namespace Translations {

std::optional<Language> fromCode(const QString& code)
{
    if (code == QLatin1String("ar"))
        return Language::Arabic;
    if (code == QLatin1String("en"))
        return Language::English;
    return std::nullopt;
}

Language fromDesktop(const QStringList& uiLanguages)
{
    if (!uiLanguages.isEmpty() && QLocale(uiLanguages.first()).language() == QLocale::English)
        return Language::English;
    return Language::Arabic;
}

Language choose(std::optional<Language> asked)
{
    return asked ? *asked : fromDesktop(QLocale::system().uiLanguages());
}

QString catalogue(Language language)
{
    return language == Language::Arabic ? QStringLiteral(":/i18n/ijar_ar.qm") : QString();
}

QStringList apply(Language language)
{
    Installed& state = installed();
    for (const QPointer<QTranslator>& t : std::as_const(state.translators))
        if (t) {
            QCoreApplication::removeTranslator(t);
            delete t;
        }
    state.translators.clear();
    if (!state.desktopFont)
        state.desktopFont = QApplication::font();

    QStringList problems;
    const auto load = [&](const QString& file, const QString& directory) {
        auto* translator = new QTranslator(qApp);
        if (translator->load(file, directory) && QCoreApplication::installTranslator(translator)) {
            state.translators << translator;
        } else {
            problems << QStringLiteral("cannot load the catalogue %1").arg(QDir(directory).filePath(file));
            delete translator;
        }
    };
    if (language == Language::Arabic) {
        load(catalogue(language), {});
        load(QStringLiteral("qtbase_ar.qm"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    }
    QApplication::setLayoutDirection(language == Language::Arabic ? Qt::RightToLeft : Qt::LeftToRight);
    QApplication::setApplicationDisplayName(language == Language::Arabic ? QStringLiteral(u"إيجار")
                                                                         : QStringLiteral("Ijar"));
    QApplication::setFont(language == Language::Arabic ? arabicFont(*state.desktopFont) : *state.desktopFont);
    useRowStyle();
    return problems;
}

}
