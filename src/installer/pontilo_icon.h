#pragma once
// The installer's own window icon, drawn at start so that it needs no picture file.

#include <QIcon>

QIcon pontiloIcon();
