#pragma once

#include <QList>

class QWidget;

// The screen's tab stops, worked out from the layouts that place its controls so that they
// cannot drift from what the user sees: the entry fields in reading order (top to bottom, left to
// right within a row, each frame's fields together where the frame stands), then the buttons in
// the same order. Frames placed by hand over the screen come after the fields of its layout.
QList<QWidget *> ReadingTabOrder(QWidget *screen);

// The stop after (or before) the control holding the focus, passing over controls that are hidden
// or disabled, and over the unchecked choices of a group that has one checked, as the user
// expects of Tab; null when there is none.
QWidget *NextTabStop(const QList<QWidget *> &stops, QWidget *focus, bool forward);
