#include "agenda/AppointmentListModel.h"

namespace vellamora::agenda {

const std::vector<AppointmentListModel::Column> &AppointmentListModel::columnsOf(AppointmentKind kind)
{
    static const std::vector<Column> shot
        = { { QStringLiteral("Datashot"), QStringLiteral("Data"), 150, false, false },
              { QStringLiteral("orario"), QStringLiteral("Dalle"), 42, false, true },
              { QStringLiteral("orario2"), QStringLiteral("Alle"), 42, false, true },
              { QStringLiteral("id"), QStringLiteral("Descrizione"), 203, false, false },
              { QStringLiteral("Presenza"), QStringLiteral("Note"), 42, false, true },
              { QStringLiteral("dayofweek"), QStringLiteral("E"), 64, true, false } };
    static const std::vector<Column> year
        = { { QStringLiteral("Datayear"), QStringLiteral("Data"), 126, false, false },
              { QStringLiteral("orario"), QStringLiteral("Dalle"), 42, false, true },
              { QStringLiteral("orario2"), QStringLiteral("Alle"), 42, false, true },
              { QStringLiteral("id"), QStringLiteral("Descrizione"), 277, false, false },
              { QStringLiteral("Presenza"), QStringLiteral("Note"), 42, false, true } };
    static const std::vector<Column> month
        = { { QStringLiteral("dayofmonth"), QStringLiteral("Giorno"), 50, false, false },
              { QStringLiteral("orario"), QStringLiteral("Dalle"), 42, false, true },
              { QStringLiteral("orario2"), QStringLiteral("Alle"), 42, false, true },
              { QStringLiteral("id"), QStringLiteral("Descrizione"), 353, false, false },
              { QStringLiteral("Presenza"), QStringLiteral("Note"), 42, false, true } };
    static const std::vector<Column> week
        = { { QStringLiteral("dayofweek"), QStringLiteral("Giorno"), 113, false, false },
              { QStringLiteral("orario"), QStringLiteral("Dalle"), 42, false, true },
              { QStringLiteral("orario2"), QStringLiteral("Alle"), 42, false, true },
              { QStringLiteral("id"), QStringLiteral("Descrizione"), 290, false, false },
              { QStringLiteral("Presenza"), QStringLiteral("Note"), 42, false, true } };
    return pickByKind(kind, shot, year, month, week);
}

AppointmentListModel::AppointmentListModel(
    Database &db, AppointmentKind kind, const Regional &regional, QObject *parent)
    : QAbstractTableModel(parent), m_db(db), m_kind(kind), m_regional(regional)
{
    m_datePicture
        = kind == AppointmentKind::Yearly ? QStringLiteral("d mmmm") : QStringLiteral("dddd d mmmm yyyy");
    m_filter.kind = kind;
}

void AppointmentListModel::setDatePicture(const QString &picture)
{
    m_datePicture = picture;
    if (rowCount() > 0)
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, 0));
}

void AppointmentListModel::refresh(ListFilter filter)
{
    filter.kind = m_kind;
    std::vector<qint64> keys = listKeys(m_db, filter);
    beginResetModel();
    m_filter = std::move(filter);
    m_keys = std::move(keys);
    m_blocks.clear();
    m_rowsRead = 0;
    endResetModel();
}

int AppointmentListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_keys.size());
}

int AppointmentListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(columnsOf(m_kind).size());
}

const Appointment &AppointmentListModel::appointment(int row) const
{
    const int block = row / kBlock;
    auto it = m_blocks.find(block);
    if (it == m_blocks.end()) {
        const size_t first = size_t(block) * kBlock;
        const size_t last = std::min(m_keys.size(), first + kBlock);
        std::vector<qint64> keys(m_keys.begin() + qsizetype(first), m_keys.begin() + qsizetype(last));
        it = m_blocks.insert(block, appointmentsByKey(m_db, keys));
        m_rowsRead += int(keys.size());
    }
    return it->at(size_t(row % kBlock));
}

int AppointmentListModel::rowOfKey(qint64 key) const
{
    const auto it = std::find(m_keys.begin(), m_keys.end(), key);
    return it == m_keys.end() ? -1 : int(it - m_keys.begin());
}

QString AppointmentListModel::cellText(int row, int column) const
{
    return textOf(appointment(row), column);
}

QStringList AppointmentListModel::columnTexts(int column) const
{
    const QString &field = columnsOf(m_kind).at(size_t(column)).field;
    const bool date = field == QLatin1String("Datashot") || field == QLatin1String("Datayear");
    QStringList texts;
    for (const Appointment &a : listColumnValues(m_db, m_filter, date ? QStringLiteral("datefull") : field))
        texts << textOf(a, column);
    texts.removeDuplicates();
    return texts;
}

QString AppointmentListModel::textOf(const Appointment &a, int column) const
{
    const QString &field = columnsOf(m_kind).at(size_t(column)).field;
    if (field == QLatin1String("Datashot"))
        return shotDateText(a, m_datePicture, m_regional);
    if (field == QLatin1String("Datayear"))
        return yearDateText(a, m_datePicture, m_regional);
    if (field == QLatin1String("orario"))
        return a.orario;
    if (field == QLatin1String("orario2"))
        return a.orario2;
    if (field == QLatin1String("id"))
        return a.id;
    if (field == QLatin1String("dayofmonth"))
        return a.dayofmonth;
    if (field == QLatin1String("dayofweek"))
        return a.dayofweek;
    return {}; // Presenza: drawn as a picture
}

QVariant AppointmentListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return cellText(index.row(), index.column());
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignVCenter
            | (columnsOf(m_kind).at(size_t(index.column())).centred ? Qt::AlignHCenter : Qt::AlignLeft));
    case HasNoteRole:
        return appointment(index.row()).hasNote();
    case SuspendedRole:
        return appointment(index.row()).isSuspended();
    case MarkerRole:
        return appointment(index.row()).dayofweek;
    case KeyRole:
        return key(index.row());
    default:
        return {};
    }
}

QVariant AppointmentListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < columnCount())
        return columnsOf(m_kind).at(size_t(section)).title;
    return QAbstractTableModel::headerData(section, orientation, role);
}

} // namespace vellamora::agenda
