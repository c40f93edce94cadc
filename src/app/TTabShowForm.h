#pragma once
#include "app/ScaledDialog.h"
#include "app/Services.h"

#include <QtCore/QPoint>
#include <array>

class QCheckBox;
class QFrame;
class QLabel;
class QToolButton;

namespace vellamora {

class Database;
class SettingsRow;

// Chooses which pages show their tab from the next start. Borderless, moved by
// dragging its panels; "Applica" (or Enter) stores the choice, "Chiudi" (or Esc) leaves.
class TTabShowForm : public ScaledDialog
{
    Q_OBJECT
public:
    // `colour` is the options section colour; `scale` the dialog scale in per cent.
    TTabShowForm(const Services &services, Database &db, const SettingsRow &settings, const QColor &colour,
        int scale, QWidget *parent = nullptr);

    void SpeedButtonUseClick();
    void SpeedButtonSpiegazioneImpegnoClick();

    QFrame *PanelTitle = nullptr;
    QLabel *LabelTitle = nullptr;
    QFrame *PanelChecks = nullptr;
    QCheckBox *CheckBox_giornalieri = nullptr;
    QCheckBox *CheckBox_annuali = nullptr;
    QCheckBox *CheckBox_mensili = nullptr;
    QCheckBox *CheckBox_settimanali = nullptr;
    QCheckBox *CheckBox_impegni = nullptr;
    QCheckBox *CheckBox_contatti = nullptr;
    QCheckBox *CheckBox_note = nullptr;
    QCheckBox *CheckBox_lista = nullptr;
    QFrame *PanelButtons = nullptr;
    QToolButton *SpeedButtonSpiegazioneImpegno = nullptr;
    QToolButton *SpeedButtonUse = nullptr;
    QToolButton *SpeedButton2 = nullptr;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    std::array<QCheckBox *, 8> boxes() const;

    Services m_services;
    Database &m_db;
};

} // namespace vellamora
