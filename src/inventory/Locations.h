#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The five stock locations of the tally sheets, kept in "Locations.txt": five lines, one name
// each. A name that would not read back as typed (a comma, a double quote, spaces at either
// end) is written in double quotes with its own quotes doubled; plain names stay plain.

constexpr int LocationCount = 5;

// Five names (empty where none); nothing when the file is missing and has no Backup copy.
std::optional<QStringList> LoadLocationsFile();
bool SaveLocationsFile(const QStringList &names, QString *error = nullptr);

// The text of a locations file holding the names as it can keep them (StorableText), and the
// five names of such a text.
QByteArray LocationsText(const QStringList &names);
QStringList ParseLocations(const QByteArray &bytes);
