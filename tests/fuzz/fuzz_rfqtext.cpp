#include "FuzzSupport.h"

#include "base/BasicDiskRoutines.h"
#include "pricebook/RFQText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    PutDataFile(QStringLiteral("/RFQ.txt"), data, size);
    const std::optional<QString> text = ReadRFQFile();
    Check(text.has_value(), "the file read");
    Check(WriteRFQFile(*text), "the file written");
    Check(ReadRFQFile() == text, "the text");
    const QByteArray written = ReadDataFile(QStringLiteral("/RFQ.txt")).value_or(QByteArray());
    Check(WriteRFQFile(*ReadRFQFile()), "the file written again");
    Check(ReadDataFile(QStringLiteral("/RFQ.txt")) == written, "the bytes written again");
    return 0;
}
