#include "planningmodel.h"
#include "core/planning.h"
#include <QMimeData>

PlanningModel::PlanningModel(QObject* parent) : QAbstractTableModel(parent) {}

void PlanningModel::reset(int aantalTafels, int aantalPartijen, const QStringList& captions)
{
    beginResetModel();
    m_tafels = qBound(0, aantalTafels, core::PlanningMaxTafels);
    m_partijen = qBound(0, aantalPartijen, core::PlanningMaxPartijen);
    m_captions = captions;
    const int n = 2 * m_tafels * m_partijen;
    while (m_captions.size() < n)
        m_captions << QString();
    while (m_captions.size() > n)
        m_captions.removeLast();
    endResetModel();
}

QString PlanningModel::caption(int element) const
{
    return element >= 1 && element <= m_captions.size() ? m_captions.at(element - 1) : QString();
}

void PlanningModel::setCaption(int element, const QString& text)
{
    if (element < 1 || element > m_captions.size())
        return;
    m_captions[element - 1] = text;
    const QModelIndex i = indexOf(element);
    emit dataChanged(i, i);
}

int PlanningModel::elementAt(const QModelIndex& index) const
{
    if (!index.isValid() || m_partijen == 0)
        return 0;
    return core::cellElement(index.column() / 2 + 1, index.row() + 1, index.column() % 2 + 1, m_partijen);
}

QModelIndex PlanningModel::indexOf(int element) const
{
    if (element < 1 || element > m_captions.size() || m_partijen == 0)
        return QModelIndex();
    const int c = (element + 1) / 2;   // running cell count
    const int t = (c - 1) / m_partijen + 1;
    const int s = (c - 1) % m_partijen + 1;
    const int kant = element % 2 == 1 ? 1 : 2;
    return index(s - 1, 2 * (t - 1) + kant - 1);
}

void PlanningModel::clearAll()
{
    for (QString& c : m_captions)
        c.clear();
    if (!m_captions.isEmpty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

int PlanningModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : m_partijen; }
int PlanningModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 2 * m_tafels; }

QVariant PlanningModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return QVariant();
    if (role == Qt::DisplayRole)
        return caption(elementAt(index));
    if (role == Qt::ToolTipRole)
        return QStringLiteral("Dubbelclick om leeg te maken");
    return QVariant();
}

Qt::ItemFlags PlanningModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsDropEnabled;
}

QStringList PlanningModel::mimeTypes() const { return {QStringLiteral("text/plain")}; }

Qt::DropActions PlanningModel::supportedDropActions() const { return Qt::CopyAction | Qt::MoveAction; }

namespace {
// The cell a drop lands on: the item itself, or the row and column a view gives.
QModelIndex dropCell(const PlanningModel& m, int row, int column, const QModelIndex& parent)
{
    if (parent.isValid())
        return parent;
    return row >= 0 && column >= 0 ? m.index(row, column) : QModelIndex();
}
} // namespace

bool PlanningModel::canDropMimeData(const QMimeData* data, Qt::DropAction, int row, int column,
                                    const QModelIndex& parent) const
{
    return data && data->hasText() && dropCell(*this, row, column, parent).isValid();
}

bool PlanningModel::dropMimeData(const QMimeData* data, Qt::DropAction, int row, int column, const QModelIndex& parent)
{
    // Only plain text on a cell counts; other data is ignored.
    const QModelIndex cell = dropCell(*this, row, column, parent);
    if (!data || !data->hasText() || !cell.isValid())
        return false;
    setCaption(elementAt(cell), data->text().left(core::PlanningCellWidth));
    return true;
}
