#include "app/ShellRules.h"

#include "themes/Colour.h"

#include "platform/Shell.h"
#include "store/Database.h"

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QRandomGenerator>
#include <algorithm>

namespace vellamora::shell {

namespace {

const QString kEntryName = QStringLiteral("Vellamora.desktop");

const CountSection kSections[] = {
    { QLatin1Char('O'), "SELECT count(*) FROM VNarc66 WHERE flag = 'O'", "Panel_Shot",
        "Label_Conteggio_Giornalieri", "Giornalieri: " },
    { QLatin1Char('Y'), "SELECT count(*) FROM VNarc66 WHERE flag = 'Y'", "Panel_year",
        "Label_Conteggio_Annuali", "Annuali: " },
    { QLatin1Char('M'), "SELECT count(*) FROM VNarc66 WHERE flag = 'M'", "Panel_Month",
        "Label_Conteggio_Mensili", "Mensili: " },
    { QLatin1Char('W'), "SELECT count(*) FROM VNarc66 WHERE flag = 'W'", "Panel_week",
        "Label_Conteggio_Settimanali", "Settimanali: " },
    { QLatin1Char('C'), "SELECT count(*) FROM VNcon63", "Panel_FullName", "Label_Conteggio_Contatti",
        "Contatti: " },
    { QLatin1Char('N'), "SELECT count(*) FROM VNnot80", "Panel_totnote", "Label_Conteggio_Note", "Note: " },
    { QLatin1Char('L'), "SELECT count(*) FROM VNtod63", "Panel_ToDo", "Label_Conteggio_Lista", "Lista: " },
    { QLatin1Char('D'), "SELECT count(*) FROM VNshot80", nullptr, "Label_Conteggio_Deposito", "Deposito: " },
};

} // namespace

const CountSection *countSection(QChar letter)
{
    for (const CountSection &s : kSections) {
        if (s.letter == letter)
            return &s;
    }
    return nullptr;
}

QString countPanelText(int shown, int total)
{
    if (shown == total)
        return QString::number(total) + QStringLiteral("   ");
    return QString::number(shown) + QStringLiteral(" / ") + QString::number(total) + QStringLiteral("   ");
}

int sectionTotal(Database &db, const CountSection &section)
{
    return db.scalar(QString::fromLatin1(section.countSql)).toInt();
}

QString deletionPhrase(int draw)
{
    static const char *const phrases[] = {
        "\", mi assicuri che dopo non piangerai?",
        "\", sicuro che sia una buona idea?",
        "\", ci hai pensato bene?",
        "\", potrai vivere con questo rimorso?",
        "\", devi proprio farlo adesso?",
        "\", sei sicuro che non merita un'altra possibilità?",
        "\", ti rendi conto?",
        "\", sei a conoscenza delle conseguenze?",
    };
    // Draws 8..13 repeat the first six phrases.
    const int row = draw >= 8 ? draw - 8 : draw;
    return QString::fromUtf8(phrases[std::clamp(row, 0, 7)]);
}

QString deletionPhrase(QRandomGenerator &random)
{
    return deletionPhrase(int(random.bounded(kDeletionDraws)));
}

bool sizeAccepted(const QSize &size, bool firstAppearancePending)
{
    return firstAppearancePending
        || (size.width() >= kMinimumSize.width() && size.height() >= kMinimumSize.height());
}

bool defaultSizeEnabled(bool maximized, const QSize &size)
{
    return !maximized && size != kMinimumSize;
}

QString fixCaption(const QSize &size)
{
    return QStringLiteral("Fissa ") + QString::number(size.width()) + QStringLiteral(" x ")
        + QString::number(size.height());
}

QString autostartEntryPath(const Shell &shell)
{
    return QDir(shell.autostartFolder()).filePath(kEntryName);
}

QString desktopShortcutPath(const Shell &shell)
{
    return QDir(shell.desktopFolder()).filePath(kEntryName);
}

bool autostartEntryExists(const Shell &shell)
{
    return !shell.autostartFolder().isEmpty() && QFileInfo::exists(autostartEntryPath(shell));
}

bool createAutostartEntry(Shell &shell, const QString &program)
{
    if (shell.autostartFolder().isEmpty())
        return false;
    QDir().mkpath(shell.autostartFolder());
    return shell.writeDesktopEntry(autostartEntryPath(shell), program, QFileInfo(program).absolutePath());
}

bool removeAutostartEntry(const Shell &shell)
{
    return autostartEntryExists(shell) && QFile::remove(autostartEntryPath(shell));
}

bool createDesktopShortcut(Shell &shell, const QString &program)
{
    if (shell.desktopFolder().isEmpty())
        return false;
    QDir().mkpath(shell.desktopFolder());
    return shell.writeDesktopEntry(desktopShortcutPath(shell), program, QFileInfo(program).absolutePath());
}

QColor colourFromText(const QString &text, const QColor &fallback)
{
    try {
        return colour::toQColor(colour::fromText(text));
    } catch (const colour::ColourError &) {
        return fallback;
    }
}

bool soundAvailable(const QString &sound)
{
    return sound == mailBeep() || (!sound.isEmpty() && QFileInfo(sound).isFile());
}

SoundLabel soundLabel(const QString &sound)
{
    if (sound == mailBeep())
        return { mailBeep(), false, QStringLiteral("Allarme in uso: ") + sound };
    if (soundAvailable(sound))
        return { QFileInfo(sound).fileName(), false, QStringLiteral("Allarme in uso: ") + sound };
    return { mailBeep(), true, QStringLiteral("Sostituto del file allarme non trovato: ") + sound };
}

QString soundDialogFolder(const QString &programFolder, const QString &desktopFolder, const QString &sound)
{
    if (sound != mailBeep() && soundAvailable(sound))
        return QFileInfo(sound).absolutePath();
    const QString alarms = QDir(programFolder).filePath(QStringLiteral("alarms"));
    return QFileInfo(alarms).isDir() ? alarms : desktopFolder;
}

} // namespace vellamora::shell
