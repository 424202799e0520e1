// The desktop program: main window and calculation table.
#pragma once

int RunDesktop(int argc, char** argv);
