// Fixed-pitch text: a sheet line keeps its columns when every character is set in its own
// cell, one column for a half-width character and two for a full-width one.
#pragma once

#include <QFont>
#include <QPainter>
#include <QString>

// Columns a character takes: one for ASCII and half-width katakana, two for the rest.
int ColumnsOf(char32_t character);
int ColumnsOf(const QString& text);

// The report fonts at a character height in report pixels.
QFont MinchoFont(int pixelHeight);
QFont GothicFont(int pixelHeight);

// Draws one line from (left, top), a column being half the font's pixel height wide.
void DrawFixedPitch(QPainter& painter, const QFont& font, double left, double top,
                    const QString& line);
