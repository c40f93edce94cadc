#include "agenda/AgendaCommand.h"

#include "agenda/AgendaQuery.h"
#include "app/DatePicture.h"
#include "app/WorkingFolder.h"
#include "store/Database.h"
#include "store/OpenDatabase.h"

#include <QtCore/QCommandLineParser>
#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QRegularExpression>

namespace vellamora::agenda {

namespace {

constexpr int kMaxDays = 366;
// A month of agendas over a large table reads each page once.
constexpr int kCacheKiB = 64 * 1024;

const QString kHelp = QStringLiteral(
    "Uso: vellamora-agenda [--folder CARTELLA] [--date AAAA-MM-GG] [--days N] [--tsv] [--help]\n"
    "Stampa gli impegni del giorno (sospesi esclusi) letti dall'archivio di Vellamora.\n"
    "\n"
    "  --folder CARTELLA  cartella di lavoro da leggere (predefinita: quella del programma,\n"
    "                     o quella indicata da Net.txt)\n"
    "  --date AAAA-MM-GG  primo giorno (predefinito: oggi)\n"
    "  --days N           numero di giorni, da 1 a 366 (predefinito: 1)\n"
    "  --tsv              una riga per impegno, campi separati da tabulazioni:\n"
    "                     data, codimp, flag, orario, orario2, id\n"
    "  --help             mostra questo aiuto\n");

CommandOutput failure(const QString &sentence)
{
    return { 2, {}, sentence + QLatin1Char('\n') };
}

// A field of the tab-separated output stays on its line and in its column.
QString tsvField(const QString &text)
{
    QString out = text;
    for (QChar &c : out) {
        if (c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r'))
            c = QLatin1Char(' ');
    }
    return out;
}

QString plainTime(const QString &time)
{
    return isBlankTime(time) ? QString(5, QLatin1Char(' ')) : time.leftJustified(5);
}

QString plainLine(const Appointment &a)
{
    QString line = QStringLiteral("  ") + plainTime(a.orario);
    line
        += isBlankTime(a.orario2) ? QStringLiteral("        ") : QStringLiteral(" - ") + plainTime(a.orario2);
    QString description = a.id;
    description.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return line + QStringLiteral("  ") + description;
}

} // namespace

QString commandDefaultFolder(const QString &programFolder, const QString &logonName)
{
    const QString folder = computeDefaultWorkingFolder(programFolder, logonName).path;
    QFile net(redirectionFile(folder));
    if (!net.open(QIODevice::ReadOnly | QIODevice::Text))
        return folder;
    const QString line = QString::fromUtf8(net.readLine()).trimmed();
    if (line.isEmpty() || !QFileInfo(line).isDir())
        return folder;
    return line.endsWith(QLatin1Char('/')) ? line : line + QLatin1Char('/');
}

CommandOutput runAgendaCommand(const QStringList &arguments, const QString &programFolder,
    const QString &logonName, const QDate &today, const Regional &regional)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption folderOption(QStringLiteral("folder"), QString(), QStringLiteral("folder"));
    const QCommandLineOption dateOption(QStringLiteral("date"), QString(), QStringLiteral("date"));
    const QCommandLineOption daysOption(QStringLiteral("days"), QString(), QStringLiteral("days"));
    const QCommandLineOption tsvOption(QStringLiteral("tsv"));
    const QCommandLineOption helpOption(QStringLiteral("help"));
    parser.addOptions({ folderOption, dateOption, daysOption, tsvOption, helpOption });

    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty())
            return failure(QStringLiteral("Argomento non valido: l'opzione \"") + unknown.first()
                + QStringLiteral("\" non esiste (vedi --help)."));
        return failure(QStringLiteral("Argomento non valido: manca il valore di un'opzione (vedi --help)."));
    }
    if (parser.isSet(helpOption))
        return { 0, kHelp, {} };
    if (!parser.positionalArguments().isEmpty())
        return failure(QStringLiteral("Argomento non valido: \"") + parser.positionalArguments().first()
            + QStringLiteral("\" (vedi --help)."));
    for (const QCommandLineOption *option : { &folderOption, &dateOption, &daysOption }) {
        if (parser.values(*option).size() > 1)
            return failure(QStringLiteral("Argomento non valido: --") + option->names().first()
                + QStringLiteral(" indicato più volte."));
    }

    QDate first = today;
    if (parser.isSet(dateOption)) {
        static const QRegularExpression iso(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
        const QString text = parser.value(dateOption);
        first = iso.match(text).hasMatch() ? QDate::fromString(text, Qt::ISODate) : QDate();
        if (!first.isValid())
            return failure(QStringLiteral("Argomento non valido: la data \"") + text
                + QStringLiteral("\" non è una data AAAA-MM-GG."));
    }
    int days = 1;
    if (parser.isSet(daysOption)) {
        bool ok = false;
        days = parser.value(daysOption).toInt(&ok);
        if (!ok || days < 1 || days > kMaxDays)
            return failure(QStringLiteral("Argomento non valido: il numero di giorni \"")
                + parser.value(daysOption) + QStringLiteral("\" deve essere tra 1 e 366."));
    }
    const bool tsv = parser.isSet(tsvOption);
    if (first.addDays(days - 1).year() > 9999)
        return failure(QStringLiteral("Argomento non valido: i giorni richiesti vanno oltre l'anno 9999."));

    QString folder = parser.isSet(folderOption) ? parser.value(folderOption)
                                                : commandDefaultFolder(programFolder, logonName);
    if (parser.isSet(folderOption) && !QFileInfo(folder).isDir())
        return failure(
            QStringLiteral("La cartella di lavoro \"") + folder + QStringLiteral("\" non esiste."));
    const QString file = databaseFile(folder);
    if (!QFileInfo(file).isFile())
        return failure(QStringLiteral("Nessun archivio di Vellamora nella cartella \"")
            + QDir::cleanPath(folder) + QStringLiteral("\"."));

    CommandOutput result;
    try {
        Database db;
        db.open(file, Database::Access::ReadOnly);
        db.setCacheSize(kCacheKiB);
        if (!db.tableExists(QStringLiteral("VNarc66")))
            return failure(QStringLiteral("Il file \"") + file
                + QStringLiteral("\" non è un archivio di Vellamora: manca la tabella degli impegni."));
        for (int i = 0; i < days; ++i) {
            const QDate date = first.addDays(i);
            const std::vector<Appointment> rows = readAgenda(db, Variant::DayAgenda, date, regional);
            if (tsv) {
                const QString day = date.toString(Qt::ISODate);
                for (const Appointment &a : rows) {
                    result.out += day + QLatin1Char('\t') + QString::number(a.codimp) + QLatin1Char('\t')
                        + tsvField(a.flag) + QLatin1Char('\t') + tsvField(a.orario) + QLatin1Char('\t')
                        + tsvField(a.orario2) + QLatin1Char('\t') + tsvField(a.id) + QLatin1Char('\n');
                }
                continue;
            }
            if (i > 0)
                result.out += QLatin1Char('\n');
            result.out
                += formatDatePicture(date, QStringLiteral("dddd d mmmm yyyy"), regional) + QLatin1Char('\n');
            if (rows.empty())
                result.out += QStringLiteral("  (nessun impegno)\n");
            for (const Appointment &a : rows)
                result.out += plainLine(a) + QLatin1Char('\n');
        }
    } catch (const StoreError &e) {
        return failure(QStringLiteral("Il file \"") + file
            + QStringLiteral("\" non è un archivio leggibile: ") + e.text().trimmed() + QLatin1Char('.'));
    }
    return result;
}

} // namespace vellamora::agenda
