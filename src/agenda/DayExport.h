#pragma once
// The day agenda written as comma-separated text ("Esporta impegni (visibili)").
#include "agenda/Appointment.h"

#include <QtCore/QByteArray>
#include <vector>

namespace vellamora::agenda {

inline const QString kDayExportCaption = QStringLiteral("Esporta il piano del giorno");
inline const QString kDayExportFilter = QStringLiteral("Testo delimitato dal separatore di elenco (*.csv)");

// "Programma di lunedì 5 maggio 2025.csv"
QString dayExportFileName(const QDate &shownDate, const Regional &regional);

// One field: a text holding a comma, a double quote or a line break is written between
// double quotes with its quotes doubled, so that a spreadsheet reads exactly four columns;
// any other text is written as it is.
QString csvField(const QString &text);

// The header "DALLE,ALLE,DESCRIZIONE,NOTE" and one line per row (start, end, description,
// note with its line breaks as spaces), every line ending in CR LF, UTF-8. Times are written
// as stored, blank times included.
QByteArray dayExportText(const std::vector<Appointment> &rows);

// Writes the text to `path`, replacing the file; false when it cannot be written.
bool writeDayExport(const QString &path, const std::vector<Appointment> &rows);

} // namespace vellamora::agenda
