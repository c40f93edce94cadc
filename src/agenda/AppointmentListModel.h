#pragma once
// A table model over one appointment list. Refreshing reads only the keys, in the list's
// order; the rows themselves are read a block at a time when a view first asks for them,
// so showing the first screen of a long list costs one screen of rows.
#include "agenda/AppointmentList.h"

#include <QtCore/QAbstractTableModel>
#include <QtCore/QHash>

namespace vellamora::agenda {

class AppointmentListModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    // The grid columns of a list: field name, title, initial width, hidden.
    struct Column
    {
        QString field;
        QString title;
        int width = 0;
        bool hidden = false;
        bool centred = false;
    };
    static const std::vector<Column> &columnsOf(AppointmentKind kind);

    enum Role { HasNoteRole = Qt::UserRole + 1, SuspendedRole, MarkerRole, KeyRole };

    AppointmentListModel(
        Database &db, AppointmentKind kind, const Regional &regional, QObject *parent = nullptr);

    AppointmentKind kind() const { return m_kind; }
    // The date picture of the "Data" column (DataShot for one-shot, DataYear for yearly).
    void setDatePicture(const QString &picture);
    const QString &datePicture() const { return m_datePicture; }
    // Re-reads the list for `filter` (its kind is this model's).
    void refresh(ListFilter filter);
    const ListFilter &filter() const { return m_filter; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The appointment of a row (read with its block when not yet read).
    const Appointment &appointment(int row) const;
    qint64 key(int row) const { return m_keys.at(size_t(row)); }
    int rowOfKey(qint64 key) const;
    // The text a cell shows.
    QString cellText(int row, int column) const;
    // The distinct texts a column shows over the whole list, read in one statement
    // without reading the rows (what column fitting measures).
    QStringList columnTexts(int column) const;
    // Rows read from the database since the last refresh (for tests of the lazy reading).
    int rowsRead() const { return m_rowsRead; }

    static constexpr int kBlock = 64;

private:
    QString textOf(const Appointment &a, int column) const;

    Database &m_db;
    AppointmentKind m_kind;
    const Regional &m_regional;
    QString m_datePicture;
    ListFilter m_filter;
    std::vector<qint64> m_keys;
    mutable QHash<int, std::vector<Appointment>> m_blocks;
    mutable int m_rowsRead = 0;
};

} // namespace vellamora::agenda
