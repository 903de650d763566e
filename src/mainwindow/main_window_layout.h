#pragma once
// The main window's controls as created: names, positions, texts, limits, colours, pictures.

#include "alarm/alarm_panel_layout.h"
#include "widgets/line.h"
#include "widgets/look.h"
#include "widgets/mouse_label.h"
#include "widgets/shape.h"

#include <array>
#include <QCalendarWidget>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

class QWidget;

// The controls of one slot row.
struct SlotControls {
    QPushButton* clear;
    QLineEdit* date;
    QComboBox* type;
    QLineEdit* text;
    QLineEdit* days;
    QTimer* cascade;
};

namespace Ui {

// Client area of the main window, in twips.
inline constexpr int kMainWidthTwips = 11700;
inline constexpr int kMainHeightTwips = 8190;

// Colours the layout gives and the behaviour restores or compares with.
inline const QColor kDaysBack{64, 0, 0};
inline const QColor kDaysFore{0, 192, 0};
inline const QColor kDateFore{0, 0, 128};
// Light enough to read on the dark red of the background picture.
inline const QColor kInfoNormal{255, 96, 96};

// The date and days boxes' colours of a slot without a finding.
void plainSlotColours(const SlotControls& s);

class MainWindow {
public:
    void setupUi(QWidget* window);

    // Slot 1..10 at index 0..9, in the order of the slot table.
    std::array<SlotControls, 10> rows{};
    // The slot (1..10) whose row holds the control as the given member, or 0.
    template <class T> int slotOf(const QObject* control, T* SlotControls::*member) const
    {
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (rows[i].*member == control)
                return static_cast<int>(i) + 1;
        }
        return 0;
    }

    // Background, frames and pictures.
    MouseLabel* Image1;
    Shape *Shape6, *Shape4, *Shape1, *Shape5, *Shape3, *Shape2;
    Line *Line1, *Line2;
    MouseLabel *imgCorrente, *imgScritta01, *imgScritta02;
    MouseLabel *Image2, *Image5, *Image6;

    // Button row.
    QPushButton *cmdEsci, *Command3, *Command2, *cmdList, *cmdCal, *Command5;
    MouseLabel* Label1; // "Info"

    // Labels of the grid and the today display.
    MouseLabel *Label6, *Label5, *Label2, *Label4, *Label3, *Label10, *Label9, *Label7;
    QLineEdit *Text3, *Text2; // colour legend squares
    QProgressBar* ProgressBar1;

    // Slot controls by binding name (also reachable through rows).
    QLineEdit *txtTelefono, *txtNome, *txtCommenti, *txtData2, *txtData1, *D5, *D4, *D3, *D2, *D1;
    QComboBox *Combo1, *Combo2, *Combo3, *Combo4, *Combo5, *Combo6, *Combo7, *Combo8, *Combo9,
        *Combo10;
    QLineEdit *R1, *R2, *R3, *R4, *R5, *R6, *R7, *R8, *R9, *R10;
    QLineEdit *seg1, *seg2, *seg3, *seg4, *seg5, *seg6, *seg7, *seg8, *seg9, *seg10;
    QPushButton *C1, *C2, *C3, *C4, *C5, *C6, *C7, *C8, *C9, *C10;

    // Timers.
    QTimer* Timer1;
    QTimer *Timer2, *Timer3, *Timer4, *Timer5, *Timer6, *Timer7, *Timer8, *Timer9, *Timer10,
        *Timer11;
    QTimer* tmrAll;

    // Calendar panel.
    QCalendarWidget* Calendar1;
    QPushButton *cmdchiud, *cmdAdesso, *cmdInfoC;

    // The alarm panel laid on the window.
    AlarmPanel alarm;
};

} // namespace Ui
