#include "reports/ReportPictures.h"

void ReportPictures::add(const QString& column, Drawing drawing)
{
    m_drawings.insert(column.toUpper(), std::move(drawing));
}

const ReportPictures::Drawing* ReportPictures::find(const QString& column) const
{
    const auto found = m_drawings.constFind(column.toUpper());
    return found == m_drawings.cend() ? nullptr : &*found;
}
