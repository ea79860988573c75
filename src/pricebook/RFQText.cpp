#include "pricebook/RFQText.h"

#include "base/BasicDiskRoutines.h"
#include "common/Cp1252.h"
#include "common/StorableText.h"

namespace {

const QString FileName = QStringLiteral("/RFQ.txt");

} // namespace

QString DefaultRFQText() {
    return QStringLiteral("Please provide per Unit Cost and two levels of Multi-Unit packaging "
                          "and pricing, if any exist, in the space provided ") +
           QStringLiteral("on the attached form(s) for the items listed.");
}

std::optional<QString> ReadRFQFile() {
    if (!FileExistsOrRestore(FileName))
        return std::nullopt;
    QString text = FromCp1252(ReadDataFile(FileName).value_or(QByteArray()));
    // A line may end in CR LF, or in a lone CR or LF where another editor saved the file.
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(u'\r', u'\n');
    // The end of the last line is the file's, not the text's.
    if (text.endsWith(u'\n'))
        text.chop(1);
    return text;
}

bool WriteRFQFile(const QString &text) {
    QString lines = StorableText(text, StoredAs::PlainLines);
    lines.replace(u'\n', QLatin1String("\r\n"));
    if (!WriteWholeFile(FileName, ToCp1252(lines) + "\r\n"))
        return false;
    DeleteBackupCopy(FileName);
    return true;
}
