#pragma once
// The main window's purely visual behaviours: the flicker of the caption picture, the
// colour cascade of the slot texts after the start, and the looks of the "Info" link.

#include "windows/frmtelefono_layout.h"

#include <QList>
#include <QObject>
#include <QPointer>

class QMovie;

class Animations : public QObject {
    Q_OBJECT
public:
    Animations(Ui::frmTelefono& ui, QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void flicker();
    // The picture of the last tick, when the window can be seen at all.
    void showFlickerPicture();
    bool windowShowing() const;
    // The layout's animated pictures rest while nobody can see them.
    void restMoviesOutOfSight(bool outOfSight);
    void cascade(int slot);
    void infoHover();
    void infoPressed();
    void infoReleased();
    void infoReset();

    Ui::frmTelefono& ui;
    QWidget* m_window;
    // Set when the last tick stood for imgScritta01.
    bool m_flag = false;
    bool m_ticked = false;
    QList<QPointer<QMovie>> m_restingMovies;
};
