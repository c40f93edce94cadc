#pragma once
// Recording doubles of the desktop seams, for tests.
#include "app/Regional.h"
#include "platform/Clock.h"
#include "platform/FileChooser.h"
#include "platform/Prompter.h"
#include "platform/Shell.h"
#include "platform/SoundPlayer.h"

#include <QtCore/QStringList>
#include <deque>
#include <vector>

namespace vellamora::test {

// Italian names and separators, as the tests' dates and times are written.
inline const Regional &italian()
{
    static const Regional r = Regional::italian();
    return r;
}

class FakeClock final : public Clock
{
public:
    explicit FakeClock(QDateTime at = QDateTime(QDate(2026, 12, 11), QTime(10, 0))) : m_now(at) { }
    QDateTime now() const override { return m_now; }
    void set(const QDateTime &at) { m_now = at; }
    void advance(qint64 seconds) { m_now = m_now.addSecs(seconds); }

private:
    QDateTime m_now;
};

// Answers questions from a script (default: the `defaultAnswer`) and records every text.
class ScriptedPrompter final : public Prompter
{
public:
    struct Shown
    {
        QString kind; // "question", "warningQuestion", "warning", "information", "plain", "error", "input"
        QString text;
        QString caption;
    };

    bool question(const QString &text) override { return answer(QStringLiteral("question"), text); }
    bool warningQuestion(const QString &text) override
    {
        return answer(QStringLiteral("warningQuestion"), text);
    }
    void warning(const QString &text) override { record(QStringLiteral("warning"), text); }
    void information(const QString &text, const QString &caption = {}) override
    {
        record(QStringLiteral("information"), text, caption);
    }
    void plain(const QString &text) override { record(QStringLiteral("plain"), text); }
    void errorReport(const QString &text) override { record(QStringLiteral("error"), text); }
    std::optional<QString> inputBox(
        const QString &caption, const QString &prompt, const QString &initial) override;

    std::deque<bool> answers;
    bool defaultAnswer = true;
    std::deque<std::optional<QString>> inputs;
    std::vector<Shown> shown;

    QStringList texts(const QString &kind = {}) const;
    void clear() { shown.clear(); }

private:
    bool answer(const QString &kind, const QString &text);
    void record(const QString &kind, const QString &text, const QString &caption = {});
};

class RecordingShell final : public Shell
{
public:
    bool open(const QString &target) override;
    QString logonName() const override { return logon; }
    QString desktopFolder() const override { return desktop; }
    QString autostartFolder() const override { return autostart; }
    bool writeDesktopEntry(
        const QString &path, const QString &program, const QString &workingFolder) override;
    bool dial(const QString &number) override;
    int colourDepth() const override { return depth; }

    QString logon = QStringLiteral("mario");
    QString desktop;
    QString autostart;
    int depth = 32;
    // Targets the shell accepts; every attempt is recorded in `opened`.
    std::function<bool(const QString &)> accepts = [](const QString &) { return true; };
    QStringList opened;
    QStringList dialled;
    QStringList entries;
};

class RecordingSoundPlayer final : public SoundPlayer
{
public:
    void playFile(const QString &wavPath) override { played << wavPath; }
    void playMailBeep() override { played << QStringLiteral("mailbeep"); }
    QStringList played;
};

class ScriptedFileChooser final : public FileChooser
{
public:
    // One shown file dialog: its title, its starting folder or suggested path, its filter.
    struct Request
    {
        QString kind; // "open", "save", "folder"
        QString caption;
        QString start;
        QString filter;
    };

    std::optional<QString> openFile(
        const QString &caption, const QString &folder, const QString &filter) override
    {
        requests.push_back({ QStringLiteral("open"), caption, folder, filter });
        return next();
    }
    std::optional<QString> saveFile(
        const QString &caption, const QString &suggested, const QString &filter) override
    {
        suggestions << suggested;
        requests.push_back({ QStringLiteral("save"), caption, suggested, filter });
        return next();
    }
    std::optional<QString> folder(const QString &caption, const QString &start) override
    {
        requests.push_back({ QStringLiteral("folder"), caption, start, {} });
        return next();
    }
    std::optional<QColor> colour(const QColor &initial) override
    {
        colourPresets << initial;
        return colours.empty() ? std::nullopt : pop(colours);
    }
    std::optional<QFont> font(const QFont &) override { return std::nullopt; }

    std::deque<std::optional<QString>> paths;
    std::deque<std::optional<QColor>> colours;
    QStringList suggestions;
    std::vector<Request> requests;
    QList<QColor> colourPresets;

private:
    std::optional<QString> next() { return paths.empty() ? std::nullopt : pop(paths); }
    template<typename T> static T pop(std::deque<T> &q)
    {
        T v = q.front();
        q.pop_front();
        return v;
    }
};

} // namespace vellamora::test
