#pragma once
// The windows' common look: fonts, colours and mouse cursors.

#include <QColor>
#include <QCursor>
#include <QFont>
#include <QString>

class QWidget;

// Free metric-compatible fonts stand in for the Windows fonts the layouts name.
void installFontSubstitutions();

QFont layoutFont(const QString& family, qreal points, bool bold = false);

// Background of a box, button or label; foreground of its text.
void setBackColour(QWidget* w, const QColor& colour);
void setForeColour(QWidget* w, const QColor& colour);
QColor backColour(const QWidget* w);
QColor foreColour(const QWidget* w);

// The system's tool-tip background, which the date boxes and the cascade use.
QColor toolTipColour();

enum class CursorKind { Hand, Exit, Info };
QCursor customCursor(CursorKind kind);
