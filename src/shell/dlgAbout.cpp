#include "shell/dlgAbout.h"
#include "ui_dlgAbout.h"

#include "core/RunState.h"
#include "core/ScreenSetup.h"
#include "shell/OwnDirection.h"

#include <QEasingCurve>
#include <QPainter>
#include <QStringList>
#include <QSysInfo>
#include <QVariantAnimation>
#include <QtMath>

dlgAbout::dlgAbout(RunState& state, QWidget* parent)
    : QDialog(parent), m_state(state), m_ui(std::make_unique<Ui::dlgAbout>())
{
    m_ui->setupUi(this);
    const QString title = state.config.APPTITLE;
    setWindowTitle(tr("About ") + title);
    m_ui->lblTitle->setText(title);
    m_ui->lblVersion->setText(tr("Version %1").arg(RunState::version()));
    const QString address = state.config.EMAILADDRESS;
    // An address reads left to right in any paragraph ("1st@office.com").
    m_ui->lblMail->setText(QStringLiteral("<a href=\"%1\">&#x2066;%2&#x2069;</a>")
                               .arg(mailUrl().toString(QUrl::FullyEncoded).toHtmlEscaped(), address.toHtmlEscaped()));
    OwnDirection::captions({m_ui->cmdOk, m_ui->cmdSysInfo, m_ui->cmdAnimate});

    const QPixmap logo(state.homeFile(QStringLiteral("LOGO.bmp")));
    m_logo = logo.isNull() ? drawnLogo(96) : logo;
    m_ui->picIcon->setPixmap(m_logo);
    m_ui->picIcon->setFixedSize(m_logo.deviceIndependentSize().toSize());

    connect(m_ui->lblMail, &QLabel::linkActivated, this, [this] { m_state.ui().openUrl(this, mailUrl()); });
    connect(m_ui->cmdSysInfo, &QPushButton::clicked, this, &dlgAbout::showSystemInformation);
    connect(m_ui->cmdAnimate, &QPushButton::clicked, this, &dlgAbout::animate);
    connect(m_ui->cmdOk, &QPushButton::clicked, this, &QDialog::accept);
}

dlgAbout::~dlgAbout() = default;

QUrl dlgAbout::mailUrl() const
{
    return QUrl(QStringLiteral("mailto:") + m_state.config.EMAILADDRESS);
}

void dlgAbout::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_loaded)
        return;
    m_loaded = true;
    ScreenSetup::run(m_state, this);
}

void dlgAbout::showSystemInformation()
{
    const QStringList facts{
        tr("System: %1").arg(QSysInfo::prettyProductName()),
        tr("Kernel: %1 %2").arg(QSysInfo::kernelType(), QSysInfo::kernelVersion()),
        tr("Processor: %1").arg(QSysInfo::currentCpuArchitecture()),
        tr("Computer: %1").arg(QSysInfo::machineHostName()),
        tr("Qt: %1").arg(QString::fromLatin1(qVersion())),
    };
    m_state.ui().message(this, facts.join(QLatin1Char('\n')), tr("Sys Info"));
}

void dlgAbout::animate()
{
    if (m_animation)
        return;
    m_animation = new QVariantAnimation(this);
    m_animation->setStartValue(0.0);
    m_animation->setEndValue(720.0);
    m_animation->setDuration(1200);
    m_animation->setEasingCurve(QEasingCurve::InOutQuad);
    connect(m_animation, &QVariantAnimation::valueChanged, this, [this](const QVariant& degrees) {
        m_ui->picIcon->setPixmap(turned(m_logo, degrees.toReal()));
    });
    connect(m_animation, &QVariantAnimation::finished, this, [this] { m_ui->picIcon->setPixmap(m_logo); });
    m_animation->start(QAbstractAnimation::DeleteWhenStopped);
}

QPixmap dlgAbout::turned(const QPixmap& logo, qreal degrees)
{
    QPixmap out(logo.size());
    out.setDevicePixelRatio(logo.devicePixelRatio());
    out.fill(Qt::transparent);
    QPainter painter(&out);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const qreal middle = logo.deviceIndependentSize().width() / 2;
    painter.translate(middle, 0);
    painter.scale(qCos(qDegreesToRadians(degrees)), 1);
    painter.translate(-middle, 0);
    painter.drawPixmap(0, 0, logo);
    return out;
}

QPixmap dlgAbout::drawnLogo(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x1f, 0x5f, 0x9f));
    painter.drawRoundedRect(QRectF(0, 0, size, size), size / 6.0, size / 6.0);
    QFont font = painter.font();
    font.setPixelSize(size / 4);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 0, size, size), Qt::AlignCenter, tr("Ijar"));
    return pixmap;
}
