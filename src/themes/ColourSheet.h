#pragma once
#include "app/Services.h"
#include "themes/Colour.h"

#include <QtWidgets/QWidget>
#include <array>

class QFrame;
class QToolButton;

namespace vellamora {

// What the section colour panels ask of the main window.
class ColourSheetHost
{
public:
    virtual ~ColourSheetHost() = default;
    // Stores the nine colours in the settings row and repaints the window with them.
    // Raises StoreError.
    virtual void storeSectionColours(const colour::SectionColours &colours) = 0;
    // The title bar and the window take the active page's section colour.
    virtual void titleBarColour() = 0;
    virtual QString workingFolder() const = 0;
};

// The "Colori e Font" sheet of the Opzioni page: the nine section colour panels,
// each chosen with the colour dialog, the built-in set, and colour scheme files
// (.clr) saved and opened.
class ColourSheet : public QWidget
{
    Q_OBJECT
public:
    ColourSheet(const Services &services, ColourSheetHost &host, QWidget *parent = nullptr);

    // The colours the panels hold.
    colour::SectionColours colours() const { return m_colours; }
    // Paints every panel in its section colour (part of applying the settings).
    void showColours(const colour::SectionColours &colours);

    // Handlers.
    void Panel_ShotColorClick() { panelClick(0); }
    void Panel_YearColorClick() { panelClick(1); }
    void Panel_MonthColorClick() { panelClick(2); }
    void Panel_WeekColorClick() { panelClick(3); }
    void Panel_TodayColorClick() { panelClick(4); }
    void Panel_ContactColorClick() { panelClick(5); }
    void Panel_NotesColorClick() { panelClick(6); }
    void Panel_TodoColorClick() { panelClick(7); }
    void Panel_UserColorClick() { panelClick(8); }
    void SpeedButtonRestoreColorClick();
    void SpeedButtonSalvaColoriClick();
    void SpeedButtonApriColoriClick();

    QFrame *Panel_ShotColor = nullptr;
    QFrame *Panel_YearColor = nullptr;
    QFrame *Panel_MonthColor = nullptr;
    QFrame *Panel_WeekColor = nullptr;
    QFrame *Panel_TodayColor = nullptr;
    QFrame *Panel_ContactColor = nullptr;
    QFrame *Panel_NotesColor = nullptr;
    QFrame *Panel_TodoColor = nullptr;
    QFrame *Panel_UserColor = nullptr;
    QToolButton *SpeedButtonRestoreColor = nullptr;
    QToolButton *SpeedButtonSalvaColori = nullptr;
    QToolButton *SpeedButtonApriColori = nullptr;

Q_SIGNALS:
    // A colour action of the Opzioni page ended with new colours stored: the page takes the focus back.
    void colourActionDone();

private:
    void panelClick(int index);
    void setPanelColour(int index, colour::ColourValue value);
    // Stores the panels' colours; false (after the error report) when the store failed.
    bool storeColours();
    // The program folder's "colors" folder when it is a folder, otherwise `otherwise`.
    QString schemeFolder(const QString &otherwise) const;

    Services m_services;
    ColourSheetHost &m_host;
    std::array<QFrame *, colour::kSections> m_panels {};
    colour::SectionColours m_colours = colour::kBuiltinSections;
};

} // namespace vellamora
