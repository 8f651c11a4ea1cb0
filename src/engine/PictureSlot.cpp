#include "engine/PictureSlot.h"

#include "core/RunState.h"
#include "core/cUI.h"

#include <QCoreApplication>
#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPixmap>

PictureSlot::PictureSlot(RunState& state, QLabel* image, QLineEdit* fileName, const QString& table,
                         const QString& column, const QString& dialogTitle, const QString& file, QObject* parent)
    : QObject(parent), m_state(state), m_image(image), m_fileName(fileName), m_table(table), m_column(column),
      m_title(dialogTitle), m_file(file)
{
    m_image->installEventFilter(this);
    m_image->setWordWrap(true);
    showHint();
}

void PictureSlot::setReadOnly(bool readOnly)
{
    m_readOnly = readOnly;
    showHint();
}

void PictureSlot::showHint()
{
    if (m_image->pixmap().isNull())
        m_image->setText(m_readOnly ? QString()
                                    : QCoreApplication::translate(
                                          "PictureSlot", "Double-click to choose a picture, right-click to clear it"));
}

QString PictureSlot::fileFilter()
{
    QStringList patterns;
    for (const QByteArray& format : QImageReader::supportedImageFormats())
        patterns << QStringLiteral("*.") + QString::fromLatin1(format);
    return QCoreApplication::translate("PictureSlot", "Pictures") + QStringLiteral(" (") + patterns.join(u' ')
        + QStringLiteral(");;") + QCoreApplication::translate("PictureSlot", "All") + QStringLiteral(" (*)");
}

void PictureSlot::showStored(const Row& row)
{
    m_changed = false;
    QFile::remove(m_file);
    show(row.where.isEmpty() ? QString()
                             : m_state.service<cWindow>().ReadPicture(m_table, m_column, row.where, m_file));
}

bool PictureSlot::save(const Row& row)
{
    if (!m_changed)
        return true;
    if (!m_state.service<cWindow>().InsertPicture(m_fileName->text(), m_table, m_column, row.where, row.keys))
        return false;
    m_changed = false;
    return true;
}

bool PictureSlot::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_image && !m_readOnly) {
        if (event->type() == QEvent::MouseButtonDblClick) {
            choose();
            return true;
        }
        if (event->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
            clear();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void PictureSlot::choose()
{
    FileRequest request;
    request.title = m_title;
    request.filter = fileFilter();
    request.initialPath = m_fileName->text();
    QWidget* screen = m_image->window();
    const QString chosen = m_state.ui().chooseFile(screen, request);
    if (chosen.isEmpty())
        return;
    // Refused here, a file that is no picture never replaces the stored one.
    if (QImageReader(chosen).read().isNull()) {
        m_state.ui().message(screen, QCoreApplication::translate("PictureSlot",
                                                                 "The picture %1 cannot be read; the picture "
                                                                 "stored before is kept.")
                                         .arg(chosen));
        return;
    }
    show(chosen);
    m_changed = true;
}

void PictureSlot::clear()
{
    show(QString());
    m_changed = true;
}

void PictureSlot::show(const QString& fileName)
{
    m_fileName->setText(fileName);
    const QPixmap picture(fileName);
    if (picture.isNull()) {
        m_image->clear();
        showHint();
    } else {
        m_image->setPixmap(picture.scaled(m_image->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }
}
