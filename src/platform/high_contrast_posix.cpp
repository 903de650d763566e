#include "platform/high_contrast.h"

void followHighContrast(std::function<void(bool)>)
{
}
