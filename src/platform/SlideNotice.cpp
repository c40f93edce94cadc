#include "platform/SlideNotice.h"
#include "themes/Colour.h"

#include <QtCore/QPropertyAnimation>
#include <QtCore/QTimer>
#include <QtGui/QGuiApplication>
#include <QtGui/QLinearGradient>
#include <QtGui/QMouseEvent>
#include <QtGui/QPainter>
#include <QtGui/QScreen>
#include <QtWidgets/QApplication>
#include <QtWidgets/QWidget>
#include <optional>

namespace vellamora {

namespace {

constexpr colour::ColourValue kGradientTop = 13540765; // stored as blue, green, red
constexpr int kMargin = 2;
constexpr int kGap = 4; // between stacked notices
constexpr int kScrollSpeed = 9; // pixels per 10 ms of sliding

QFont pixelFont(const QString &family, bool bold)
{
    QFont font(family);
    font.setPixelSize(13);
    font.setBold(bold);
    return font;
}

} // namespace

// One notice on screen.
class NoticeWindow final : public QWidget
{
    Q_OBJECT
public:
    NoticeWindow(const NoticeContent &content, const QPixmap &icon, QScreen *screen)
        : QWidget(nullptr,
            Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus),
          m_content(content), m_icon(icon), m_previous(QApplication::activeWindow())
    {
        setObjectName(QStringLiteral("MSNPopUpNotice"));
        setAttribute(Qt::WA_ShowWithoutActivating);
        setAttribute(Qt::WA_X11DoNotAcceptFocus);
        setAttribute(Qt::WA_DeleteOnClose);
        setFocusPolicy(Qt::NoFocus);
        setCursor(Qt::PointingHandCursor);
        if (screen)
            setScreen(screen);
        setFixedSize(SlideNotice::kWidth, std::max(content.height, 40));
        if (content.timeoutSeconds > 0)
            QTimer::singleShot(content.timeoutSeconds * 1000, this, &QWidget::close);
    }

    const NoticeContent &content() const { return m_content; }
    // Moves the notice to its place in the stack: sliding up from `from`, or from where it is.
    void slideTo(const QPoint &target, std::optional<QPoint> from)
    {
        if (!m_slide)
            m_slide = new QPropertyAnimation(this, "pos", this);
        m_slide->stop();
        const QPoint start = from.value_or(pos());
        move(start);
        m_slide->setStartValue(start);
        m_slide->setEndValue(target);
        m_slide->setDuration(std::max(1, (start - target).manhattanLength() * 10 / kScrollSpeed));
        m_slide->start();
    }
    bool isPlaced() const { return m_slide != nullptr; }

Q_SIGNALS:
    void clicked();
    void closing();

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        QLinearGradient gradient(0, 0, 0, height());
        gradient.setColorAt(0, colour::toQColor(kGradientTop));
        gradient.setColorAt(1, Qt::white);
        p.fillRect(rect(), gradient);
        p.setPen(colour::toQColor(kGradientTop).darker(150));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
        p.drawPixmap(QRect(8, 8, 16, 16), m_icon);

        // Carriage returns end the lines of the stored texts.
        const auto lines = [](QString text) { return text.replace(QLatin1Char('\r'), QLatin1Char('\n')); };
        const QString title = lines(m_content.title).trimmed();
        p.setPen(Qt::black);
        p.setFont(pixelFont(QStringLiteral("Arial"), true));
        const QRect titleBox(32, 8, width() - 32 - 24, height() - 8);
        const QRect titleUsed = p.boundingRect(titleBox, Qt::AlignLeft | Qt::TextWordWrap, title);
        p.drawText(titleBox, Qt::AlignLeft | Qt::TextWordWrap, title);
        p.drawText(QRect(width() - 20, 4, 16, 16), Qt::AlignCenter, QStringLiteral("\u00D7"));

        QFont text = pixelFont(QStringLiteral("MS Sans Serif"), false);
        text.setUnderline(m_hover);
        p.setFont(text);
        p.setPen(m_hover ? QColor(Qt::blue) : QColor(Qt::black));
        const int top = std::max(titleUsed.bottom(), 24) + 6;
        p.drawText(QRect(kMargin, top, width() - 2 * kMargin, height() - top - kMargin),
            Qt::AlignLeft | Qt::AlignTop, lines(m_content.text));
    }
    void changeEvent(QEvent *event) override
    {
        // A platform that activates every new window regardless of the hints: the
        // activation goes back to the window that had it.
        if (event->type() == QEvent::ActivationChange && isActiveWindow() && m_previous)
            m_previous->activateWindow();
        QWidget::changeEvent(event);
    }
    void enterEvent(QEnterEvent *) override { setHover(true); }
    void leaveEvent(QEvent *) override { setHover(false); }
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        if (event->button() != Qt::LeftButton)
            return;
        Q_EMIT clicked();
        close();
    }
    void closeEvent(QCloseEvent *event) override
    {
        Q_EMIT closing();
        QWidget::closeEvent(event);
    }

private:
    void setHover(bool on)
    {
        m_hover = on;
        update();
    }

    NoticeContent m_content;
    QPixmap m_icon;
    QPropertyAnimation *m_slide = nullptr;
    QPointer<QWidget> m_previous; // active when the notice came up
    bool m_hover = false;
};

SlideNotice::SlideNotice(QWidget *anchor) : QObject(anchor), m_anchor(anchor) { }

SlideNotice::~SlideNotice()
{
    for (NoticeWindow *w : std::as_const(m_windows)) {
        if (w) {
            w->disconnect(this);
            delete w;
        }
    }
}

void SlideNotice::showNotice(const NoticeContent &content)
{
    QScreen *screen = m_anchor && m_anchor->screen() ? m_anchor->screen() : nullptr;
    auto *window = new NoticeWindow(content, m_icon, screen);
    connect(window, &NoticeWindow::clicked, this, &SlideNotice::clicked);
    connect(window, &NoticeWindow::closing, this, [this, window] { closed(window); });
    m_windows.append(window);
    stack();
    window->show();
}

void SlideNotice::closeAll()
{
    const auto windows = m_windows;
    m_windows.clear();
    for (NoticeWindow *w : windows) {
        if (w) {
            w->disconnect(this);
            w->close();
        }
    }
}

QList<NoticeContent> SlideNotice::shown() const
{
    QList<NoticeContent> contents;
    for (NoticeWindow *w : m_windows) {
        if (w)
            contents.append(w->content());
    }
    return contents;
}

QList<QWidget *> SlideNotice::windows() const
{
    QList<QWidget *> list;
    for (NoticeWindow *w : m_windows) {
        if (w)
            list.append(w);
    }
    return list;
}

void SlideNotice::closed(NoticeWindow *window)
{
    m_windows.removeAll(window);
    stack();
}

void SlideNotice::stack()
{
    QScreen *screen = m_anchor && m_anchor->screen() ? m_anchor->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const int firstColumn = area.right() + 1 - kWidth - kGap;
    int x = firstColumn;
    int bottom = area.bottom() + 1 - kGap;
    for (NoticeWindow *w : std::as_const(m_windows)) {
        if (!w)
            continue;
        // A column that reached the top of the screen goes on in a new one to its left,
        // or over the first one when the screen has no room for another.
        if (bottom - w->height() < area.top() && bottom < area.bottom() + 1 - kGap) {
            x -= kWidth + kGap;
            if (x < area.left())
                x = firstColumn;
            bottom = area.bottom() + 1 - kGap;
        }
        const QPoint target(x, bottom - w->height());
        bottom = target.y() - kGap;
        w->slideTo(
            target, w->isPlaced() ? std::nullopt : std::optional<QPoint>(QPoint(x, area.bottom() + 1)));
    }
}

} // namespace vellamora

#include "SlideNotice.moc"
