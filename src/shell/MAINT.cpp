#include "shell/MAINT.h"
#include "ui_MAINT.h"

#include "core/AppError.h"
#include "core/ErrorLog.h"
#include "core/ReaderNames.h"
#include "core/RunState.h"
#include "core/ScreenOpener.h"
#include "core/ScreenTag.h"
#include "shell/MenuScreen.h"
#include "shell/MenuTable.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QProgressBar>
#include <QScreen>
#include <QStandardPaths>
#include <QStyle>
#include <QSysInfo>
#include <QTimer>
#include <QUrl>
#include <algorithm>

namespace {

constexpr int MenuTop = 12;
constexpr int Spacing = 12;

// Drawn when the office has not put its own LOGO.bmp in the home folder.
QPixmap builtInLogo()
{
    QPixmap pixmap(520, 260);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, 0, pixmap.height());
    sky.setColorAt(0, QColor(0x1f, 0x4e, 0x79));
    sky.setColorAt(1, QColor(0x5b, 0x9b, 0xd5));
    p.setPen(Qt::NoPen);
    p.setBrush(sky);
    p.drawRoundedRect(pixmap.rect(), 24, 24);

    // A car: body, cabin and two wheels.
    p.setBrush(QColor(0xf2, 0xf2, 0xf2));
    QPainterPath cabin;
    cabin.moveTo(170, 150);
    cabin.lineTo(205, 105);
    cabin.lineTo(315, 105);
    cabin.lineTo(355, 150);
    cabin.closeSubpath();
    p.drawPath(cabin);
    p.drawRoundedRect(QRectF(120, 145, 280, 55), 18, 18);
    p.setBrush(QColor(0x26, 0x26, 0x26));
    p.drawEllipse(QPointF(185, 202), 24, 24);
    p.drawEllipse(QPointF(335, 202), 24, 24);
    p.setBrush(QColor(0xbf, 0xbf, 0xbf));
    p.drawEllipse(QPointF(185, 202), 10, 10);
    p.drawEllipse(QPointF(335, 202), 10, 10);

    p.setPen(Qt::white);
    QFont title = p.font();
    title.setPixelSize(56);
    title.setBold(true);
    p.setFont(title);
    p.drawText(QRect(0, 10, pixmap.width(), 90), Qt::AlignCenter, MAINT::tr("Ijar"));
    return pixmap;
}

// The program's own pictures: a desktop's icon theme may lack them or draw
// something else under the same name.
QIcon ownIcon(const char* name)
{
    return QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(name)));
}

}

MAINT::MAINT(RunState& state, QWidget* parent)
    : QMainWindow(parent), m_state(state), m_ui(std::make_unique<Ui::MAINT>())
{
    // The pictures live in this static library; nothing else would pull them in.
    Q_INIT_RESOURCE(icons);
    m_ui->setupUi(this);
    m_ui->lblleft->hide();
    m_state.ui().setFrame(this);

    setUpStatusBar();
    setUpToolButtons();
    loadLogo();

    m_reminderTimer = new QTimer(this);
    m_reminderTimer->setObjectName(QStringLiteral("Timer1"));
    m_reminderTimer->setInterval(1000);
    m_reminderTimer->setSingleShot(true);
    connect(m_reminderTimer, &QTimer::timeout, this, &MAINT::reminderTimerTick);

    m_menuButtonSize = m_ui->cmdF1->size();
    for (int n = 1; n <= 5; ++n)
        connect(menuButton(n), &QPushButton::clicked, this, [this, n] { openMenu(n); });
    openOnClick(m_ui->cmdAbout, QStringLiteral("dlgAbout"));
    openOnClick(m_ui->cmdLogOff, QStringLiteral("SCRNlogoff"));
    connect(m_ui->cmdBoard, &QPushButton::clicked, this, &MAINT::openPlanningBoard);

    // The window sees the keys before its controls do.
    qApp->installEventFilter(this);
    ReaderNames::give(this);
}

MAINT::~MAINT()
{
    qApp->removeEventFilter(this);
    if (m_state.ui().frame() == this)
        m_state.ui().setFrame(nullptr);
}

void MAINT::setUpStatusBar()
{
    QStatusBar* bar = m_ui->StatusBar1;
    for (int i = 0; i < int(m_panels.size()); ++i) {
        auto* panel = new QLabel(bar);
        panel->setObjectName(QStringLiteral("Panel%1").arg(i + 1));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setMargin(2);
        m_panels[i] = panel;
    }
    m_panels[PicturePanel - 1]->setMinimumWidth(28);
    QLabel* date = m_panels[DatePanel - 1];
    date->setText(QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")));
    // Beside the date its picture, which opens the calendar too.
    m_datePicture = new QLabel(bar);
    m_datePicture->setObjectName(QStringLiteral("DatePicture"));
    m_datePicture->setPixmap(ownIcon("calendar").pixmap(16, 16));
    m_datePicture->setToolTip(tr("Calendar"));
    m_datePicture->setCursor(Qt::PointingHandCursor);
    m_datePicture->installEventFilter(this);
    date->setToolTip(tr("Calendar"));
    date->setCursor(Qt::PointingHandCursor);
    date->installEventFilter(this);

    bar->addWidget(m_panels[MessagePanel - 1], 3);
    for (int panel = HostPanel; panel <= DatePanel; ++panel) {
        if (panel == DatePanel)
            bar->addWidget(m_datePicture);
        bar->addWidget(m_panels[panel - 1], panel == PicturePanel ? 0 : 1);
    }

    m_progress = new QProgressBar(bar);
    m_progress->setObjectName(QStringLiteral("ProgressBar1"));
    m_progress->setRange(0, 100);
    m_progress->setFixedWidth(160);
    bar->addPermanentWidget(m_progress);
    m_progress->hide();
}

void MAINT::setUpToolButtons()
{
    m_ui->cmdlock->setIcon(ownIcon("lock"));
    m_ui->cmdreminders->setIcon(ownIcon("reminders"));
    m_ui->cmdcalender->setIcon(ownIcon("calendar"));
    m_ui->cmdcalc->setIcon(ownIcon("calculator"));
    m_ui->cmdmail->setIcon(ownIcon("mail"));
    m_ui->cmdWord->setIcon(ownIcon("document"));
    m_ui->command6->setIcon(ownIcon("web"));
    m_ui->command7->setIcon(ownIcon("database"));
    m_ui->command8->setIcon(ownIcon("spreadsheet"));
    m_ui->cmdLogOff->setIcon(ownIcon("exit"));

    openOnClick(m_ui->cmdlock, QStringLiteral("SCRNlock"));
    openOnClick(m_ui->cmdcalender, QStringLiteral("POPcalendar"));
    connect(m_ui->cmdreminders, &QToolButton::clicked, this, [this] {
        if (showReminders)
            guarded(m_state, this, ERROR_SOURCE, showReminders);
        else
            m_state.ui().message(this, notInThisVersion(m_ui->cmdreminders->toolTip()));
    });
    connect(m_ui->cmdcalc, &QToolButton::clicked, this, &MAINT::startCalculator);
    connect(m_ui->cmdmail, &QToolButton::clicked, this,
            [this] { m_state.ui().openUrl(this, QUrl(QStringLiteral("mailto:"))); });
    connect(m_ui->cmdWord, &QToolButton::clicked, this, [this] {
        m_state.ui().startProgram(this, QStringLiteral("libreoffice"), {QStringLiteral("--writer")});
    });
    connect(m_ui->command6, &QToolButton::clicked, this, &MAINT::openWebSite);
    connect(m_ui->command7, &QToolButton::clicked, this, [this] {
        m_state.ui().startProgram(this, QStringLiteral("libreoffice"), {QStringLiteral("--base")});
    });
    connect(m_ui->command8, &QToolButton::clicked, this, [this] {
        m_state.ui().startProgram(this, QStringLiteral("libreoffice"), {QStringLiteral("--calc")});
    });
}

QString MAINT::captionOf(const QAbstractButton* button)
{
    return button->toolTip().isEmpty() ? button->text() : button->toolTip();
}

void MAINT::openOnClick(QAbstractButton* button, const QString& screen)
{
    connect(button, &QAbstractButton::clicked, this, [this, button, screen] {
        openScreen(m_state, this, screen, ERROR_SOURCE, {}, {}, captionOf(button));
    });
}

void MAINT::loadLogo()
{
    m_logo = QPixmap(m_state.homeFile(QStringLiteral("LOGO.bmp")));
    if (m_logo.isNull())
        m_logo = builtInLogo();
    m_ui->Picture1->setPixmap(m_logo);
}

QPushButton* MAINT::menuButton(int number) const
{
    switch (number) {
    case 1: return m_ui->cmdF1;
    case 2: return m_ui->cmdF2;
    case 3: return m_ui->cmdF3;
    case 4: return m_ui->cmdF4;
    case 5: return m_ui->cmdF5;
    default: return nullptr;
    }
}

void MAINT::applyConfiguration()
{
    const ConfigValues& c = m_state.config;
    setWindowTitle(c.APPTITLE);
    setStatusPanel(MessagePanel, c.LICENSEDESCRIPTION + QStringLiteral("  ") + RunState::shortVersion());
    setStatusPanel(HostPanel, QSysInfo::machineHostName());
    setStatusPanel(WebPanel, c.WEBSITEADDRESS);
}

void MAINT::setDayPanel(QWidget* panel)
{
    m_dayPanel = panel;
    // Last in the window, so that Tab reaches the numbers after the buttons;
    // it shows itself once it has numbers to show (after the login).
    panel->setParent(centralWidget());
    panel->hide();
    layOutControls();
}

void MAINT::openPlanningBoard()
{
    const QString board = QStringLiteral("frmPlanningBoard");
    guarded(m_state, this, ERROR_SOURCE, [&] {
        if (const MenuCommand* command = MenuTable::firstAllowed(m_state, board)) {
            MenuTable::open(m_state, this, *command, ERROR_SOURCE);
            return;
        }
        const QList<MenuCommand>& commands = MenuTable::commands();
        if (std::any_of(commands.begin(), commands.end(), [&](const MenuCommand& c) { return c.screen == board; }))
            m_state.ui().message(this, tr("Your rights do not include the planning board of the Rent menu."));
        else
            openScreen(m_state, this, board, ERROR_SOURCE, {}, {}, captionOf(m_ui->cmdBoard));
    });
}

void MAINT::enableReminderTimer()
{
    m_reminderTimer->start();
}

void MAINT::reminderTimerTick()
{
    // Single-shot: it has stopped already, so it runs once per login.
    if (reminderTick)
        guarded(m_state, this, ERROR_SOURCE, reminderTick);
}

void MAINT::openMenu(int number)
{
    if (number < 1 || number > int(m_menus.size()))
        return;
    m_lastMenu = number;
    QPointer<MenuScreen>& menu = m_menus[number - 1];
    // A closed menu is on its way out; the next one reads the rights anew.
    if (!menu || !menu->isVisible())
        menu = new MenuScreen(m_state, number, this);
    m_state.ui().show(menu);
    // The digits go to the menu straight away.
    menu->activateWindow();
    // One menu at a time: a digit goes to the menu just opened. A window manager
    // hands the focus of the menu closed here to this window for a moment; that
    // activation must not close the new menu as a click on this window would.
    bool switched = false;
    for (int other = 1; other <= int(m_menus.size()); ++other) {
        if (other != number && m_menus[other - 1] && m_menus[other - 1]->isVisible()) {
            m_menus[other - 1]->close();
            switched = true;
        }
    }
    if (switched)
        m_switchedTo = menu;
}

MenuScreen* MAINT::menu(int number) const
{
    if (number < 1 || number > int(m_menus.size()))
        return nullptr;
    MenuScreen* m = m_menus[number - 1];
    return m && m->isVisible() ? m : nullptr;
}

void MAINT::setStatusPanel(int panel, const QString& text)
{
    if (panel >= 1 && panel <= int(m_panels.size()))
        m_panels[panel - 1]->setText(text);
}

QString MAINT::statusPanel(int panel) const
{
    if (panel >= 1 && panel <= int(m_panels.size()))
        return m_panels[panel - 1]->text();
    return {};
}

void MAINT::setProgress(int percent)
{
    // Nothing done is nothing to show: an empty bar would look like a blank field.
    if (percent <= 0) {
        m_progress->hide();
        return;
    }
    m_progress->setValue(qMin(percent, 100));
    m_progress->show();
    // Drawn at once: long work inside a transaction lets no events run.
    m_progress->repaint();
}

QRect MAINT::workArea() const
{
    const QWidget* central = centralWidget();
    const int top = m_ui->cmdF1->geometry().bottom() + Spacing;
    const QRect area(0, top, central->width(), qMax(0, central->height() - top));
    return QRect(central->mapToGlobal(area.topLeft()), area.size());
}

QRect MAINT::available() const
{
    const QScreen* shown = screen() ? screen() : QGuiApplication::primaryScreen();
    return shown ? shown->availableGeometry() : QRect();
}

QRect MAINT::menuArea() const
{
    const QPushButton* button = menuButton(m_lastMenu);
    const QRect work = workArea();
    const MenuScreen* m = m_menus[m_lastMenu - 1];
    const QSize size(qMax(button->width(), m ? m->frameGeometry().width() : 0),
                     m ? m->frameGeometry().height() : 0);
    const QRect anchor(button->mapToGlobal(QPoint(0, 0)), button->size());
    QRect screenArea = available();
    if (!screenArea.isValid())
        screenArea = QRect(QPoint(-100000, -100000), QSize(200000, 200000));
    const auto fits = [&](const QRect& r) { return screenArea.contains(r); };

    // Below its button, hanging from the button's far edge in the reading
    // direction and kept inside the main window.
    int x = layoutDirection() == Qt::RightToLeft ? anchor.right() + 1 - size.width() : anchor.left();
    x = qBound(work.left(), x, qMax(work.left(), work.right() + 1 - size.width()));
    x = qBound(screenArea.left(), x, qMax(screenArea.left(), screenArea.right() + 1 - size.width()));
    QRect placed(QPoint(x, anchor.bottom() + 3), size);
    // Where the screen has no room below, above the button; else beside it,
    // never over it.
    if (!fits(placed))
        placed.moveBottom(anchor.top() - 3);
    if (!fits(placed)) {
        const int top = qBound(screenArea.top(), anchor.top(),
                               qMax(screenArea.top(), screenArea.bottom() + 1 - size.height()));
        const QRect before(QPoint(anchor.left() - 3 - size.width(), top), size);
        const QRect after(QPoint(anchor.right() + 4, top), size);
        const bool rtl = layoutDirection() == Qt::RightToLeft;
        placed = fits(rtl ? before : after) || !fits(rtl ? after : before) ? (rtl ? before : after)
                                                                         : (rtl ? after : before);
    }
    // The menu's frame goes there; its inside starts where the frame of this
    // window, drawn by the same window manager, says.
    const QPoint inside(geometry().left() - frameGeometry().left(), geometry().top() - frameGeometry().top());
    return QRect(placed.topLeft() + inside, QSize(size.width(), qMax(1, screenArea.bottom() - placed.top())));
}

void MAINT::showEvent(QShowEvent* event)
{
    fitToScreen();
    QMainWindow::showEvent(event);
}

// The window manager's frame is known only once it has framed the window:
// the window is fitted again then, frame and all.
void MAINT::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    if (!m_framed && isVisible() && frameGeometry().size() != geometry().size()) {
        m_framed = true;
        fitToScreen();
    }
}

void MAINT::fitToScreen()
{
    const QRect area = available();
    if (!area.isValid())
        return;
    // The window frame is the window manager's; what is left is ours.
    const QSize frame = frameGeometry().size() - geometry().size();
    const QSize room = area.size() - frame;
    setMinimumSize(minimumSize().boundedTo(room));
    resize(size().boundedTo(room));
    QRect placed = frameGeometry();
    placed.moveLeft(qBound(area.left(), placed.left(), qMax(area.left(), area.right() + 1 - placed.width())));
    placed.moveTop(qBound(area.top(), placed.top(), qMax(area.top(), area.bottom() + 1 - placed.height())));
    move(placed.topLeft());
}

void MAINT::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    layOutControls();
}

void MAINT::layOutControls()
{
    const QWidget* central = centralWidget();
    const QRect bounds = central->rect();
    const auto place = [&](QWidget* w, const QRect& logical) {
        w->setGeometry(QStyle::visualRect(layoutDirection(), bounds, logical));
    };

    // The five menu buttons keep their size and share what is left in equal
    // gaps; on a narrow screen they narrow too.
    const int minimumGap = 4;
    const QSize button(qMin(m_menuButtonSize.width(), (bounds.width() - 6 * minimumGap) / 5),
                       m_menuButtonSize.height());
    const double gap = qMax(0.0, (bounds.width() - 5.0 * button.width()) / 6.0);
    for (int i = 0; i < 5; ++i) {
        const int x = qRound(gap * (i + 1) + button.width() * i);
        place(menuButton(i + 1), QRect(QPoint(x, MenuTop), button));
    }

    const QPoint marker(qRound(gap), MenuTop + button.height() + 2 * Spacing);
    place(m_ui->lblleft, QRect(marker, QSize(1, 1)));
    const QRect tools(marker, m_ui->toolFrame->sizeHint());
    place(m_ui->toolFrame, tools);
    const QRect about(QPoint(marker.x(), tools.bottom() + Spacing), m_ui->cmdAbout->size());
    place(m_ui->cmdAbout, about);
    const QRect logOff(QPoint(about.right() + Spacing, about.top()), m_ui->cmdLogOff->size());
    place(m_ui->cmdLogOff, logOff);
    place(m_ui->cmdBoard, QRect(QPoint(logOff.right() + Spacing, about.top()), m_ui->cmdBoard->size()));

    int top = about.bottom() + Spacing;
    if (m_dayPanel) {
        const QRect panel(QPoint(marker.x(), top),
                          QSize(qMax(0, bounds.width() - 2 * marker.x()), m_dayPanel->sizeHint().height()));
        place(m_dayPanel, panel);
        top = panel.bottom() + Spacing;
    }
    const QRect picture(QPoint(marker.x(), top), QPoint(bounds.width() - marker.x(), bounds.height() - Spacing));
    place(m_ui->Picture1, picture);
    const QSize room = picture.size();
    if (room.isEmpty())
        return;
    if (m_logo.width() > room.width() || m_logo.height() > room.height())
        m_ui->Picture1->setPixmap(m_logo.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    else
        m_ui->Picture1->setPixmap(m_logo);
}

bool MAINT::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        activated();
    return QMainWindow::event(event);
}

void MAINT::activated()
{
    if (m_switchedTo && m_switchedTo->isVisible()) {
        m_switchedTo->activateWindow();
        return;
    }
    closeOtherScreens();
    setProgress(-1);
    // No screen is open over the main window now.
    setStatusPanel(ScreenPanel, {});
    m_panels[PicturePanel - 1]->clear();
    m_panels[DatePanel - 1]->setText(QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")));
    // The first-activation steps show the login modally, and closing it
    // activates this window again: they must not start a second time.
    if (m_state.FirstActivation && firstActivation && !m_inFirstActivation) {
        m_inFirstActivation = true;
        guarded(m_state, this, ERROR_SOURCE, firstActivation);
        m_inFirstActivation = false;
    }
}

void MAINT::closeOtherScreens()
{
    static const QStringList kept{QStringLiteral("frmocx"), QStringLiteral("POPMessages"),
                                  QStringLiteral("SCRNlogoff")};
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w == this || !w->isVisible() || w->isModal())
            continue;
        const Qt::WindowType type = w->windowType();
        if (type == Qt::Popup || type == Qt::ToolTip || type == Qt::Desktop)
            continue;
        if (kept.contains(w->objectName(), Qt::CaseInsensitive))
            continue;
        w->close();
    }
}

bool MAINT::eventFilter(QObject* watched, QEvent* event)
{
    // The clerk acts again: from now on an activation of this window is his.
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::MouseButtonPress)
        m_switchedTo.clear();
    if (event->type() == QEvent::KeyPress) {
        // An open menu passes on the keys of the menus: F5 in the data menu
        // opens the rent menu, whose digits come next. Alt+F4 there closes the menu alone.
        const auto* key = static_cast<QKeyEvent*>(event);
        const auto* widget = qobject_cast<QWidget*>(watched);
        const bool fromMenu = widget && qobject_cast<MenuScreen*>(widget->window())
            && !(key->modifiers() & Qt::AltModifier);
        if (widget && (widget->window() == this || fromMenu) && handleKey(key))
            return true;
    } else if (event->type() == QEvent::MouseButtonRelease
               && (watched == m_panels[DatePanel - 1] || watched == m_datePicture)) {
        openScreen(m_state, this, QStringLiteral("POPcalendar"), QStringLiteral("StatusBar1_PanelClick"), {}, {},
                   m_panels[DatePanel - 1]->toolTip());
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

bool MAINT::handleKey(const QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_F1:
    case Qt::Key_F2:
    case Qt::Key_F3:
    case Qt::Key_F5:
        menuButton(event->key() - Qt::Key_F1 + 1)->click();
        return true;
    case Qt::Key_F4:
        if (event->modifiers() & Qt::AltModifier)
            close();
        else
            m_ui->cmdF4->click();
        return true;
    default:
        return false;
    }
}

void MAINT::closeEvent(QCloseEvent* event)
{
    if (ScreenTag::get(this) == QLatin1String("Exit")) {
        QMainWindow::closeEvent(event);
        return;
    }
    event->ignore();
    openScreen(m_state, this, QStringLiteral("SCRNlogoff"), ERROR_SOURCE);
}

void MAINT::startCalculator()
{
    static const QStringList calculators{QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"),
                                         QStringLiteral("galculator"), QStringLiteral("qalculate-gtk"),
                                         QStringLiteral("xcalc")};
    QString chosen = calculators.constFirst();
    for (const QString& program : calculators) {
        if (!QStandardPaths::findExecutable(program).isEmpty()) {
            chosen = program;
            break;
        }
    }
    // With none installed the door tells the operator which program is missing.
    m_state.ui().startProgram(this, chosen, {});
}

void MAINT::openWebSite()
{
    QString address = m_state.config.WEBSITEADDRESS.trimmed();
    if (address.isEmpty() || address == QLatin1String("0")) {
        m_state.ui().message(this, tr("The address of the web site is not set in the options"));
        return;
    }
    if (!address.contains(QLatin1String("://")))
        address.prepend(QStringLiteral("http://"));
    m_state.ui().openUrl(this, QUrl(address));
}
