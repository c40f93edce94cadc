#include "agenda/DayExport.h"

#include "app/DatePicture.h"

#include <QtCore/QSaveFile>

namespace vellamora::agenda {

QString dayExportFileName(const QDate &shownDate, const Regional &regional)
{
    return QStringLiteral("Programma di")
        + formatDatePicture(shownDate, QStringLiteral(" dddd d mmmm yyyy"), regional)
        + QStringLiteral(".csv");
}

QString csvField(const QString &text)
{
    static const QString special = QStringLiteral(",\"\r\n");
    if (std::none_of(text.begin(), text.end(), [](QChar c) { return special.contains(c); }))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QByteArray dayExportText(const std::vector<Appointment> &rows)
{
    const QString end = QStringLiteral("\r\n");
    QString text = QStringLiteral("DALLE,ALLE,DESCRIZIONE,NOTE") + end;
    for (const Appointment &a : rows) {
        QString note = a.note;
        note.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
        text += QStringList { csvField(a.orario), csvField(a.orario2), csvField(a.id), csvField(note) }.join(
                    QLatin1Char(','))
            + end;
    }
    return text.toUtf8();
}

bool writeDayExport(const QString &path, const std::vector<Appointment> &rows)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(dayExportText(rows));
    return file.commit();
}

} // namespace vellamora::agenda
