// Controls placed by pixel, as the forms place them, that grow with their window: groups,
// page controls, lists, grids and figures take a share of the extra room in proportion to
// their size at the design size; labels and buttons keep their size and move with the
// room around them. At the design size every control is exactly where the form puts it.
#pragma once

#include <QSize>
#include <QTabWidget>
#include <QWidget>

// Lets a control of the program's own kind grow like a figure.
void MarkGrowing(QWidget* control);

// Remembers where every control below the container stands; call once, with the controls at
// their design places.
void RememberDesignPlaces(QWidget* container);

// Places the remembered controls of the container for its growth beyond the reference size
// (the container's design size), and those inside them in turn.
void GrowWithContainer(QWidget* container, QSize growth, QSize reference);

// Places the remembered controls of the container at their design places moved by the
// offset, keeping their sizes: a page that keeps its layout stands centred in its room.
void ShiftWithContainer(QWidget* container, QPoint offset);

// A coordinate of the design moved by its share of the growth of a span of the given length.
int Grown(int at, int growth, int span);

// The size of each page of a page control of the given size: less its tab row and frame.
QSize PageSize(const QTabWidget* pages, QSize size);
