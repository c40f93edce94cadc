#pragma once
// The grid model of the day agenda: the rows of one date as the day agenda refresh read
// them (a day holds few rows, so they are kept whole).
#include "agenda/Appointment.h"

#include <QtCore/QAbstractTableModel>
#include <vector>

namespace vellamora::agenda {

class DayAgendaModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    // Columns: orario "Dalle", orario2 "Alle", id "Descrizione", Presenza "Note", and the
    // hidden dayofweek, flag, fatto.
    enum Column { From, To, Description, Note, Marker, Flag, Done, ColumnCount };
    struct ColumnInfo
    {
        const char *field;
        const char *title;
        int width;
        bool hidden;
    };
    static const ColumnInfo &column(int c);

    // The grid roles (see AppointmentGridDelegate).
    enum Role {
        HasNoteRole = Qt::UserRole + 1,
        SuspendedRole,
        MarkerRole,
        KeyRole,
        KindRole,
        DoneRole,
    };

    explicit DayAgendaModel(QObject *parent = nullptr);

    void setRows(std::vector<Appointment> rows);
    const std::vector<Appointment> &rows() const { return m_rows; }
    const Appointment &appointment(int row) const { return m_rows.at(size_t(row)); }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    std::vector<Appointment> m_rows;
};

} // namespace vellamora::agenda
