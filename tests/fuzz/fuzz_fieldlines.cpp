#include "FuzzSupport.h"

#include "base/FieldLines.h"
#include "common/StorableText.h"

#include <QStringList>

namespace {

const QString Name = QStringLiteral("/PrintColors.txt");

QStringList Strings(FieldLineReader reader) {
    QStringList fields;
    while (!reader.atEnd())
        fields << reader.String();
    return fields;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    PutDataFile(Name, data, size);
    const std::optional<FieldLineReader> file = ReadFieldLineFile(Name);
    Check(bool(file), "the file");

    // Every field as text, written back as text on lines of three.
    const QStringList fields = Strings(*file);
    FieldLineWriter text;
    for (int k = 0; k < fields.size(); ++k) {
        text.String(fields[k]);
        if (k % 3 == 2 || k + 1 == fields.size())
            text.EndLine();
    }
    Check(WriteFieldLineFile(Name, text, true), "the text write");
    QStringList expected;
    for (const QString &field : fields)
        expected << StorableText(field, StoredAs::QuotedField);
    const QStringList read = Strings(*ReadFieldLineFile(Name));
    Check(read == expected, "the text fields");
    // What was written once is written again byte for byte.
    FieldLineWriter twice;
    for (int k = 0; k < read.size(); ++k) {
        twice.String(read[k]);
        if (k % 3 == 2 || k + 1 == read.size())
            twice.EndLine();
    }
    Check(twice.bytes() == text.bytes(), "the bytes written again");

    // Every field as each kind of number and as a Boolean, in turn.
    PutDataFile(Name, data, size);
    FieldLineReader reader = *ReadFieldLineFile(Name);
    std::vector<qint64> integers;
    std::vector<double> doubles;
    std::vector<bool> booleans;
    FieldLineWriter values;
    for (int k = 0; !reader.atEnd(); ++k) {
        if (k % 3 == 0) {
            integers.push_back(reader.Int32());
            values.Integer(integers.back());
        } else if (k % 3 == 1) {
            doubles.push_back(reader.Double());
            values.Double(doubles.back());
        } else {
            booleans.push_back(reader.Boolean());
            values.Boolean(booleans.back());
        }
    }
    Check(WriteFieldLineFile(Name, values.EndLine(), true), "the value write");
    FieldLineReader again = *ReadFieldLineFile(Name);
    for (size_t k = 0; k < integers.size() + doubles.size() + booleans.size(); ++k) {
        if (k % 3 == 0)
            Check(again.Int32() == integers[k / 3], "an integer");
        else if (k % 3 == 1)
            Check(again.Double() == doubles[k / 3], "a number");
        else
            Check(again.Boolean() == booleans[k / 3], "a Boolean");
    }
    return 0;
}
