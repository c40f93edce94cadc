#include "themes/Colour.h"

#include <QtCore/QStringList>
#include <algorithm>

namespace vellamora::colour {

namespace {

struct NamedColour
{
    const char *name;
    ColourValue value;
};

// Plain names first: a value that has a name is written by that name.
constexpr NamedColour kNames[] = {
    { "clBlack", 0x00000000u },
    { "clMaroon", 0x00000080u },
    { "clGreen", 0x00008000u },
    { "clOlive", 0x00008080u },
    { "clNavy", 0x00800000u },
    { "clPurple", 0x00800080u },
    { "clTeal", 0x00808000u },
    { "clGray", 0x00808080u },
    { "clSilver", 0x00C0C0C0u },
    { "clRed", 0x000000FFu },
    { "clLime", 0x0000FF00u },
    { "clYellow", 0x0000FFFFu },
    { "clBlue", 0x00FF0000u },
    { "clFuchsia", 0x00FF00FFu },
    { "clAqua", 0x00FFFF00u },
    { "clWhite", 0x00FFFFFFu },
    { "clMoneyGreen", 0x00C0DCC0u },
    { "clSkyBlue", 0x00F0CAA6u },
    { "clCream", 0x00F0FBFFu },
    { "clMedGray", 0x00A4A0A0u },
    { "clNone", kNone },
    { "clDefault", kDefault },
    { "clScrollBar", kSystemBase + 0 },
    { "clBackground", kSystemBase + 1 },
    { "clActiveCaption", kSystemBase + 2 },
    { "clInactiveCaption", kSystemBase + 3 },
    { "clMenu", kSystemBase + 4 },
    { "clWindow", kSystemBase + 5 },
    { "clWindowFrame", kSystemBase + 6 },
    { "clMenuText", kSystemBase + 7 },
    { "clWindowText", kSystemBase + 8 },
    { "clCaptionText", kSystemBase + 9 },
    { "clActiveBorder", kSystemBase + 10 },
    { "clInactiveBorder", kSystemBase + 11 },
    { "clAppWorkSpace", kSystemBase + 12 },
    { "clHighlight", kSystemBase + 13 },
    { "clHighlightText", kSystemBase + 14 },
    { "clBtnFace", kSystemBase + 15 },
    { "clBtnShadow", kSystemBase + 16 },
    { "clGrayText", kSystemBase + 17 },
    { "clBtnText", kSystemBase + 18 },
    { "clInactiveCaptionText", kSystemBase + 19 },
    { "clBtnHighlight", kSystemBase + 20 },
    { "cl3DDkShadow", kSystemBase + 21 },
    { "cl3DLight", kSystemBase + 22 },
    { "clInfoText", kSystemBase + 23 },
    { "clInfoBk", kSystemBase + 24 },
    { "clGradientActiveCaption", kSystemBase + 27 },
    { "clGradientInactiveCaption", kSystemBase + 28 },
};

// The desktop colour of a system colour index, taken from the application palette.
QColor systemColour(int index, const QPalette &p)
{
    switch (index) {
    case 0:
        return p.color(QPalette::Button);
    case 1:
        return p.color(QPalette::Dark);
    case 2:
        return p.color(QPalette::Active, QPalette::Highlight);
    case 3:
        return p.color(QPalette::Inactive, QPalette::Highlight);
    case 4:
        return p.color(QPalette::Window);
    case 5:
        return p.color(QPalette::Base);
    case 6:
        return p.color(QPalette::Shadow);
    case 7:
        return p.color(QPalette::WindowText);
    case 8:
        return p.color(QPalette::Text);
    case 9:
        return p.color(QPalette::Active, QPalette::HighlightedText);
    case 10:
        return p.color(QPalette::Button);
    case 11:
        return p.color(QPalette::Button);
    case 12:
        return p.color(QPalette::Dark);
    case 13:
        return p.color(QPalette::Highlight);
    case 14:
        return p.color(QPalette::HighlightedText);
    case 15:
        return p.color(QPalette::Button);
    case 16:
        return p.color(QPalette::Mid);
    case 17:
        return p.color(QPalette::Disabled, QPalette::Text);
    case 18:
        return p.color(QPalette::ButtonText);
    case 19:
        return p.color(QPalette::Inactive, QPalette::HighlightedText);
    case 20:
        return p.color(QPalette::Light);
    case 21:
        return p.color(QPalette::Shadow);
    case 22:
        return p.color(QPalette::Midlight);
    case 23:
        return p.color(QPalette::ToolTipText);
    case 24:
        return p.color(QPalette::ToolTipBase);
    case 27:
        return p.color(QPalette::Active, QPalette::Highlight);
    case 28:
        return p.color(QPalette::Inactive, QPalette::Highlight);
    default:
        return p.color(QPalette::Window);
    }
}

ColourValue channelsOf(ColourValue value, const QPalette &palette)
{
    return (value & 0xFF000000u) != 0 ? fromQColor(toQColor(value, palette)) : value;
}

} // namespace

ColourError::ColourError(const QString &text)
    : std::runtime_error("invalid colour text"),
      m_message(QStringLiteral("'") + text + QStringLiteral("' non è un valore di colore valido"))
{
}

ColourValue fromText(const QString &text)
{
    const QString t = text.trimmed();
    for (const NamedColour &named : kNames) {
        if (t.compare(QLatin1String(named.name), Qt::CaseInsensitive) == 0)
            return named.value;
    }
    bool ok = false;
    if (t.startsWith(QLatin1Char('$'))) {
        const QString digits = t.mid(1);
        // Up to eight digits, no sign: "$" alone or "$-1" is not a colour.
        if (!digits.isEmpty() && digits.size() <= 8 && !digits.startsWith(QLatin1Char('+'))
            && !digits.startsWith(QLatin1Char('-'))) {
            const uint value = digits.toUInt(&ok, 16);
            if (ok)
                return value;
        }
        throw ColourError(text);
    }
    // Decimal: the signed 32-bit range, so a system colour may be written as a negative number.
    const qlonglong value = t.toLongLong(&ok, 10);
    if (ok && value >= -2147483648LL && value <= 4294967295LL)
        return ColourValue(quint32(value));
    throw ColourError(text);
}

bool isColourText(const QString &text)
{
    try {
        fromText(text);
        return true;
    } catch (const ColourError &) {
        return false;
    }
}

QString toText(ColourValue value)
{
    for (const NamedColour &named : kNames) {
        if (named.value == value)
            return QString::fromLatin1(named.name);
    }
    return QLatin1Char('$') + QStringLiteral("%1").arg(value, 8, 16, QLatin1Char('0')).toUpper();
}

QColor toQColor(ColourValue value, const QPalette &palette)
{
    if (value == kNone)
        return QColor(Qt::transparent);
    if (value == kDefault)
        return palette.color(QPalette::Window);
    if ((value & 0xFF000000u) == kSystemBase)
        return systemColour(int(value & 0xFFu), palette);
    return QColor(int(value & 0xFFu), int((value >> 8) & 0xFFu), int((value >> 16) & 0xFFu));
}

ColourValue fromQColor(const QColor &colour)
{
    return ColourValue(colour.red()) | (ColourValue(colour.green()) << 8)
        | (ColourValue(colour.blue()) << 16);
}

ColourValue blend(ColourValue a, ColourValue b, int percent, const QPalette &palette)
{
    a = channelsOf(a, palette);
    b = channelsOf(b, palette);
    ColourValue result = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const int ca = int((a >> shift) & 0xFFu);
        const int cb = int((b >> shift) & 0xFFu);
        // C++ integer division truncates towards zero, also for a negative difference.
        const int c = std::clamp(ca + percent * (cb - ca) / 100, 0, 255);
        result |= ColourValue(c) << shift;
    }
    return result;
}

const std::array<const char *, kSections> &sectionColumns()
{
    static const std::array<const char *, kSections> columns = { "ShotColor", "YearColor", "MonthColor",
        "WeekColor", "TodayColor", "ContactColor", "NotesColor", "TodoColor", "UserColor" };
    return columns;
}

const std::array<const char *, kSections> &sectionCaptions()
{
    static const std::array<const char *, kSections> captions = { "Giornalieri", "Annuali", "Mensili",
        "Settimanali", "Impegni", "Contatti", "Note", "Lista", "Opzioni" };
    return captions;
}

ColourValue calendarHighlight(ColourValue agendaColour)
{
    if (agendaColour == kWhite)
        return kYellow;
    if (agendaColour == kBlack || agendaColour == 0xFFFFFFFFu)
        return kGray;
    return agendaColour;
}

QString schemeText(const SectionColours &colours)
{
    QString text;
    for (ColourValue c : colours)
        text += toText(c) + QStringLiteral("\r\n");
    return text;
}

SectionColours readScheme(const QStringList &lines, const std::function<void(int, ColourValue)> &applied)
{
    SectionColours colours {};
    for (int i = 0; i < kSections; ++i) {
        colours[size_t(i)] = fromText(i < lines.size() ? lines.at(i) : QString());
        if (applied)
            applied(i, colours[size_t(i)]);
    }
    return colours;
}

QStringList splitLines(const QString &text)
{
    QString normal = text;
    normal.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    normal.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines = normal.split(QLatin1Char('\n'));
    // A final line ending does not start another line.
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace vellamora::colour
