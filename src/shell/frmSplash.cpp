#include "shell/frmSplash.h"

#include "core/RunState.h"

#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

frmSplash::frmSplash(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(tr("Ijar"));

    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::Box);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(frame);

    const auto addLabel = [frame](const QString& name, const QString& text, int pointSize, bool bold) {
        auto* label = new QLabel(text, frame);
        label->setObjectName(name);
        label->setAlignment(Qt::AlignCenter);
        QFont font = label->font();
        font.setPointSize(pointSize);
        font.setBold(bold);
        label->setFont(font);
        return label;
    };
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(48, 32, 48, 32);
    layout->setSpacing(12);
    layout->addWidget(addLabel(QStringLiteral("lblName"), tr("Ijar"), 32, true));
    layout->addWidget(addLabel(QStringLiteral("lblDescription"), tr("Car Rental Front Office"), 12, false));
    layout->addWidget(addLabel(QStringLiteral("lblVersion"), tr("Version %1").arg(RunState::version()), 10, false));

    adjustSize();
    if (QScreen* display = screen())
        move(display->availableGeometry().center() - rect().center());
}

