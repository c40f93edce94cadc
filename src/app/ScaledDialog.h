#pragma once
#include <QtCore/QPoint>
#include <QtWidgets/QDialog>

#include <initializer_list>

class QBoxLayout;
class QFrame;
class QLabel;

namespace vellamora {

// Grows a dialog by `percent` (100 leaves it as it is): its size, the margins and
// spacing of its layouts, the fixed sizes of its controls, the geometry of controls
// placed by hand, and every font. The dialog keeps its centre.
void scaleDialog(QWidget &dialog, int percent);

// The program's dialogs: scaled by the dialog scale (Opzioni, "Stira finestre") the
// first time they are shown, and moved by dragging their panels (they have no frame).
class ScaledDialog : public QDialog
{
    Q_OBJECT
public:
    ScaledDialog(int scalePercent, QWidget *parent, Qt::WindowFlags flags = {});
    int scalePercent() const { return m_scale; }

protected:
    void showEvent(QShowEvent *event) override;
    // Pressing the left button on one of these and moving the mouse moves the dialog.
    void dragByPanels(std::initializer_list<QWidget *> panels);
    // The title panel of the small dialogs: `PanelTitle` holding the bold `LabelTitle`,
    // added to `layout`.
    void addTitlePanel(QBoxLayout &layout, const QString &caption, QFrame *&PanelTitle, QLabel *&LabelTitle);
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPoint m_dragOffset;
    int m_scale;
    bool m_scaled = false;
};

} // namespace vellamora
