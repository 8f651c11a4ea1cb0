#include "rental/dlgCarDamage.h"

#include "accounting/LedgerSetup.h"
#include "core/AppError.h"
#include "core/ErrorLog.h"
#include "core/RowSet.h"
#include "core/RunState.h"
#include "core/StoredDate.h"
#include "core/cUI.h"
#include "engine/PictureSlot.h"
#include "rental/DamageDiagram.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QBuffer>
#include <QVBoxLayout>

using CarDamage::Kind;
using CarDamage::Mark;

namespace {

constexpr int ThumbnailSize = 96;

QIcon thumbnail(const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer);
    // Read small: a camera's photo is large, its thumbnail never needs all of it.
    const QSize full = reader.size();
    if (full.isValid())
        reader.setScaledSize(full.scaled(ThumbnailSize, ThumbnailSize, Qt::KeepAspectRatio));
    return QIcon(QPixmap::fromImage(reader.read()));
}

}

dlgCarDamage::dlgCarDamage(RunState& state, qint64 carId, const QString& carName, QWidget* parent)
    : QDialog(parent), m_state(state), m_car(carId)
{
    setObjectName(QStringLiteral("dlgCarDamage"));
    setWindowTitle(tr("Damage on the car %1").arg(carName));

    m_diagram = new DamageDiagram(this);
    m_diagram->setObjectName(QStringLiteral("diagram"));
    m_diagram->setAccessibleName(tr("Car diagram"));
    m_diagram->setToolTip(
        tr("Tab: next view; arrows: move the cross; 1-4: kind; Enter or a click: mark the spot; Delete: take back "
           "a new mark"));

    m_kind = new QComboBox(this);
    m_kind->setObjectName(QStringLiteral("cmbKind"));
    for (int k = 1; k <= CarDamage::KindCount; ++k)
        m_kind->addItem(QStringLiteral("%1 %2").arg(k).arg(CarDamage::kindName(Kind(k))), k);
    m_size = new QSpinBox(this);
    m_size->setObjectName(QStringLiteral("spnSize"));
    m_size->setRange(0, 500);
    m_size->setSuffix(tr(" cm"));
    m_note = new QLineEdit(this);
    m_note->setObjectName(QStringLiteral("txtNote"));
    m_note->setMaxLength(250);
    m_save = new QPushButton(tr("Save the mark"), this);
    m_save->setObjectName(QStringLiteral("cmdSaveMark"));
    m_repaired = new QPushButton(tr("Repaired"), this);
    m_repaired->setObjectName(QStringLiteral("cmdRepaired"));

    m_marks = new QTableWidget(0, 6, this);
    m_marks->setObjectName(QStringLiteral("lstMarks"));
    m_marks->setHorizontalHeaderLabels({tr("Where"), tr("Kind"), tr("Size"), tr("Note"), tr("Found"), tr("Photos")});
    m_marks->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_marks->setSelectionMode(QAbstractItemView::SingleSelection);
    m_marks->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_marks->horizontalHeader()->setSectionResizeMode(3, QHeaderView::Stretch);
    m_marks->verticalHeader()->hide();
    m_marks->setAccessibleName(tr("Standing damage"));

    m_photos = new QListWidget(this);
    m_photos->setObjectName(QStringLiteral("lstPhotos"));
    m_photos->setViewMode(QListView::IconMode);
    m_photos->setIconSize({ThumbnailSize, ThumbnailSize});
    m_photos->setAccessibleName(tr("Photos"));
    m_photos->setMaximumHeight(ThumbnailSize + 40);
    m_addPhoto = new QPushButton(tr("Add a photo…"), this);
    m_addPhoto->setObjectName(QStringLiteral("cmdAddPhoto"));
    m_removePhoto = new QPushButton(tr("Remove the photo"), this);
    m_removePhoto->setObjectName(QStringLiteral("cmdRemovePhoto"));
    auto* close = new QDialogButtonBox(QDialogButtonBox::Close, this);
    for (QPushButton* b : {m_save, m_repaired, m_addPhoto, m_removePhoto})
        b->setAutoDefault(false);

    auto* form = new QFormLayout;
    const auto labelled = [&](const QString& caption, QWidget* field) {
        auto* label = new QLabel(caption, this);
        label->setBuddy(field);
        form->addRow(label, field);
    };
    labelled(tr("&Kind"), m_kind);
    labelled(tr("Si&ze"), m_size);
    labelled(tr("&Note"), m_note);
    auto* markButtons = new QHBoxLayout;
    markButtons->addWidget(m_save);
    markButtons->addWidget(m_repaired);
    markButtons->addStretch();
    form->addRow(markButtons);
    auto* photoButtons = new QVBoxLayout;
    photoButtons->addWidget(m_addPhoto);
    photoButtons->addWidget(m_removePhoto);
    photoButtons->addStretch();
    auto* photoRow = new QHBoxLayout;
    photoRow->addWidget(m_photos, 1);
    photoRow->addLayout(photoButtons);
    auto* side = new QVBoxLayout;
    side->addLayout(form);
    side->addWidget(m_marks, 1);
    side->addLayout(photoRow);
    auto* top = new QHBoxLayout;
    top->addWidget(m_diagram, 3);
    top->addLayout(side, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(close);

    // Reading order: the diagram first, where the clerk marks.
    setTabOrder(m_diagram, m_kind);
    setTabOrder(m_kind, m_size);
    setTabOrder(m_size, m_note);
    setTabOrder(m_note, m_save);
    setTabOrder(m_save, m_repaired);
    setTabOrder(m_repaired, m_marks);
    setTabOrder(m_marks, m_photos);
    setTabOrder(m_photos, m_addPhoto);
    setTabOrder(m_addPhoto, m_removePhoto);

    connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_save, &QPushButton::clicked, this, &dlgCarDamage::saveMark);
    connect(m_repaired, &QPushButton::clicked, this, &dlgCarDamage::markRepaired);
    connect(m_addPhoto, &QPushButton::clicked, this, &dlgCarDamage::addPhoto);
    connect(m_removePhoto, &QPushButton::clicked, this, &dlgCarDamage::removePhoto);
    connect(m_diagram, &DamageDiagram::markAdded, this, &dlgCarDamage::stored);
    connect(m_diagram, &DamageDiagram::markChanged, this, [this](int index) {
        const Mark m = m_diagram->mark(index);
        if (store([&] { CarDamage::update(m_state.db(), m); }))
            fillRow(index);
        select(index);
    });
    connect(m_diagram, &DamageDiagram::selectedChanged, this, &dlgCarDamage::select);
    connect(m_diagram, &DamageDiagram::removeAsked, this, &dlgCarDamage::removeMark);
    connect(m_marks, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (row != m_diagram->selected())
            m_diagram->setSelected(row);
    });

    resize(1000, 560);
    reload();
    m_diagram->setFocus();
}

bool dlgCarDamage::store(const std::function<void()>& work)
{
    try {
        work();
        return true;
    } catch (const AppError& e) {
        ReportError(m_state, this, e, QStringLiteral("dlgCarDamage"));
        return false;
    }
}

void dlgCarDamage::reload()
{
    QList<Mark> marks;
    if (!store([&] { marks = CarDamage::standing(m_state.db(), m_car); }))
        return;
    m_diagram->setStanding(marks);
    m_marks->setRowCount(0);
    m_marks->setRowCount(m_diagram->count());
    for (int i = 0; i < m_diagram->count(); ++i)
        fillRow(i);
    select(-1);
}

void dlgCarDamage::fillRow(int row)
{
    if (row >= m_marks->rowCount())
        m_marks->setRowCount(row + 1);
    const Mark& m = m_diagram->mark(row);
    const QStringList cells{CarDamage::zoneName(m.zone),
                            CarDamage::kindName(m.kind),
                            m.size > 0 ? QString::number(m.size) : QString(),
                            m.note,
                            m.found.toString(QStringLiteral("dd/MM/yyyy")),
                            m.photos > 0 ? QString::number(m.photos) : QString()};
    for (int c = 0; c < cells.size(); ++c) {
        auto* item = new QTableWidgetItem(cells.at(c));
        // New damage stands out in the list as on the diagram.
        if (m_diagram->isFresh(row))
            item->setBackground(QColor(255, 236, 150));
        m_marks->setItem(row, c, item);
    }
}

void dlgCarDamage::foundOn(qint64 rentId, const QDate& date, bool atReturn)
{
    m_rent = rentId;
    m_found = date;
    m_atReturn = atReturn;
}

void dlgCarDamage::stored(int index)
{
    Mark m = m_diagram->mark(index);
    m.rentId = m_rent;
    m.found = m_found.isValid() ? m_found : QDate::currentDate();
    m.atReturn = m_atReturn;
    if (!store([&] { m.id = CarDamage::add(m_state.db(), m_car, m); })) {
        m_diagram->removeMark(index);
        return;
    }
    m_diagram->setMark(index, m);
    fillRow(index);
    select(index);
}

Mark dlgCarDamage::selectedMark() const
{
    const int index = m_diagram->selected();
    return index >= 0 ? m_diagram->mark(index) : Mark();
}

void dlgCarDamage::select(int index)
{
    if (m_marks->currentRow() != index) {
        const QSignalBlocker quiet(m_marks);
        m_marks->setCurrentCell(index, 0);
        if (index < 0)
            m_marks->clearSelection();
    }
    const bool any = index >= 0;
    for (QWidget* w : std::initializer_list<QWidget*>{m_kind, m_size, m_note, m_save, m_repaired, m_photos,
                                                       m_addPhoto, m_removePhoto})
        w->setEnabled(any);
    const Mark m = selectedMark();
    m_kind->setCurrentIndex(any ? int(m.kind) - 1 : 0);
    m_size->setValue(m.size);
    m_note->setText(m.note);
    showPhotos();
}

void dlgCarDamage::showPhotos()
{
    m_photos->clear();
    const Mark m = selectedMark();
    if (m.id <= 0)
        return;
    store([&] {
        for (const CarDamage::Photo& photo : CarDamage::photos(m_state.db(), m.id)) {
            auto* item = new QListWidgetItem(thumbnail(CarDamage::photo(m_state.db(), photo.id)), photo.name, m_photos);
            item->setData(Qt::UserRole, photo.id);
        }
    });
}

void dlgCarDamage::saveMark()
{
    const int index = m_diagram->selected();
    if (index < 0)
        return;
    Mark m = m_diagram->mark(index);
    m.kind = Kind(m_kind->currentData().toInt());
    m.size = m_size->value();
    m.note = m_note->text().trimmed();
    if (!store([&] { CarDamage::update(m_state.db(), m); }))
        return;
    m_diagram->setMark(index, m);
    fillRow(index);
}

void dlgCarDamage::markRepaired()
{
    const Mark m = selectedMark();
    if (m.id <= 0)
        return;
    const QString asked = tr("Mark the %1 on the %2 repaired? It leaves the car's standing damage.")
                              .arg(CarDamage::kindName(m.kind), CarDamage::zoneName(m.zone));
    // The car's maintenance vouchers since the mark was found: the repair may be one of them.
    RowSet vouchers;
    if (!store([&] {
            vouchers = m_state.db().executeBound(
                QStringLiteral("select j.JOURNALID, j.TRANSACTIONDATE, j.NARRATIVE from JOURNAL j where j.CARID = ? and "
                               "j.TRANSACTIONDATE >= ? and exists (select 1 from JOURNALDETAIL d where d.JOURNALID = "
                               "j.JOURNALID and d.ACCOUNTNUMBER = ? and d.DEBITORCREDIT = 1) order by j.TRANSACTIONDATE desc"),
                {m_car, StoredDate::number(m.found), qint64(LedgerAccounts::Maintenance)});
        }))
        return;
    qint64 voucher = 0;
    if (vouchers.isEmpty() ? !m_state.ui().question(this, asked) : !chooseVoucher(asked, vouchers, voucher))
        return;
    if (store([&] { CarDamage::markRepaired(m_state.db(), m.id, QDate::currentDate(), voucher); }))
        reload();
}

bool dlgCarDamage::chooseVoucher(const QString& asked, const RowSet& vouchers, qint64& voucher)
{
    QDialog choice(this);
    choice.setObjectName(QStringLiteral("dlgRepairedBy"));
    choice.setWindowTitle(tr("Repaired"));
    auto* by = new QComboBox(&choice);
    by->setObjectName(QStringLiteral("cboRepairedBy"));
    by->setAccessibleName(tr("Repaired by"));
    by->addItem(tr("No voucher: repaired as ticked"), 0);
    for (int i = 0; i < vouchers.count(); ++i)
        by->addItem(tr("Maintenance voucher %1 of %2: %3")
                        .arg(vouchers.text(i, QStringLiteral("JOURNALID")),
                             StoredDate::parse(vouchers.text(i, QStringLiteral("TRANSACTIONDATE"))).toString(QStringLiteral("dd/MM/yyyy")),
                             vouchers.text(i, QStringLiteral("NARRATIVE"))),
                    vouchers.value(i, QStringLiteral("JOURNALID")));
    by->setCurrentIndex(1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &choice);
    connect(buttons, &QDialogButtonBox::accepted, &choice, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &choice, &QDialog::reject);
    auto* layout = new QFormLayout(&choice);
    layout->addRow(new QLabel(asked, &choice));
    layout->addRow(tr("Repaired by:"), by);
    layout->addRow(buttons);
    by->setFocus();
    if (m_state.ui().exec(&choice) != QDialog::Accepted)
        return false;
    voucher = by->currentData().toLongLong();
    return true;
}

void dlgCarDamage::addPhoto()
{
    const int index = m_diagram->selected();
    Mark m = selectedMark();
    if (m.id <= 0)
        return;
    FileRequest request;
    request.title = tr("Choose a photo of the damage");
    request.filter = PictureSlot::fileFilter();
    const QString chosen = m_state.ui().chooseFile(this, request);
    if (chosen.isEmpty())
        return;
    QFile file(chosen);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    QBuffer buffer(&bytes);
    if (bytes.isEmpty() || !QImageReader(&buffer).canRead()) {
        m_state.ui().message(this, tr("The photo %1 cannot be read as a picture; nothing was stored.").arg(chosen));
        return;
    }
    if (!store([&] { CarDamage::addPhoto(m_state.db(), m.id, QFileInfo(chosen).fileName(), bytes); }))
        return;
    ++m.photos;
    m_diagram->setMark(index, m);
    fillRow(index);
    showPhotos();
}

void dlgCarDamage::removePhoto()
{
    const QListWidgetItem* item = m_photos->currentItem();
    const int index = m_diagram->selected();
    if (!item || index < 0)
        return;
    if (!m_state.ui().question(this, tr("Remove the photo %1 from the damage?").arg(item->text())))
        return;
    const qint64 id = item->data(Qt::UserRole).toLongLong();
    if (!store([&] { CarDamage::removePhoto(m_state.db(), id); }))
        return;
    Mark m = m_diagram->mark(index);
    --m.photos;
    m_diagram->setMark(index, m);
    fillRow(index);
    showPhotos();
}

void dlgCarDamage::removeMark(int index)
{
    const Mark m = m_diagram->mark(index);
    if (!m_state.ui().question(this, tr("Take back the %1 just marked on the %2, with its photos?")
                                         .arg(CarDamage::kindName(m.kind), CarDamage::zoneName(m.zone))))
        return;
    if (!store([&] { CarDamage::remove(m_state.db(), m.id); }))
        return;
    m_diagram->removeMark(index);
    m_marks->removeRow(index);
}
