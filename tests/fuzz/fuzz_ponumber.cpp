#include "FuzzSupport.h"

#include "purchasing/PONumber.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    PutDataFile(QStringLiteral("/PONumber.txt"), data, size);
    const std::optional<qint16> number = ReadPONumber();
    if (!number)
        return 0;
    Check(WritePONumber(*number), "the write");
    Check(ReadPONumber() == number, "the number");
    return 0;
}
