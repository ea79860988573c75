#pragma once

#include <QByteArray>
#include <QString>

#include <array>

// "SpeedNumbers.txt": the dialer's ten speed-dial entries, a line with the name and a line with
// the number for each filled slot in slot order, CR LF after every line, no quotes. Empty slots
// are not written, so entries move up to close the gaps when the file is read back.

constexpr int SpeedSlots = 10;
struct SpeedEntry {
    QString Name;
    QString Number;
};
using SpeedEntries = std::array<SpeedEntry, SpeedSlots>;

// At most ten entries; a name without a number line reads as an empty number.
SpeedEntries ParseSpeedNumbers(const QByteArray &bytes);
QByteArray SpeedNumbersText(const SpeedEntries &entries);
// The entries stored (restored from Backup when lost); ten empty slots when there are none.
SpeedEntries ReadSpeedNumbers();
// Replaces the file; its Backup copy stays.
bool WriteSpeedNumbers(const SpeedEntries &entries);
