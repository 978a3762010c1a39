// What one status read of the drive hands to the GUI thread, by value.
#ifndef ZKTOOLS_FORMS_DRIVE_STATUS_SNAPSHOT_H
#define ZKTOOLS_FORMS_DRIVE_STATUS_SNAPSHOT_H

#include "zktools/model/stat_code.h"

#include <QMetaType>

#include <cstdint>

struct DriveStatusSnapshot {
    StatCode CommStatus = LinkFailed; // LinkOk: the other fields hold the read
    int32_t Model = 0;                // raw "Model" value
    bool DriveEnabled = true;         // bit 4 of the reply's status byte
    int32_t FaultCode = 0;            // bits 3..0, a key of the "FaultCode" labels

    friend bool operator==(const DriveStatusSnapshot&, const DriveStatusSnapshot&) = default;
};

Q_DECLARE_METATYPE(DriveStatusSnapshot)

#endif
