#include "app/SettingsStore.h"

#include "store/Database.h"

namespace vellamora::settings {

namespace {

const QString kTable = QStringLiteral("VNset63");

QString yn(bool on)
{
    return on ? QStringLiteral("Y") : QStringLiteral("N");
}

} // namespace

const QStringList &shotDateFormats()
{
    static const QStringList list = {
        QStringLiteral("d mmmm yyyy"),
        QStringLiteral("dd mmmm yyyy"),
        QStringLiteral("dd/mm/yyyy"),
        QStringLiteral("dddd d mmmm yyyy"),
        QStringLiteral("dddd dd mmmm yyyy"),
        QStringLiteral("mm/dd/yyyy"),
        QStringLiteral("mmmm dd, yyyy"),
    };
    return list;
}

const QStringList &yearDateFormats()
{
    static const QStringList list
        = { QStringLiteral("d mmmm"), QStringLiteral("dd mmmm"), QStringLiteral("dd/mm"),
              QStringLiteral("mm/dd"), QStringLiteral("mmmm d"), QStringLiteral("mmmm dd") };
    return list;
}

const QStringList &startPages()
{
    static const QStringList list = { QStringLiteral("Giornalieri"), QStringLiteral("Annuali"),
        QStringLiteral("Mensili"), QStringLiteral("Settimanali"), QStringLiteral("Impegni"),
        QStringLiteral("Contatti"), QStringLiteral("Note"), QStringLiteral("Lista") };
    return list;
}

const QStringList &scales()
{
    static const QStringList list = { QStringLiteral("100"), QStringLiteral("110"), QStringLiteral("120"),
        QStringLiteral("130"), QStringLiteral("140"), QStringLiteral("150") };
    return list;
}

QString soundCode(bool sound, bool visual)
{
    if (sound && visual)
        return QStringLiteral("2");
    if (sound)
        return QStringLiteral("Y");
    if (visual)
        return QStringLiteral("V");
    return QStringLiteral("N");
}

std::optional<SoundFlags> soundFlags(const QString &code)
{
    if (code == QLatin1String("Y"))
        return SoundFlags { true, false };
    if (code == QLatin1String("V"))
        return SoundFlags { false, true };
    if (code == QLatin1String("2"))
        return SoundFlags { true, true };
    if (code == QLatin1String("N"))
        return SoundFlags { false, false };
    return std::nullopt;
}

QString startPageCode(int index)
{
    // The column holds one character: "-1" keeps only its "-".
    return QString::number(index).left(1);
}

std::optional<int> startPageIndex(const QString &code)
{
    bool ok = false;
    const int index = code.trimmed().toInt(&ok);
    if (!ok || index < 0 || index > 8)
        return std::nullopt;
    return index;
}

QString clockFormat(bool ampm)
{
    return ampm ? QStringLiteral("dddd d mmmm yyyy - hh:mm:ss am/pm")
                : QStringLiteral("dddd d mmmm yyyy - hh:mm:ss");
}

int dialogScale(int scaleIndex)
{
    return scales().value(scaleIndex, scales().first()).toInt();
}

void writeGeneral(Database &db, const General &v)
{
    db.update(kTable,
        { { QStringLiteral("autostart"), yn(v.autostart) }, { QStringLiteral("minimized"), yn(v.minimized) },
            { QStringLiteral("soundon"), v.soundCode }, { QStringLiteral("wavesound"), v.waveSound },
            { QStringLiteral("breakline"), yn(v.breakline) },
            { QStringLiteral("formatbar"), yn(v.formatbar) },
            { QStringLiteral("timecheck"), yn(v.timecheck) }, { QStringLiteral("DataShot"), v.dataShot },
            { QStringLiteral("DataYear"), v.dataYear }, { QStringLiteral("DataShotIndex"), v.dataShotIndex },
            { QStringLiteral("DataYearIndex"), v.dataYearIndex }, { QStringLiteral("psw"), v.password },
            { QStringLiteral("blocco"), yn(v.blocco) }, { QStringLiteral("showcale"), yn(v.showcale) },
            { QStringLiteral("startab"), startPageCode(v.startPage) } });
}

void writeEditor(Database &db, const Editor &v)
{
    db.update(kTable,
        { { QStringLiteral("fontname"), v.fontName }, { QStringLiteral("fontcolor"), v.fontColor },
            { QStringLiteral("fontsize"), v.fontSize }, { QStringLiteral("charset"), v.charset },
            { QStringLiteral("backcolor"), v.backColor } });
}

void writeOwn(Database &db, const QString &column, const QVariant &value)
{
    static const QStringList allowed
        = { QStringLiteral("futuro_flag"), QStringLiteral("futuro_days"), QStringLiteral("scala_index"),
              QStringLiteral("ampm"), QStringLiteral("hidetips"), QStringLiteral("solalettura") };
    if (!allowed.contains(column, Qt::CaseInsensitive))
        throw StoreError(QStringLiteral("not a setting of its own statement: ") + column);
    db.update(kTable, { { column, value } });
}

void writeWindow(Database &db, bool maximized, const QSize &size)
{
    if (maximized) {
        db.update(kTable, { { QStringLiteral("WinStato"), QStringLiteral("wsMaximized") } });
        return;
    }
    db.update(kTable,
        { { QStringLiteral("WinWidth"), size.width() }, { QStringLiteral("WinHeight"), size.height() },
            { QStringLiteral("WinStato"), QStringLiteral("wsNormal") } });
}

const std::array<const char *, kHideablePages> &tabVisibleColumns()
{
    static const std::array<const char *, kHideablePages> columns
        = { "TabShotVisible", "TabYearVisible", "TabMonthVisible", "TabWeekVisible", "TabTodayVisible",
              "TabContactsVisible", "TabNotesVisible", "TabToDoVisible" };
    return columns;
}

void writeTabVisibility(Database &db, const std::array<bool, kHideablePages> &visible)
{
    SqlParams values;
    for (int i = 0; i < kHideablePages; ++i)
        values.emplace_back(QString::fromLatin1(tabVisibleColumns()[size_t(i)]), visible[size_t(i)]);
    db.update(kTable, values);
}

} // namespace vellamora::settings
