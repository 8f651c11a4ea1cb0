#include "shell/SCRNlock.h"
#include "ui_SCRNlock.h"

#include "core/AppError.h"
#include "core/ErrorLog.h"
#include "core/RunState.h"
#include "core/ScreenSetup.h"
#include "core/ShellFrame.h"
#include "core/cSecurity.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>

SCRNlock::SCRNlock(RunState& state, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_state(state),
      m_ui(std::make_unique<Ui::SCRNlock>())
{
    m_ui->setupUi(this);
    connect(m_ui->txtPassword, &QLineEdit::returnPressed, this, &SCRNlock::checkPassword);
}

SCRNlock::~SCRNlock() = default;

void SCRNlock::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_loaded)
        return;
    m_loaded = true;
    ScreenSetup::run(m_state, this);
    if (ShellFrame* frame = m_state.ui().frame())
        setGeometry(frame->frameWidget()->frameGeometry());
    hideTheWork();
    const QPixmap picture(m_state.homeFile(QStringLiteral("LOCK.bmp")));
    m_ui->Image1->setPixmap(picture.isNull() ? padlock(128) : picture);
    m_ui->txtPassword->setFocus();
}

void SCRNlock::hideTheWork()
{
    // Moving the lock aside must show nothing of the work behind it. A
    // modal window waiting for an answer would end its wait when hidden;
    // none is open under the lock, which the main window opens.
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w == this || !w->isVisible() || w->isModal())
            continue;
        m_hidden.append(w);
        w->hide();
    }
}

void SCRNlock::done(int result)
{
    for (const QPointer<QWidget>& w : std::as_const(m_hidden))
        if (w)
            w->show();
    m_hidden.clear();
    QDialog::done(result);
}

void SCRNlock::keyPressEvent(QKeyEvent* event)
{
    // Esc would reject the dialog, and a rejected lock is an open lock.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void SCRNlock::closeEvent(QCloseEvent* event)
{
    event->ignore();
}

void SCRNlock::checkPassword()
{
    QLineEdit* edit = m_ui->txtPassword;
    edit->setText(edit->text().toUpper());
    bool valid = false;
    const bool checked = guarded(m_state, this, ERROR_SOURCE, [&] {
        valid = cSecurity(m_state).IsValidUserPassword(m_state.CurrentLoginId, edit->text());
    });
    if (valid) {
        accept();
        return;
    }
    // A failed check has been reported already; it is no wrong password.
    if (checked)
        m_state.ui().message(this, tr("كلمة المرور غير صحيحه"), tr("مرور"));
    edit->setFocus();
    edit->selectAll();
}

QPixmap SCRNlock::padlock(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal unit = size / 16.0;

    QPen shackle(QColor(0x60, 0x66, 0x70), 1.6 * unit, Qt::SolidLine, Qt::FlatCap);
    painter.setPen(shackle);
    painter.setBrush(Qt::NoBrush);
    QPainterPath arc;
    arc.moveTo(4.5 * unit, 8 * unit);
    arc.lineTo(4.5 * unit, 5 * unit);
    arc.arcTo(QRectF(4.5 * unit, 1.5 * unit, 7 * unit, 7 * unit), 180, -180);
    arc.lineTo(11.5 * unit, 8 * unit);
    painter.drawPath(arc);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xd4, 0xa0, 0x17));
    painter.drawRoundedRect(QRectF(2.5 * unit, 7 * unit, 11 * unit, 8 * unit), unit, unit);

    painter.setBrush(QColor(0x3b, 0x2a, 0x05));
    painter.drawEllipse(QPointF(8 * unit, 10.3 * unit), 1.1 * unit, 1.1 * unit);
    painter.drawRect(QRectF(7.5 * unit, 10.5 * unit, unit, 2.6 * unit));
    return pixmap;
}
