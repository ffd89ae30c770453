#ifndef PIXELRATIO_H
#define PIXELRATIO_H

// The device pixel ratio of the first screen, written once by the entry
// routine before any page exists and only read afterwards. The pages set it
// on their header pictures so that one picture pixel covers one device pixel.
double devicePixelRatio();
void setDevicePixelRatio(double ratio);

#endif // PIXELRATIO_H
