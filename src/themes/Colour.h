#pragma once
#include <QtCore/QString>
#include <QtCore/QStringList>
#include <QtGui/QColor>
#include <QtGui/QPalette>
#include <array>
#include <functional>
#include <stdexcept>

namespace vellamora::colour {

// A stored colour value: 0x00BBGGRR for plain colours, 0x80000000 + index for the
// desktop's own colours, and the two markers clNone and clDefault.
using ColourValue = quint32;

constexpr ColourValue kSystemBase = 0x80000000u;
constexpr ColourValue kNone = 0x1FFFFFFFu;
constexpr ColourValue kDefault = 0x20000000u;
constexpr ColourValue kBlack = 0x00000000u;
constexpr ColourValue kWhite = 0x00FFFFFFu;
constexpr ColourValue kYellow = 0x0000FFFFu;
constexpr ColourValue kGray = 0x00808080u;

// A text that is not a colour: the message says which text it was.
class ColourError : public std::runtime_error
{
public:
    explicit ColourError(const QString &text);
    QString text() const { return m_message; }

private:
    QString m_message;
};

// Reads a colour text: a colour name (letter case ignored), a decimal integer or
// "$" and hexadecimal digits. Raises ColourError for anything else.
ColourValue fromText(const QString &text);
// Whether `text` reads as a colour.
bool isColourText(const QString &text);
// The written form: the name when the value has one, else "$" + eight upper-case hex digits.
QString toText(ColourValue value);

// The colour on screen: system colours come from `palette`, clNone is transparent,
// clDefault is the palette's window colour.
QColor toQColor(ColourValue value, const QPalette &palette = QPalette());
// The plain value of a colour on screen (alpha dropped).
ColourValue fromQColor(const QColor &colour);

// a + p * (b - a) / 100 per channel, the division truncating towards zero.
// System colours are resolved through `palette` first.
ColourValue blend(ColourValue a, ColourValue b, int percent, const QPalette &palette = QPalette());

// ---- section colours: one per page, in page order
constexpr int kSections = 9;
constexpr std::array<ColourValue, kSections> kBuiltinSections = { 0x00A6A6D2u, 0x00A7E3F5u, 0x0058A554u,
    0x00BC8F07u, 0x00CE9D9Du, 0x009A9A4Eu, 0x00AEAEAEu, 0x00BADCF8u, 0x0053A9FFu };
using SectionColours = std::array<ColourValue, kSections>;

// The settings columns of the nine section colours, in page order.
const std::array<const char *, kSections> &sectionColumns();
// The captions of the nine pages, in page order.
const std::array<const char *, kSections> &sectionCaptions();

// The side calendar's highlight for an agenda colour: yellow on white, grey on black.
ColourValue calendarHighlight(ColourValue agendaColour);

// A colour scheme text: nine lines, CR LF after each.
QString schemeText(const SectionColours &colours);
// Reads the first nine lines of a scheme; `applied` receives each colour as soon as it
// is read, so a bad line leaves the ones before it applied. Missing lines read as empty
// text; a bad line raises ColourError.
SectionColours readScheme(
    const QStringList &lines, const std::function<void(int, ColourValue)> &applied = {});

// Splits a theme or scheme text into lines: CR LF, a lone CR or a lone LF end a line.
QStringList splitLines(const QString &text);

} // namespace vellamora::colour
