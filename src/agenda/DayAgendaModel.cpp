#include "agenda/DayAgendaModel.h"

namespace vellamora::agenda {

const DayAgendaModel::ColumnInfo &DayAgendaModel::column(int c)
{
    static const ColumnInfo columns[ColumnCount] = {
        { "orario", "Dalle", 42, false },
        { "orario2", "Alle", 42, false },
        { "id", "Descrizione", 368, false },
        { "Presenza", "Note", 42, false },
        { "dayofweek", "dayofweek", 40, true },
        { "flag", "flag", 40, true },
        { "fatto", "fatto", 80, true },
    };
    return columns[std::clamp(c, 0, ColumnCount - 1)];
}

DayAgendaModel::DayAgendaModel(QObject *parent) : QAbstractTableModel(parent) { }

void DayAgendaModel::setRows(std::vector<Appointment> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

int DayAgendaModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int DayAgendaModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant DayAgendaModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const Appointment &a = appointment(index.row());
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case From:
            return a.orario;
        case To:
            return a.orario2;
        case Description:
            return a.id;
        case Marker:
            return a.dayofweek;
        case Flag:
            return a.flag;
        case Done:
            return a.fatto;
        default:
            return {}; // Note: drawn as a picture
        }
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(
            Qt::AlignVCenter | (index.column() == Description ? Qt::AlignLeft : Qt::AlignHCenter));
    case HasNoteRole:
        return a.hasNote();
    case SuspendedRole:
        return a.isSuspended();
    case MarkerRole:
        return a.dayofweek;
    case KeyRole:
        return a.codimp;
    case KindRole:
        return a.kind() ? QVariant(int(*a.kind())) : QVariant();
    case DoneRole:
        return a.fatto;
    default:
        return {};
    }
}

QVariant DayAgendaModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < ColumnCount)
        return QString::fromUtf8(column(section).title);
    return QAbstractTableModel::headerData(section, orientation, role);
}

} // namespace vellamora::agenda
