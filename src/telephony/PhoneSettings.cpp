#include "telephony/PhoneSettings.h"

#include "base/FieldLines.h"

namespace {

const QString FileName = QStringLiteral("/Phone.txt");

} // namespace

std::optional<PhoneSettings> ReadPhoneSettings() {
    std::optional<FieldLineReader> file = ReadFieldLineFile(FileName);
    if (!file)
        return std::nullopt;
    PhoneSettings settings;
    settings.PhoneEnabled = file->Boolean();
    settings.ModemPort = file->Int16();
    return settings;
}

bool WritePhoneSettings(const PhoneSettings &settings, QString *error) {
    return WriteFieldLineFile(FileName,
                              FieldLineWriter()
                                  .Boolean(settings.PhoneEnabled)
                                  .EndLine()
                                  .Integer(settings.ModemPort)
                                  .EndLine(),
                              true, error);
}
