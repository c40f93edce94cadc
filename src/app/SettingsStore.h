#pragma once
#include <QtCore/QSize>
#include <QtCore/QString>
#include <QtCore/QStringList>
#include <QtCore/QVariant>
#include <array>
#include <optional>

namespace vellamora {

class Database;

// Writes and encodings of the settings row VNset63. Every value is bound as a
// parameter, so a password or a sound path with a double quote is stored as typed.
namespace settings {

// The choices of the Opzioni page's lists, in their order.
const QStringList &shotDateFormats();
const QStringList &yearDateFormats();
// Start pages 0..7 (8 is the Opzioni page, which the list does not offer).
const QStringList &startPages();
const QStringList &scales();

// How alarms are given: "Y" sound only, "V" window only, "2" both, "N" neither.
QString soundCode(bool sound, bool visual);
struct SoundFlags
{
    bool sound = false;
    bool visual = false;
};
// The flags of a stored code; nothing for an unknown code (the boxes stay as they are).
std::optional<SoundFlags> soundFlags(const QString &code);

// The start page as the one character `startab` holds: a lost choice (-1) is "-".
QString startPageCode(int index);
// The page index of a stored `startab`: 0..8, or nothing for "-" and anything unknown.
std::optional<int> startPageIndex(const QString &code);

QString clockFormat(bool ampm);
// The dialog scale in per cent for a `scala_index` (out of range reads as 100).
int dialogScale(int scaleIndex);

constexpr int kMaxAdvanceDays = 366;
constexpr int kPasswordLength = 30;

// The options of the general statement.
struct General
{
    bool autostart = false;
    bool minimized = false;
    QString soundCode = QStringLiteral("Y");
    QString waveSound;
    bool breakline = true;
    bool formatbar = false;
    bool timecheck = false;
    QString dataShot;
    QString dataYear;
    int dataShotIndex = -1;
    int dataYearIndex = -1;
    QString password;
    bool blocco = false;
    bool showcale = true;
    int startPage = -1;
};
void writeGeneral(Database &db, const General &values);

struct Editor
{
    QString fontName;
    QString fontColor; // colour text
    int fontSize = 8;
    int charset = 0;
    QString backColor; // colour text
};
void writeEditor(Database &db, const Editor &values);

// One column written by its own statement: futuro_flag, futuro_days, scala_index,
// ampm, hidetips, solalettura. Any other column is refused (StoreError).
void writeOwn(Database &db, const QString &column, const QVariant &value);

// The remembered window size: maximised stores only the state, keeping the size.
void writeWindow(Database &db, bool maximized, const QSize &size);

// The eight Tab...Visible columns, in page order (Giornalieri .. Lista).
constexpr int kHideablePages = 8;
const std::array<const char *, kHideablePages> &tabVisibleColumns();
void writeTabVisibility(Database &db, const std::array<bool, kHideablePages> &visible);

} // namespace settings
} // namespace vellamora
