#pragma once

#include <QString>

#include <optional>

// "Phone.txt": whether a phone is daisy-chained behind the modem, and the modem's COM port, one
// field-line each.
struct PhoneSettings {
    bool PhoneEnabled = false;
    int ModemPort = 1;
};

// The settings stored (restored from Backup when lost), or nothing when there are none.
std::optional<PhoneSettings> ReadPhoneSettings();
bool WritePhoneSettings(const PhoneSettings &settings, QString *error = nullptr);
