#pragma once
// Texts said in more than one place of the program.

#include <QString>

// Both the slot texts and the alarm's optional text warn with these words at their limit.
inline const QString kLengthLimitMessage =
    QStringLiteral("Raggiunta la lunghezza massima\r\nconsentita del testo!");
