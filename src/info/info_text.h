#pragma once
// The information text of the info window, in Italian.
#include <QString>
QString informationText();
