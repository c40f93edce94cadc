#pragma once
#include <QtCore/QString>

namespace vellamora {

// What one slide-in notice shows. Texts may hold carriage returns as line ends.
struct NoticeContent
{
    QString title;
    QString text;
    int height = 130;
    int timeoutSeconds = 0; // 0: the notice stays until clicked or closed

    bool operator==(const NoticeContent &) const = default;
};

} // namespace vellamora
