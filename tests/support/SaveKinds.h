#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

#include <functional>
#include <vector>

// Every kind of save the data layer makes, each able to put one of two versions of its files in
// place of the other: what the fault, kill and full-disk tests run against a data folder.
struct SaveKind {
    QString name;
    // Writes version 0 of the files (with a Backup copy where the save has one to lose).
    std::function<void()> prepare;
    // Saves version 0 or 1 over what is there; false when the save reports failure.
    std::function<bool(int version)> save;
    // Only files under this folder are the save's to keep whole; "" for the whole data folder.
    QString checked;
    // The next start's mending, for a save whose files must agree with each other afterwards;
    // what disagrees, or empty.
    std::function<QString()> restart = {};
};

const std::vector<SaveKind> &SaveKinds();
const SaveKind &FindSaveKind(const QString &name);
// A test's data table: one row per save kind, its name in the column "kind".
void AddSaveKindRows();

// Every file under the folder by its relative path, and its bytes.
using FolderSnapshot = QMap<QString, QByteArray>;
FolderSnapshot Snapshot(const QString &folder);
// Only the files under a save kind's checked folder.
FolderSnapshot Checked(const FolderSnapshot &all, const SaveKind &kind);
