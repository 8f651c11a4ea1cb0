#pragma once

#include "rental/CarDamage.h"

#include <QDialog>
#include <functional>

class DamageDiagram;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTableWidget;
class RowSet;
class RunState;

// A car's standing damage: its diagram with the marks not yet repaired, the
// list of them, and the selected mark's kind, size, note and photos. Every
// change is stored at once: the marks belong to the car, not to its record.
class dlgCarDamage : public QDialog {
    Q_OBJECT
public:
    dlgCarDamage(RunState& state, qint64 carId, const QString& carName, QWidget* parent);

    DamageDiagram* diagram() const { return m_diagram; }
    // Marks made from here on were found on contract `rentId`, on `date`.
    void foundOn(qint64 rentId, const QDate& date, bool atReturn);

    // The operator's commands, also reached by their buttons.
    void saveMark();
    void markRepaired();
    void addPhoto();
    void removePhoto();
    // Takes back a mark made in this dialog, by mistake.
    void removeMark(int index);

private:
    void reload();
    void fillRow(int row);
    void select(int index);
    void showPhotos();
    // Runs database work; a failure is reported and false given.
    bool store(const std::function<void()>& work);
    void stored(int index);
    CarDamage::Mark selectedMark() const;
    // Which of `vouchers` repaired it, or none; false when the clerk cancels.
    bool chooseVoucher(const QString& asked, const RowSet& vouchers, qint64& voucher);

    RunState& m_state;
    qint64 m_car;
    qint64 m_rent = 0;
    QDate m_found;
    bool m_atReturn = false;
    DamageDiagram* m_diagram;
    QTableWidget* m_marks;
    QComboBox* m_kind;
    QSpinBox* m_size;
    QLineEdit* m_note;
    QListWidget* m_photos;
    QPushButton* m_save;
    QPushButton* m_repaired;
    QPushButton* m_addPhoto;
    QPushButton* m_removePhoto;
};
