#pragma once

#include "common/StorableText.h"

#include <QString>

class QLineEdit;
class QListWidget;
class QWidget;

// Keystroke filters for the entry boxes: each takes the character code of the key pressed
// and gives it back to keep it, or 0 to swallow it.

constexpr int BackspaceKey = 8;

// Digits and backspace only.
int DigitKeyFilter(int key);
// What can still make a money amount with at most two decimals, judged on the box's whole
// current text. Backspace is let through by the caller before it asks.
int CurrencyKeyFilter(int key, const QString &text);
int CurrencyKeyFilter(int key, const QLineEdit *box);

// Puts the filter in front of the box's key presses: a swallowed key never reaches the box.
// Digit boxes let backspace through; money boxes let it through before the filter runs.
void InstallDigitKeyFilter(QLineEdit *box);
void InstallCurrencyKeyFilter(QLineEdit *box);

// The box refuses, as the user types or pastes, what the file it feeds could not give back (a
// double quote in a quoted field, a line break in a one-line field, ...): the rest of what came
// in is kept and the note says what was left out.
void KeepStorable(QLineEdit *box, StoredAs kind);

// A number is rewritten in the locale's currency format; anything else beeps, empties the box
// and keeps the focus in it. True when the text was a number.
bool FormatCurrencyField(QLineEdit *box);

// A refused entry: the beep, the focus back in the box (its text selected) and, beside the box,
// a short note of what is wanted (a label named "refusalNote" in the box's window), since a
// beep alone goes unheard on a machine without sound. The note goes once the user types in the
// box or leaves it.
enum class Beep { Yes, No };
// The computer's beep, counted so that a test can hear it.
void SoundBeep();
int BeepsSounded();
void RefuseEntry(QWidget *box, const QString &wanted, Beep beep = Beep::Yes);
// The notes the screens give, in the locale's own figures.
QString WantedAmount();
QString WantedWholeNumber(qint64 min, qint64 max);

// Moves entry i one place up or down and selects it at its new place. A move past either
// end of the list changes nothing.
void MoveListItem(bool up, QListWidget *list, int i);
