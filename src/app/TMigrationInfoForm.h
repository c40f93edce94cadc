#pragma once
#include "app/ScaledDialog.h"
#include "app/Services.h"

#include <QtCore/QPoint>

class QCheckBox;
class QFrame;
class QLabel;
class QPlainTextEdit;
class QToolButton;

namespace vellamora {

// The page where the migration program for archives of the old file-per-table
// format can be downloaded.
inline constexpr char kMigratorPage[] = "https://vellamora.org/migrator";

// Tells the user that archives of an older installation were found and how to
// convert them. Borderless, moved by dragging any of its panels.
class TMigrationInfoForm : public ScaledDialog
{
    Q_OBJECT
public:
    // `scale` is the dialog scale in per cent.
    TMigrationInfoForm(const Services &services, int scale, QWidget *parent = nullptr);

    // True when the dialog was left with "Chiudi" (and not with Esc).
    bool closedWithChiudi() const { return m_chiudi; }

    void SpeedButton1Click();
    void SpeedButton3Click();

    QFrame *PanelTitle = nullptr;
    QLabel *LabelTitle = nullptr;
    QPlainTextEdit *MemoInfo = nullptr;
    QLabel *ImageMigrator = nullptr;
    QFrame *PanelButtons = nullptr;
    QToolButton *SpeedButton1 = nullptr;
    QCheckBox *CheckBoxStopInfo = nullptr;
    QToolButton *SpeedButton3 = nullptr;

private:
    Services m_services;
    bool m_chiudi = false;
};

} // namespace vellamora
