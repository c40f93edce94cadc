#pragma once
#include "platform/NoticeContent.h"

#include <QtCore/QList>
#include <QtCore/QObject>
#include <QtCore/QPointer>
#include <QtGui/QPixmap>

class QWidget;

namespace vellamora {

class NoticeWindow;

// Slide-in notices near the notification area: each comes up from the bottom right of
// the anchor window's screen, several stack upwards, and each goes after its time-out
// or when clicked. The notices never take the keyboard focus from the user's work.
class SlideNotice : public QObject
{
    Q_OBJECT
public:
    static constexpr int kWidth = 480;

    explicit SlideNotice(QWidget *anchor);
    ~SlideNotice() override;

    // The small picture in the top left corner of every notice.
    void setIcon(const QPixmap &icon) { m_icon = icon; }
    // Shows one notice above the ones already showing.
    void showNotice(const NoticeContent &content);
    void closeAll();

    // The notices showing, the lowest first: what they show and their windows.
    QList<NoticeContent> shown() const;
    QList<QWidget *> windows() const;

Q_SIGNALS:
    // A notice was clicked (it closes).
    void clicked();

private:
    void closed(NoticeWindow *window);
    // Places every notice at its height in the stack; new ones slide in from the bottom.
    void stack();

    QWidget *m_anchor;
    QPixmap m_icon;
    QList<QPointer<NoticeWindow>> m_windows;
};

} // namespace vellamora
