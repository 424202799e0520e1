// Where each window stood and how large it was, kept between starts in the user's settings
// under the application's organisation name. Without one (as in tests) nothing is read or
// kept, and every window opens where the program puts it.
#pragma once

class QWidget;

// Puts the window where it was last kept under the key; false when nothing is kept there.
bool RestorePlace(QWidget& window, const char* key);
// Keeps the window's place and size, maximised or not, under the key.
void KeepPlace(const QWidget& window, const char* key);
