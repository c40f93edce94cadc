#include "store/Schema.h"
#include "store/Database.h"
#include "store/Transaction.h"

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QRegularExpression>

namespace vellamora::schema {

namespace {

std::vector<ColumnDef> cols(std::initializer_list<std::pair<const char *, const char *>> list)
{
    std::vector<ColumnDef> out;
    for (const auto &[n, t] : list)
        out.push_back({QString::fromLatin1(n), QString::fromLatin1(t)});
    return out;
}

std::vector<ColumnDef> appointmentColumns()
{
    return cols({{"codimp", "AUTOINC"}, {"id", "CHAR(255)"}, {"note", "MEMO"},
                 {"dayofweek", "CHAR(15)"}, {"dayindex", "FLOAT"}, {"dayofmonth", "CHAR(2)"},
                 {"datefull", "DATE"}, {"data", "CHAR(5)"}, {"orario", "CHAR(5)"},
                 {"orario2", "CHAR(5)"}, {"flag", "CHAR(1)"}, {"ricerca", "CHAR(50)"},
                 {"allegato", "CHAR(255)"}, {"fatto", "DATE"}, {"flagfatto", "CHAR(1)"},
                 {"anticipa", "CHAR(1)"}, {"sospeso", "CHAR(1)"}, {"flagscad", "CHAR(1)"},
                 {"scadenza", "DATE"}});
}

QString folderFile(const QString &folder, const QString &name)
{
    return QDir(folder).filePath(name);
}

// One upgrade: a settings column tested, the columns it adds and the UPDATE that fills them.
struct Upgrade
{
    const char *tested;
    std::vector<std::pair<QString, QString>> added;
    const char *fill;
};

const std::vector<Upgrade> &settingsUpgrades()
{
    static const std::vector<Upgrade> list = [] {
        auto logical = [](const char *n) { return std::pair{QString::fromLatin1(n), QStringLiteral("INTEGER")}; };
        std::vector<Upgrade> u;
        u.push_back({"scala_index", {{QStringLiteral("scala_index"), QStringLiteral("INTEGER")}},
                     "UPDATE VNset63 SET scala_index = 0"});
        u.push_back({"ampm", {logical("ampm")}, "UPDATE VNset63 SET ampm = 0"});
        u.push_back({"theme_name", {{QStringLiteral("theme_name"), QStringLiteral("CHAR(50)")}},
                     "UPDATE VNset63 SET theme_name = 'default'"});
        u.push_back({"TabShotVisible",
                     {logical("TabShotVisible"), logical("TabYearVisible"), logical("TabMonthVisible"),
                      logical("TabWeekVisible"), logical("TabTodayVisible"),
                      logical("TabContactsVisible"), logical("TabNotesVisible"),
                      logical("TabToDoVisible")},
                     "UPDATE VNset63 SET TabShotVisible = 1, TabYearVisible = 1, TabMonthVisible = 1, "
                     "TabWeekVisible = 1, TabTodayVisible = 1, TabContactsVisible = 1, "
                     "TabNotesVisible = 1, TabToDoVisible = 1"});
        u.push_back({"centralino", {logical("centralino")}, "UPDATE VNset63 SET centralino = 0"});
        u.push_back({"charset", {{QStringLiteral("charset"), QStringLiteral("INTEGER")}},
                     "UPDATE VNset63 SET charset = 0"});
        u.push_back({"gridmode", {logical("gridmode")}, "UPDATE VNset63 SET gridmode = 0"});
        u.push_back({"hidetips", {logical("hidetips")}, "UPDATE VNset63 SET hidetips = 0"});
        return u;
    }();
    return list;
}

bool hasColumn(const QStringList &columns, const QString &name)
{
    return columns.contains(name, Qt::CaseInsensitive);
}

// The settings row is re-read between the upgrade steps; what matters here is its columns.
QStringList reloadSettings(Database &db)
{
    return db.columns(QStringLiteral("VNset63"));
}

void writeGroups(Database &db, QChar section)
{
    for (const QString &group : defaultGroups(section))
        db.insert(QStringLiteral("VNcat80"),
                  {{QStringLiteral("id"), group}, {QStringLiteral("sezione"), QString(section)}});
}

void insertDefaultSettings(Database &db)
{
    const auto s = [](const char *v) { return QVariant(QString::fromUtf8(v)); };
    db.insert(QStringLiteral("VNset63"),
              {{QStringLiteral("autostart"), s("N")},
               {QStringLiteral("minimized"), s("N")},
               {QStringLiteral("soundon"), s("Y")},
               {QStringLiteral("wavesound"), s("mailbeep")},
               {QStringLiteral("breakline"), s("Y")},
               {QStringLiteral("formatbar"), s("N")},
               {QStringLiteral("fontname"), s("Fixedsys")},
               {QStringLiteral("fontcolor"), s("clBlack")},
               {QStringLiteral("fontsize"), 8},
               {QStringLiteral("backcolor"), s("clWhite")},
               {QStringLiteral("timecheck"), s("Y")},
               {QStringLiteral("ShotColor"), s("$00A6A6D2")},
               {QStringLiteral("YearColor"), s("$00A7E3F5")},
               {QStringLiteral("MonthColor"), s("$0058A554")},
               {QStringLiteral("WeekColor"), s("$00BC8F07")},
               {QStringLiteral("TodayColor"), s("$00CE9D9D")},
               {QStringLiteral("ContactColor"), s("$009A9A4E")},
               {QStringLiteral("NotesColor"), s("$00AEAEAE")},
               {QStringLiteral("TodoColor"), s("$00BADCF8")},
               {QStringLiteral("UserColor"), s("$0053A9FF")},
               {QStringLiteral("DataShot"), s("dddd d mmmm yyyy")},
               {QStringLiteral("DataYear"), s("d mmmm")},
               {QStringLiteral("DataShotIndex"), 3},
               {QStringLiteral("DataYearIndex"), 0},
               {QStringLiteral("WinWidth"), 670},
               {QStringLiteral("WinHeight"), 592},
               {QStringLiteral("WinStato"), s("wsNormal")},
               {QStringLiteral("psw"), QString()},
               {QStringLiteral("blocco"), s("Y")},
               {QStringLiteral("showcale"), s("Y")},
               {QStringLiteral("startab"), s("4")}});
}

bool oldFormatInstallation(const Context &context)
{
    for (const char *file : {"VNarc66.DB", "VNcon63.DB", "VNtod63.DB", "VNset63.DB"}) {
        if (!QFileInfo::exists(folderFile(context.workingFolder, QString::fromLatin1(file))))
            return false;
    }
    return QFileInfo(folderFile(context.programFolder, QStringLiteral("BDE"))).isDir();
}

void addGroupColumn(Database &db, const QString &table, QChar section)
{
    if (hasColumn(db.columns(table), QStringLiteral("gruppo")))
        return;
    db.addColumns(table, {{QStringLiteral("gruppo"), QStringLiteral("CHAR(50)")}});
    writeGroups(db, section);
}

} // namespace

const std::vector<TableDef> &tables()
{
    static const std::vector<TableDef> list = {
        {QStringLiteral("VNcat80"),
         cols({{"codcat", "AUTOINC"}, {"id", "CHAR(255)"}, {"sezione", "CHAR(1)"}}),
         QStringLiteral("-> Archivio GRUPPI <<creato ex-novo>>")},
        {QStringLiteral("VNnot80"), cols({{"codnot", "AUTOINC"}, {"id", "CHAR(255)"}, {"note", "MEMO"}}),
         QStringLiteral("-> Archivio NOTE <<creato ex-novo>>")},
        {QStringLiteral("VNtod63"),
         cols({{"codtod", "AUTOINC"}, {"id", "CHAR(255)"}, {"note", "MEMO"}, {"priority", "FLOAT"},
               {"flag", "CHAR(3)"}, {"percento", "FLOAT"}, {"allegato", "CHAR(255)"},
               {"ricerca", "CHAR(50)"}}),
         QStringLiteral("-> Archivio LISTA <<creato ex-novo>>")},
        {QStringLiteral("VNarc66"), appointmentColumns(), QStringLiteral("-> Archivio IMPEGNI <<creato ex-novo>>")},
        {QStringLiteral("VNshot80"), appointmentColumns(), QStringLiteral("-> Archivio DEPOSITO <<creato ex-novo>>")},
        {QStringLiteral("VNcon63"),
         cols({{"codcon", "AUTOINC"}, {"ragsoc", "CHAR(50)"}, {"indirizzo", "MEMO"}, {"tel", "CHAR(255)"},
               {"email", "CHAR(255)"}, {"note", "MEMO"}, {"fax", "CHAR(255)"}, {"gruppo", "CHAR(50)"},
               {"site", "CHAR(255)"}, {"company", "CHAR(50)"}, {"mobile", "CHAR(255)"},
               {"allegato", "CHAR(255)"}, {"allegato2", "CHAR(255)"}, {"allegato3", "CHAR(255)"},
               {"foto", "CHAR(255)"}, {"skype", "CHAR(255)"}}),
         QStringLiteral("-> Archivio CONTATTI <<creato ex-novo>>")},
        {QStringLiteral("VNset63"),
         cols({{"autostart", "CHAR(1)"}, {"minimized", "CHAR(1)"}, {"soundon", "CHAR(1)"},
               {"wavesound", "CHAR(255)"}, {"breakline", "CHAR(1)"}, {"formatbar", "CHAR(1)"},
               {"fontname", "CHAR(100)"}, {"fontcolor", "CHAR(30)"}, {"fontsize", "INTEGER"},
               {"backcolor", "CHAR(30)"}, {"timecheck", "CHAR(1)"}, {"shotcolor", "CHAR(30)"},
               {"yearcolor", "CHAR(30)"}, {"monthcolor", "CHAR(30)"}, {"weekcolor", "CHAR(30)"},
               {"todaycolor", "CHAR(30)"}, {"contactcolor", "CHAR(30)"}, {"notescolor", "CHAR(30)"},
               {"todocolor", "CHAR(30)"}, {"usercolor", "CHAR(30)"}, {"DataShot", "CHAR(30)"},
               {"DataYear", "CHAR(30)"}, {"DataShotIndex", "INTEGER"}, {"DataYearIndex", "INTEGER"},
               {"WinWidth", "INTEGER"}, {"WinHeight", "INTEGER"}, {"WinStato", "CHAR(20)"},
               {"psw", "CHAR(30)"}, {"blocco", "CHAR(1)"}, {"showcale", "CHAR(1)"},
               {"startab", "CHAR(1)"}}),
         QStringLiteral("-> Archivio OPZIONI <<creato ex-novo>>")},
    };
    return list;
}

const TableDef &table(const QString &name)
{
    for (const TableDef &t : tables()) {
        if (t.name.compare(name, Qt::CaseInsensitive) == 0)
            return t;
    }
    throw StoreError(QStringLiteral("no such table: ") + name);
}

QString sqliteType(const QString &documentedType)
{
    const QString t = documentedType.trimmed().toUpper();
    if (t == QLatin1String("AUTOINC"))
        return QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT");
    if (t.startsWith(QLatin1String("CHAR")))
        return t;
    if (t == QLatin1String("MEMO") || t == QLatin1String("DATE"))
        return QStringLiteral("TEXT"); // never NUMERIC affinity: "0012" stays "0012"
    if (t == QLatin1String("FLOAT"))
        return QStringLiteral("REAL");
    if (t == QLatin1String("INTEGER") || t == QLatin1String("LOGICAL"))
        return QStringLiteral("INTEGER");
    throw StoreError(QStringLiteral("unknown column type: ") + documentedType);
}

QString createTableSql(const TableDef &table)
{
    const int pad = table.name == QLatin1String("VNset63") ? 15 : 12;
    QStringList lines{QStringLiteral("CREATE TABLE ") + table.name, QStringLiteral("(")};
    for (size_t i = 0; i < table.columns.size(); ++i) {
        const ColumnDef &c = table.columns[i];
        lines << c.name.leftJustified(pad) + sqliteType(c.type)
                     + (i + 1 < table.columns.size() ? QStringLiteral(",") : QString());
    }
    lines << QStringLiteral(")");
    return lines.join(QLatin1Char('\n'));
}

const QStringList &defaultGroups(QChar section)
{
    static const QStringList contacts = {
        QString(), QStringLiteral("Amante"), QStringLiteral("Amico"), QStringLiteral("Cavia"),
        QStringLiteral("Cliente"), QStringLiteral("Compagno"), QStringLiteral("Femmina"),
        QStringLiteral("Fornitore"), QStringLiteral("Insegnante"), QStringLiteral("Lavoro"),
        QStringLiteral("Maschio"), QStringLiteral("Nessuno"), QStringLiteral("Parente"),
        QStringLiteral("Scuola"), QStringLiteral("Società"), QStringLiteral("Sport")};
    static const QStringList notes = {
        QString(), QStringLiteral("Appunti"), QStringLiteral("Casa"), QStringLiteral("Idee"),
        QStringLiteral("Importanti"), QStringLiteral("Lavoro"), QStringLiteral("Personali"),
        QStringLiteral("Preferite"), QStringLiteral("Progetti"), QStringLiteral("Racconti"),
        QStringLiteral("Ricette"), QStringLiteral("Salute"), QStringLiteral("Shopping"),
        QStringLiteral("Sogni"), QStringLiteral("Sport"), QStringLiteral("Studio")};
    static const QStringList todo = {QString(), QStringLiteral("Cocktails"), QStringLiteral("Gita"),
                                     QStringLiteral("Nera"), QStringLiteral("Nozze"),
                                     QStringLiteral("Regali"), QStringLiteral("Shopping"),
                                     QStringLiteral("Spesa")};
    if (section == QLatin1Char('N'))
        return notes;
    if (section == QLatin1Char('L'))
        return todo;
    return contacts;
}

QString ensureSchema(Database &db, const Context &context)
{
    QString creationLog;
    // One transaction: a new database costs one write to disk instead of one per
    // statement, and an error leaves the file as it was. It writes nothing when
    // nothing is missing.
    Transaction transaction(db);
    const QString dropSet = folderFile(context.workingFolder, QStringLiteral("DROPSET"));
    const bool resetSettings = QFileInfo::exists(dropSet) && db.tableExists(QStringLiteral("VNset63"));
    if (resetSettings)
        db.exec(QStringLiteral("DROP TABLE VNset63"));

    for (const TableDef &t : tables()) {
        if (db.tableExists(t.name))
            continue;
        db.exec(createTableSql(t));
        creationLog += t.creationLogLine + QLatin1Char('\r');
        if (t.name == QLatin1String("VNcat80"))
            writeGroups(db, QLatin1Char('C'));
        else if (t.name == QLatin1String("VNset63"))
            insertDefaultSettings(db);
    }

    QStringList settings = reloadSettings(db);
    if (!hasColumn(settings, QStringLiteral("futuro_flag"))) {
        // Contacts in the pseudo-group "Nessuno" get no group.
        db.exec(QStringLiteral("UPDATE VNcon63 SET gruppo = :gruppo WHERE UPPER(gruppo) = 'NESSUNO'"),
                {{QStringLiteral("gruppo"), QString()}});
        db.addColumns(QStringLiteral("VNset63"), {{QStringLiteral("futuro_flag"), QStringLiteral("INTEGER")}});
        db.exec(QStringLiteral("UPDATE VNset63 SET futuro_flag = 0"));
    }
    if (!hasColumn(settings, QStringLiteral("futuro_days"))) {
        db.addColumns(QStringLiteral("VNset63"), {{QStringLiteral("futuro_days"), QStringLiteral("INTEGER")}});
        db.exec(QStringLiteral("UPDATE VNset63 SET futuro_days = 5"));
    }
    for (const Upgrade &u : settingsUpgrades()) {
        settings = reloadSettings(db);
        if (hasColumn(settings, QString::fromLatin1(u.tested)))
            continue;
        db.addColumns(QStringLiteral("VNset63"), u.added);
        db.exec(QString::fromLatin1(u.fill));
    }

    settings = reloadSettings(db);
    if (!hasColumn(settings, QStringLiteral("migrationinfo"))) {
        db.addColumns(QStringLiteral("VNset63"), {{QStringLiteral("migrationinfo"), QStringLiteral("INTEGER")}});
        const bool show = oldFormatInstallation(context) && context.restoreMarker;
        db.exec(show ? QStringLiteral("UPDATE VNset63 SET migrationinfo = 1")
                     : QStringLiteral("UPDATE VNset63 SET migrationinfo = 0"));
    }
    settings = reloadSettings(db);
    if (!hasColumn(settings, QStringLiteral("solalettura"))) {
        db.addColumns(QStringLiteral("VNset63"), {{QStringLiteral("solalettura"), QStringLiteral("INTEGER")}});
        db.exec(QStringLiteral("UPDATE VNset63 SET solalettura = 0"));
    }

    addGroupColumn(db, QStringLiteral("VNnot80"), QLatin1Char('N'));
    addGroupColumn(db, QStringLiteral("VNtod63"), QLatin1Char('L'));

    for (const char *column : {"mem_group_contact", "mem_group_note", "mem_group_list"}) {
        settings = reloadSettings(db);
        if (!hasColumn(settings, QString::fromLatin1(column)))
            db.addColumns(QStringLiteral("VNset63"), {{QString::fromLatin1(column), QStringLiteral("CHAR(50)")}});
    }
    ensureIndexes(db);
    transaction.commit();
    if (resetSettings)
        QFile::remove(dropSet);
    return creationLog;
}

const std::vector<IndexDef> &agendaIndexes()
{
    // One small partial index per branch of the day agenda, so that each branch reads only
    // its own kind's candidates for the date. The kind letters and markers are literals,
    // the same as in the agenda's text, so that the planner can match them. Each index also
    // carries the other columns its branch tests (advance-notice mark first, then expiry,
    // parity, done date): candidates that fail are dropped inside the index, without
    // reading their rows.
    static const std::vector<IndexDef> list = {
        {QStringLiteral("VNarc66_once_date"),
         QStringLiteral("CREATE INDEX VNarc66_once_date ON VNarc66 (datefull, anticipa, fatto) WHERE flag = 'O'")},
        {QStringLiteral("VNarc66_span_end"),
         QStringLiteral("CREATE INDEX VNarc66_span_end ON VNarc66 (scadenza, datefull, anticipa, fatto) "
                        "WHERE flag = 'O' AND flagscad = 'Y'")},
        {QStringLiteral("VNarc66_month_day"),
         QStringLiteral("CREATE INDEX VNarc66_month_day ON VNarc66 (dayofmonth, anticipa, datefull, dayofweek, "
                        "flagscad, scadenza, fatto) WHERE flag = 'M'")},
        {QStringLiteral("VNarc66_week_day"),
         QStringLiteral("CREATE INDEX VNarc66_week_day ON VNarc66 (dayofweek, anticipa, datefull, dayofmonth, "
                        "flagscad, scadenza, fatto) WHERE flag = 'W'")},
        {QStringLiteral("VNarc66_year_day"),
         QStringLiteral("CREATE INDEX VNarc66_year_day ON VNarc66 (data, anticipa, datefull, dayofweek, dayofmonth, "
                        "flagscad, scadenza, fatto) WHERE flag = 'Y'")},
        {QStringLiteral("VNarc66_nag_date"),
         QStringLiteral("CREATE INDEX VNarc66_nag_date ON VNarc66 (datefull, fatto) WHERE dayofweek = 'T'")},
        {QStringLiteral("VNarc66_autodelete_date"),
         QStringLiteral("CREATE INDEX VNarc66_autodelete_date ON VNarc66 (datefull) "
                        "WHERE flag = 'O' AND dayofweek = 'X'")},
        // The list pages: each kind's rows in its page's order, carrying the description,
        // so that a search keystroke walks one small index and sorts nothing.
        {QStringLiteral("VNarc66_list_once"),
         QStringLiteral("CREATE INDEX VNarc66_list_once ON VNarc66 (datefull, orario, orario2, id) WHERE flag = 'O'")},
        {QStringLiteral("VNarc66_list_year"),
         QStringLiteral("CREATE INDEX VNarc66_list_year ON VNarc66 (data, orario, orario2, id) WHERE flag = 'Y'")},
        {QStringLiteral("VNarc66_list_month"),
         QStringLiteral("CREATE INDEX VNarc66_list_month ON VNarc66 (dayofmonth, orario, orario2, id) "
                        "WHERE flag = 'M'")},
        {QStringLiteral("VNarc66_list_week"),
         QStringLiteral("CREATE INDEX VNarc66_list_week ON VNarc66 (dayindex, dayofweek, orario, orario2, id) "
                        "WHERE flag = 'W'")},
    };
    return list;
}

void ensureIndexes(Database &db)
{
    // Only reads when every index is there already.
    QStringList present;
    QSqlQuery q = db.select(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'index'"));
    while (q.next())
        present << q.value(0).toString();
    for (const IndexDef &index : agendaIndexes()) {
        if (!present.contains(index.name, Qt::CaseInsensitive))
            db.exec(index.createSql);
    }
}

} // namespace vellamora::schema
