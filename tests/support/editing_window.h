#pragma once
// A started main window for the editing tests: card 1 and lista.txt written first, the window
// shown and active, and the start's own notices cleared, as they are not these tests' business.

#include "started_window.h"

#include <QApplication>
#include <QDir>
#include <QTest>

struct EditingWindow : StartedWindow {
    explicit EditingWindow(const DeadlineCard& card, const QByteArray& types = {})
    {
        folders.writeCard(card);
        folders.writeProgramFile(QStringLiteral("lista.txt"), types);
        started = start();
        if (!started)
            return;
        activated = showActive();
        platform.messages.clear();
    }

    QString archive() const { return folders.archive(); }

    bool started = false;
    bool activated = false;
};
