#pragma once
// Windows' high contrast: told once at the start and again whenever the user turns it on or
// off. Elsewhere never told: Qt 6.4 reads no such setting of a Linux desktop.

#include <functional>

void followHighContrast(std::function<void(bool on)> changed);
