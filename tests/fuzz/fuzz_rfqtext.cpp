#include "FuzzSupport.h"

#include "pricebook/RFQText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    PutDataFile(QStringLiteral("/RFQ.txt"), data, size);
    const std::optional<QString> text = ReadRFQFile();
    Check(text.has_value(), "the file read");
    Check(WriteRFQFile(*text), "the file written");
    Check(ReadRFQFile() == text, "the text");
    return 0;
}
