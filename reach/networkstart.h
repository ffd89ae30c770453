#ifndef NETWORKSTART_H
#define NETWORKSTART_H

// Keeps Qt 5's network bearer management out of every request: its plugins ask NetworkManager
// (with D-Bus calls of 25 s each) before a request goes out, and the request waits for them, so
// a NetworkManager that hangs or is busy at boot holds the window or the command for minutes.
// The program needs no bearer: it only ever talks to the local network. Call it once, right
// after the application object exists and before the first QNetworkAccessManager; every other
// plugin (platform, input methods, image formats) loads from the same folders as before.
// Nothing to do with Qt 6, which has no bearer management.
void avoidBearerManagement();

#endif // NETWORKSTART_H
