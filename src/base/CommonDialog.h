#pragma once

#include <QColor>
#include <QDir>
#include <QObject>
#include <QString>

#include <optional>

// Where the user keeps documents; the home folder where there is no documents folder.
QDir DocumentsFolder();

// The one set of standard dialogs the screens borrow from the main menu: colour, font and
// picture file (the printer's is the printing's own). Each is modal; an empty result means the
// user cancelled.
class CommonDialog;
// The main menu's dialogs, which every screen borrows.
CommonDialog *MenuDialogs();

class CommonDialog : public QObject {
    Q_OBJECT
public:
    explicit CommonDialog(QObject *parent);

    std::optional<QColor> ShowColor(const QColor &current);
    // Screen and printer fonts alike; only the family name is used.
    std::optional<QString> ShowFont(const QString &currentFamily);
    // filter in the dialog's own form, e.g. "Pictures (*.bmp *.jpg);;All (*)".
    std::optional<QString> ShowOpen(const QString &filter);
    // A file to read that is not remembered as the logo's ShowOpen file is, and a file to write,
    // proposed under that name in the user's documents folder.
    std::optional<QString> ShowOpenOther(const QString &filter);
    std::optional<QString> ShowSave(const QString &filter, const QString &proposedName);
    // The file last chosen with ShowOpen since the program started, or empty.
    QString FileName() const { return m_fileName; }

private:
    QString m_fileName;
};
