#include "pixelratio.h"

namespace {
double ratio = 1.0;
}

double devicePixelRatio()
{
    return ratio;
}

void setDevicePixelRatio(double value)
{
    ratio = value;
}
