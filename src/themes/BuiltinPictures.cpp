// The pictures of the built-in theme, drawn in code: one line style, dark ink with a
// single accent colour per action, on a 32-unit grid scaled to each picture's size.
#include "themes/ThemeFiles.h"

#include <QtGui/QPainter>
#include <QtGui/QPainterPath>

namespace vellamora::theme {

namespace {

// The colour that the glyph loader treats as see-through (the bottom-left pixel).
const QColor kKey(255, 0, 255);
const QColor kInk(0x33, 0x41, 0x4E);
const QColor kPaper(0xFF, 0xFF, 0xFF);
const QColor kGreen(0x2E, 0x9E, 0x4F);
const QColor kRed(0xD6, 0x3A, 0x3A);
const QColor kOrange(0xE0, 0x8A, 0x1E);
const QColor kBlue(0x2F, 0x6F, 0xD0);
const QColor kSky(0xCF, 0xE2, 0xF7);

QPen ink(qreal width = 2.0, const QColor &colour = kInk)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void calendar(QPainter &p, const QColor &band = kBlue)
{
    p.setPen(ink());
    p.setBrush(kPaper);
    p.drawRoundedRect(QRectF(4, 6, 22, 21), 2, 2);
    p.setBrush(band);
    p.drawRect(QRectF(4, 6, 22, 6));
    p.drawLine(QPointF(10, 3), QPointF(10, 8));
    p.drawLine(QPointF(20, 3), QPointF(20, 8));
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 3; ++col)
            p.drawRect(QRectF(8 + col * 6, 15 + row * 5, 3, 3));
}

void person(QPainter &p)
{
    p.setPen(ink());
    p.setBrush(kSky);
    p.drawEllipse(QRectF(10, 4, 11, 11));
    QPainterPath body;
    body.moveTo(4, 28);
    body.cubicTo(4, 18, 27, 18, 27, 28);
    body.closeSubpath();
    p.drawPath(body);
}

void sheet(QPainter &p, bool lines = true)
{
    QPainterPath page;
    page.moveTo(6, 3);
    page.lineTo(20, 3);
    page.lineTo(26, 9);
    page.lineTo(26, 29);
    page.lineTo(6, 29);
    page.closeSubpath();
    p.setPen(ink());
    p.setBrush(kPaper);
    p.drawPath(page);
    p.drawPolyline(QPolygonF({ QPointF(20, 3), QPointF(20, 9), QPointF(26, 9) }));
    if (lines) {
        p.setPen(ink(1.5, kBlue));
        for (int y = 13; y <= 24; y += 4)
            p.drawLine(QPointF(10, y), QPointF(22, y));
    }
}

void checklist(QPainter &p)
{
    p.setPen(ink());
    p.setBrush(kPaper);
    p.drawRoundedRect(QRectF(5, 3, 22, 26), 2, 2);
    for (int i = 0; i < 3; ++i) {
        const qreal y = 9 + i * 7;
        p.setPen(ink(1.8, kGreen));
        p.drawPolyline(QPolygonF({ QPointF(8, y), QPointF(10, y + 2), QPointF(13, y - 2) }));
        p.setPen(ink(1.5));
        p.drawLine(QPointF(16, y), QPointF(24, y));
    }
}

void plus(QPainter &p, QPointF c, qreal r, const QColor &colour)
{
    p.setPen(ink(2.6, colour));
    p.drawLine(c - QPointF(r, 0), c + QPointF(r, 0));
    p.drawLine(c - QPointF(0, r), c + QPointF(0, r));
}

void cross(QPainter &p, QPointF c, qreal r, const QColor &colour, qreal width = 2.6)
{
    p.setPen(ink(width, colour));
    p.drawLine(c + QPointF(-r, -r), c + QPointF(r, r));
    p.drawLine(c + QPointF(-r, r), c + QPointF(r, -r));
}

void tick(QPainter &p, QPointF c, qreal r, const QColor &colour, qreal width = 3)
{
    p.setPen(ink(width, colour));
    p.drawPolyline(QPolygonF({ c + QPointF(-r, 0), c + QPointF(-r / 3, r * 0.7), c + QPointF(r, -r * 0.8) }));
}

void pencil(QPainter &p, QPointF tip, qreal length)
{
    p.save();
    p.translate(tip);
    p.rotate(-45);
    p.setPen(ink(1.5));
    p.setBrush(kOrange);
    p.drawPolygon(QPolygonF(
        { QPointF(0, 0), QPointF(4, -2.5), QPointF(length, -2.5), QPointF(length, 2.5), QPointF(4, 2.5) }));
    p.restore();
}

void arrow(QPainter &p, QPointF from, QPointF to, const QColor &colour, qreal width = 2.6)
{
    p.setPen(ink(width, colour));
    p.drawLine(from, to);
    const QLineF line(to, from);
    QLineF side1 = line;
    side1.setLength(6);
    side1.setAngle(line.angle() + 35);
    QLineF side2 = line;
    side2.setLength(6);
    side2.setAngle(line.angle() - 35);
    p.drawLine(side1);
    p.drawLine(side2);
}

void twoSheets(QPainter &p, QPointF at, qreal size)
{
    p.setPen(ink(1.6));
    p.setBrush(kSky);
    p.drawRect(QRectF(at, QSizeF(size, size)));
    p.setBrush(kPaper);
    p.drawRect(QRectF(at + QPointF(size / 2.5, size / 2.5), QSizeF(size, size)));
}

void badgeDisc(QPainter &p)
{
    p.setPen(ink(1.4));
    p.setBrush(kPaper);
    p.drawEllipse(QRectF(17, 17, 14, 14));
}

// The small mark in the lower right corner that says what a button does to its subject.
void badge(QPainter &p, const QString &action)
{
    const QPointF c(24, 24);
    if (action == QLatin1String("add")) {
        badgeDisc(p);
        plus(p, c, 4, kGreen);
    } else if (action == QLatin1String("del")) {
        badgeDisc(p);
        cross(p, c, 3.5, kRed);
    } else if (action == QLatin1String("mod")) {
        pencil(p, QPointF(17, 30), 15);
    } else if (action == QLatin1String("dup")) {
        twoSheets(p, QPointF(16, 16), 9);
    } else if (action == QLatin1String("exp")) {
        badgeDisc(p);
        arrow(p, QPointF(20, 28), QPointF(28, 20), kBlue, 2.2);
    } else if (action == QLatin1String("imp")) {
        badgeDisc(p);
        arrow(p, QPointF(28, 20), QPointF(20, 28), kGreen, 2.2);
    } else if (action == QLatin1String("chk")) {
        badgeDisc(p);
        tick(p, c, 4, kGreen, 2.6);
    }
}

void printer(QPainter &p)
{
    p.setPen(ink());
    p.setBrush(kPaper);
    p.drawRect(QRectF(9, 4, 14, 9));
    p.setBrush(kSky);
    p.drawRoundedRect(QRectF(3, 12, 26, 12), 2, 2);
    p.setBrush(kPaper);
    p.drawRect(QRectF(9, 19, 14, 10));
    p.setPen(ink(1.2, kBlue));
    p.drawLine(QPointF(12, 23), QPointF(20, 23));
    p.drawLine(QPointF(12, 26), QPointF(18, 26));
    p.setPen(Qt::NoPen);
    p.setBrush(kGreen);
    p.drawEllipse(QRectF(24, 15, 3, 3));
}

void globe(QPainter &p)
{
    p.setPen(ink());
    p.setBrush(kSky);
    p.drawEllipse(QRectF(4, 4, 24, 24));
    p.setBrush(Qt::NoBrush);
    p.setPen(ink(1.4, kBlue));
    p.drawEllipse(QRectF(10, 4, 12, 24));
    p.drawLine(QPointF(4, 16), QPointF(28, 16));
    p.drawLine(QPointF(6, 10), QPointF(26, 10));
    p.drawLine(QPointF(6, 22), QPointF(26, 22));
}

void magnifier(QPainter &p)
{
    p.setPen(ink(2.4));
    p.setBrush(kSky);
    p.drawEllipse(QRectF(4, 4, 17, 17));
    p.setPen(ink(4.5));
    p.drawLine(QPointF(19, 19), QPointF(28, 28));
}

void circularArrow(QPainter &p, QRectF box, const QColor &colour, bool clockwise)
{
    p.setPen(ink(2.6, colour));
    p.setBrush(Qt::NoBrush);
    const int start = clockwise ? 100 : 80;
    const int span = clockwise ? -280 : 280;
    p.drawArc(box, start * 16, span * 16);
    // Arrow head at the end of the arc.
    const qreal end = qDegreesToRadians(qreal(start + span));
    const QPointF c = box.center();
    const QPointF tip(c.x() + box.width() / 2 * std::cos(end), c.y() - box.height() / 2 * std::sin(end));
    const qreal dir = clockwise ? -1 : 1;
    const QPointF tangent(-std::sin(end) * dir, -std::cos(end) * dir);
    const QPointF normal(tangent.y(), -tangent.x());
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(QPolygonF({ tip + tangent * 5, tip + normal * 4.5, tip - normal * 4.5 }));
}

void questionMark(QPainter &p, QRectF box, const QColor &colour)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    font.setPixelSize(int(box.height() * 0.8));
    p.setFont(font);
    p.setPen(colour);
    p.drawText(box, Qt::AlignCenter, QStringLiteral("?"));
}

void keyShape(QPainter &p)
{
    p.setPen(ink(2.2));
    p.setBrush(QColor(0xF2, 0xC1, 0x3C));
    p.drawEllipse(QRectF(3, 3, 13, 13));
    p.setBrush(kPaper);
    p.drawEllipse(QRectF(7, 7, 5, 5));
    p.setPen(ink(3));
    p.drawLine(QPointF(14, 14), QPointF(27, 27));
    p.drawLine(QPointF(22, 22), QPointF(26, 18));
    p.drawLine(QPointF(25, 25), QPointF(28, 22));
}

// Draws the symbol of a glyph file name into the 32 x 32 grid.
void drawSymbol(QPainter &p, const QString &name)
{
    const QString subject = name.section(QLatin1Char('_'), 0, 0);
    const QString action = name.section(QLatin1Char('_'), 1);
    if (name == QLatin1String("print")) {
        printer(p);
    } else if (name == QLatin1String("invert")) {
        arrow(p, QPointF(11, 27), QPointF(11, 5), kBlue);
        arrow(p, QPointF(21, 5), QPointF(21, 27), kOrange);
    } else if (name == QLatin1String("key")) {
        keyShape(p);
    } else if (subject == QLatin1String("date")) {
        if (action == QLatin1String("back")) {
            arrow(p, QPointF(27, 16), QPointF(5, 16), kBlue, 3.5);
        } else if (action == QLatin1String("next")) {
            arrow(p, QPointF(5, 16), QPointF(27, 16), kBlue, 3.5);
        } else if (action == QLatin1String("today")) {
            calendar(p, kGreen);
            p.setPen(ink(2, kRed));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QRectF(13, 14, 10, 10));
        } else if (action == QLatin1String("origin")) {
            p.setPen(ink(2, kInk));
            p.setBrush(kPaper);
            p.drawEllipse(QRectF(4, 4, 24, 24));
            p.setBrush(kSky);
            p.drawEllipse(QRectF(10, 10, 12, 12));
            p.setBrush(kRed);
            p.setPen(Qt::NoPen);
            p.drawEllipse(QRectF(14, 14, 4, 4));
        } else {
            calendar(p);
            badge(p, action);
        }
    } else if (subject == QLatin1String("contact")) {
        if (action == QLatin1String("phone")) {
            QPainterPath handset;
            handset.moveTo(8, 4);
            handset.cubicTo(2, 8, 8, 22, 24, 28);
            handset.lineTo(28, 22);
            handset.lineTo(22, 18);
            handset.lineTo(19, 21);
            handset.cubicTo(15, 19, 13, 17, 11, 13);
            handset.lineTo(14, 10);
            handset.lineTo(10, 4);
            handset.closeSubpath();
            p.setPen(ink());
            p.setBrush(kGreen);
            p.drawPath(handset);
        } else if (action == QLatin1String("email")) {
            p.setPen(ink());
            p.setBrush(kPaper);
            p.drawRect(QRectF(3, 8, 26, 17));
            p.drawPolyline(QPolygonF({ QPointF(3, 8), QPointF(16, 18), QPointF(29, 8) }));
        } else if (action == QLatin1String("web")) {
            globe(p);
        } else if (action == QLatin1String("map")) {
            QPainterPath pin;
            pin.moveTo(16, 30);
            pin.cubicTo(6, 18, 6, 14, 6, 12);
            pin.arcTo(QRectF(6, 2, 20, 20), 180, -180);
            pin.cubicTo(26, 14, 26, 18, 16, 30);
            p.setPen(ink());
            p.setBrush(kRed);
            p.drawPath(pin);
            p.setBrush(kPaper);
            p.drawEllipse(QRectF(12, 8, 8, 8));
        } else {
            person(p);
            badge(p, action);
        }
    } else if (subject == QLatin1String("note")) {
        if (action == QLatin1String("hidelist")) {
            p.setPen(ink());
            for (int y = 8; y <= 24; y += 8) {
                p.drawLine(QPointF(14, y), QPointF(28, y));
                p.drawRect(QRectF(9, y - 1, 2, 2));
            }
            arrow(p, QPointF(8, 16), QPointF(2, 16), kBlue, 2.2);
        } else if (action == QLatin1String("save")) {
            p.setPen(ink());
            p.setBrush(kBlue);
            p.drawRoundedRect(QRectF(4, 4, 24, 24), 2, 2);
            p.setBrush(kPaper);
            p.drawRect(QRectF(9, 4, 14, 9));
            p.drawRect(QRectF(8, 18, 16, 10));
        } else if (action == QLatin1String("breakline")) {
            p.setPen(ink(2.6, kBlue));
            p.setBrush(Qt::NoBrush);
            p.drawPolyline(QPolygonF({ QPointF(26, 5), QPointF(26, 20), QPointF(8, 20) }));
            arrow(p, QPointF(14, 20), QPointF(6, 20), kBlue);
        } else if (action == QLatin1String("format")) {
            QFont font(QStringLiteral("Liberation Serif"));
            font.setBold(true);
            font.setPixelSize(24);
            p.setFont(font);
            p.setPen(kInk);
            p.drawText(QRectF(2, 0, 28, 26), Qt::AlignCenter, QStringLiteral("A"));
            p.setPen(ink(3, kRed));
            p.drawLine(QPointF(6, 28), QPointF(26, 28));
        } else if (action == QLatin1String("restore")) {
            sheet(p, false);
            circularArrow(p, QRectF(10, 11, 12, 12), kOrange, false);
        } else if (action == QLatin1String("find")) {
            magnifier(p);
        } else {
            sheet(p);
            badge(p, action);
        }
    } else if (subject == QLatin1String("todo")) {
        checklist(p);
        badge(p, action);
    } else if (subject == QLatin1String("help")) {
        if (action == QLatin1String("hint")) {
            p.setPen(ink());
            p.setBrush(QColor(0xFF, 0xF4, 0xC2));
            p.drawEllipse(QRectF(3, 3, 26, 26));
            questionMark(p, QRectF(3, 4, 26, 26), kBlue);
        } else if (action == QLatin1String("manual")) {
            p.setPen(ink());
            p.setBrush(kBlue);
            p.drawRoundedRect(QRectF(6, 3, 20, 26), 2, 2);
            p.setBrush(kPaper);
            p.drawRect(QRectF(10, 3, 16, 22));
            questionMark(p, QRectF(10, 5, 16, 18), kBlue);
        } else {
            globe(p);
            p.setPen(ink(1.4));
            p.setBrush(QColor(0xFF, 0xF4, 0xC2));
            p.drawEllipse(QRectF(15, 15, 16, 16));
            questionMark(p, QRectF(15, 16, 16, 16), kBlue);
        }
    } else if (subject == QLatin1String("vm")) {
        if (action == QLatin1String("about")) {
            p.setPen(ink());
            p.setBrush(kSky);
            p.drawEllipse(QRectF(4, 4, 24, 24));
            p.setPen(Qt::NoPen);
            p.setBrush(kBlue);
            p.drawEllipse(QRectF(14, 8, 4.5, 4.5));
            p.drawRoundedRect(QRectF(14, 14, 4.5, 11), 1.5, 1.5);
        } else if (action == QLatin1String("fix")) {
            p.setPen(ink(2.4));
            p.setBrush(kRed);
            p.drawEllipse(QRectF(9, 3, 14, 12));
            p.drawLine(QPointF(16, 15), QPointF(16, 29));
        } else if (action == QLatin1String("refresh")) {
            circularArrow(p, QRectF(6, 6, 20, 20), kGreen, true);
        } else if (action == QLatin1String("iconize")) {
            arrow(p, QPointF(16, 4), QPointF(16, 20), kBlue, 3);
            p.setPen(ink(3.5));
            p.drawLine(QPointF(6, 27), QPointF(26, 27));
        } else if (action == QLatin1String("minimize")) {
            p.setPen(ink(4));
            p.drawLine(QPointF(7, 25), QPointF(25, 25));
        } else if (action == QLatin1String("maximize")) {
            p.setPen(ink(2.5));
            p.setBrush(Qt::NoBrush);
            p.drawRect(QRectF(6, 6, 20, 20));
            p.setPen(ink(4.5));
            p.drawLine(QPointF(6, 8), QPointF(26, 8));
        } else if (action == QLatin1String("kill")) {
            cross(p, QPointF(16, 16), 10, kRed, 4.5);
        }
    }
}

// A symbol drawn antialiased, then laid on the see-through colour with a hard edge
// so that no pink fringe survives around it.
QImage symbolImage(const QString &name, QSize size)
{
    QImage art(size, QImage::Format_ARGB32_Premultiplied);
    art.fill(Qt::transparent);
    {
        QPainter p(&art);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        const qreal scale = std::min(size.width(), size.height()) / 32.0;
        p.translate((size.width() - 32 * scale) / 2, (size.height() - 32 * scale) / 2);
        p.scale(scale, scale);
        drawSymbol(p, name);
    }
    QImage out(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            const QColor c = QColor::fromRgba(art.pixel(x, y));
            if (c.alpha() < 96) {
                out.setPixelColor(x, y, kKey);
            } else {
                // Over white, so a soft edge lightens instead of turning pink.
                const qreal a = c.alphaF();
                out.setPixelColor(x, y,
                    QColor(int(c.red() * a + 255 * (1 - a)), int(c.green() * a + 255 * (1 - a)),
                        int(c.blue() * a + 255 * (1 - a))));
            }
        }
    }
    return out;
}

// The disabled look: grey and faded towards the button face.
QImage faded(const QImage &normal)
{
    QImage out = normal;
    for (int y = 0; y < out.height(); ++y) {
        for (int x = 0; x < out.width(); ++x) {
            const QColor c = out.pixelColor(x, y);
            if (c == kKey)
                continue;
            const int grey = qGray(c.rgb());
            const int light = 150 + grey * 95 / 255;
            out.setPixelColor(x, y, QColor(light, light, light));
        }
    }
    return out;
}

QImage pair(const QString &name, QSize half)
{
    const QImage normal = symbolImage(name, half);
    QImage both(half.width() * 2, half.height(), QImage::Format_RGB32);
    QPainter p(&both);
    p.drawImage(0, 0, normal);
    p.drawImage(half.width(), 0, faded(normal));
    return both;
}

} // namespace

const QStringList &builtinGlyphNames()
{
    static const QStringList names = {
        QStringLiteral("vm_about"),
        QStringLiteral("vm_fix"),
        QStringLiteral("vm_refresh"),
        QStringLiteral("vm_iconize"),
        QStringLiteral("vm_minimize"),
        QStringLiteral("vm_maximize"),
        QStringLiteral("vm_kill"),
        QStringLiteral("date_cal"),
        QStringLiteral("date_back"),
        QStringLiteral("date_next"),
        QStringLiteral("date_today"),
        QStringLiteral("date_origin"),
        QStringLiteral("date_add"),
        QStringLiteral("date_del"),
        QStringLiteral("date_mod"),
        QStringLiteral("date_exp"),
        QStringLiteral("date_dup"),
        QStringLiteral("date_chk"),
        QStringLiteral("contact_add"),
        QStringLiteral("contact_del"),
        QStringLiteral("contact_mod"),
        QStringLiteral("contact_dup"),
        QStringLiteral("contact_imp"),
        QStringLiteral("contact_exp"),
        QStringLiteral("invert"),
        QStringLiteral("contact_phone"),
        QStringLiteral("contact_email"),
        QStringLiteral("contact_web"),
        QStringLiteral("contact_map"),
        QStringLiteral("note_add"),
        QStringLiteral("note_del"),
        QStringLiteral("note_mod"),
        QStringLiteral("note_hidelist"),
        QStringLiteral("note_save"),
        QStringLiteral("note_imp"),
        QStringLiteral("note_exp"),
        QStringLiteral("note_breakline"),
        QStringLiteral("note_format"),
        QStringLiteral("note_restore"),
        QStringLiteral("note_find"),
        QStringLiteral("todo_add"),
        QStringLiteral("todo_del"),
        QStringLiteral("todo_mod"),
        QStringLiteral("todo_dup"),
        QStringLiteral("todo_exp"),
        QStringLiteral("todo_chk"),
        QStringLiteral("print"),
        QStringLiteral("help_hint"),
        QStringLiteral("help_manual"),
        QStringLiteral("help_web"),
        QStringLiteral("key"),
    };
    return names;
}

QImage builtinGlyph(const QString &name)
{
    if (!builtinGlyphNames().contains(name))
        return QImage();
    if (name == QLatin1String("key"))
        return symbolImage(name, QSize(28, 28));
    if (name == QLatin1String("vm_about"))
        return pair(name, QSize(31, 22));
    if (name.startsWith(QLatin1String("vm_")))
        return pair(name, QSize(16, 16));
    return pair(name, QSize(32, 32));
}

QImage builtinPreview()
{
    // A small picture of the window: title bar, the nine coloured tabs and a list.
    QImage image(372, 255, QImage::Format_RGB32);
    image.fill(QColor(0xF3, 0xF3, 0xF3));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor agenda = colour::toQColor(colour::kBuiltinSections[4]);
    p.fillRect(QRect(0, 0, 372, 30), agenda);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    font.setPixelSize(15);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(QRect(0, 0, 372, 30), Qt::AlignCenter, QStringLiteral("Vellamora"));
    const int tabWidth = 372 / colour::kSections;
    for (int i = 0; i < colour::kSections; ++i) {
        p.fillRect(QRect(2 + i * tabWidth, 34, tabWidth - 2, 18),
            colour::toQColor(colour::kBuiltinSections[size_t(i)]));
    }
    p.fillRect(QRect(0, 52, 372, 203), agenda);
    p.fillRect(QRect(8, 60, 356, 187), Qt::white);
    for (int row = 0; row < 9; ++row) {
        const QRect line(8, 60 + row * 20, 356, 20);
        if (row == 0)
            p.fillRect(line, agenda);
        else if (row % 2 == 0)
            p.fillRect(
                line, colour::toQColor(colour::blend(colour::kBuiltinSections[4], colour::kWhite, 80)));
        p.setPen(QColor(0xC8, 0xC8, 0xC8));
        p.drawLine(line.bottomLeft(), line.bottomRight());
    }
    p.setPen(QColor(0x70, 0x70, 0x70));
    p.drawRect(QRect(0, 0, 371, 254));
    return image;
}

} // namespace vellamora::theme
